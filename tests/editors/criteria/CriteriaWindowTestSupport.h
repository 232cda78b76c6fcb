#pragma once
// The criteria editors on the scripted desktop, over a class of n students.

#include "editors/Editors.h"
#include "editors/criteria/FormSemesterSpec.h"
#include "editors/criteria/FormSubjectSpec.h"
#include "editors/criteria/UpDown.h"
#include "GraphTestBook.h"
#include "mainwindow/WindowTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace miravel::test {

class CriteriaTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        RegisterEditors(*window);
    }

    void TearDown() override
    {
        std::vector<QPointer<CriteriaWindow>> editors;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<CriteriaWindow*>(widget))
                editors.emplace_back(editor);
        for (const auto& editor : editors)
            delete editor.data();
        WindowTest::TearDown();
    }

    // A class of `students` with A `countA` and C `countC` stored for every
    // viewpoint of every period.
    void useClass(int students, int countA = 12, int countC = 4)
    {
        Book() = *ClassBook(Names(students));
        for (auto& period : Book().RankCountA)
            period.fill(static_cast<Integer>(countA));
        for (auto& period : Book().RankCountC)
            period.fill(static_cast<Integer>(countC));
    }

    template <class Form>
    Form* show()
    {
        auto* form = new Form(platform);
        form->show();
        return form;
    }

    // The editor the edit command opened and that is still shown.
    template <class Form>
    static Form* opened()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(widget); form && form->isVisible())
                return form;
        return nullptr;
    }

    static void type(QLineEdit* box, const char* text)
    {
        box->setFocus();
        box->selectAll();
        if (*text)
            QTest::keyClicks(box, U(text));
        else
            QTest::keyClick(box, Qt::Key_Delete);
    }

    // Names arrive through the input method: the text at once.
    static void typeName(QComboBox* combo, const char* text) { combo->setEditText(U(text)); }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> texts;
        for (const ShownMessage& m : platform.messages)
            texts.push_back(m.text);
        return texts;
    }
};

} // namespace miravel::test
