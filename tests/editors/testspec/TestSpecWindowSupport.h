#pragma once
// The test editor opened the teacher's way: a class file opened in the main
// window, a test node clicked, the edit command given. Keys go to whatever
// has the focus, as they would from the keyboard.

#include "mainwindow/WindowTestSupport.h"

#include "editors/Editors.h"
#include "editors/testspec/FormTestSpec.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace miravel::test {

class TestSpecWindow : public WindowTest {
protected:
    void TearDown() override
    {
        if (editor)
            delete editor.data();
        WindowTest::TearDown();
    }

    // Starts, opens a class of `students` and shows the test node `key`.
    void openClass(const std::vector<std::string>& students, const char* key = "2 0 0 0")
    {
        start();
        RegisterTestSpecEditor(*window);
        open(writeBook("class.txt", students));
        clickKey(key);
    }

    // The edit command on the selected node; the editor it opened, active.
    FormTestSpec* edit()
    {
        window->mnuEditProperty->trigger();
        editor = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<FormTestSpec*>(widget); form && form->isVisible())
                editor = form;
        if (!editor)
            return nullptr;
        editor->activateWindow();
        QApplication::setActiveWindow(editor);
        return editor;
    }

    FormTestSpec* openEditor(const std::vector<std::string>& students, const char* key = "2 0 0 0")
    {
        openClass(students, key);
        return edit();
    }

    // Lets the main window take the focus back and redraw, and a closed
    // editor go away.
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // For a second round within one test.
    void freshBook()
    {
        window.reset();
        auto fresh = std::make_unique<GradeBook>();
        Book() = std::move(*fresh);
    }

    static QWidget* focus() { return QApplication::focusWidget(); }
    void type(const QString& text) { QTest::keyClicks(focus(), text); }
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    // Replaces the text of the field with the focus, as typing over a selection does.
    void retype(const QString& text)
    {
        if (auto* field = qobject_cast<QLineEdit*>(focus()))
            field->selectAll();
        type(text);
    }

    QString table(int row, int col) const { return QString::fromStdString(editor->ScoreGrid().TextMatrix(row, col)); }
    QLineEdit* entry(int k) const { return editor->Entries[static_cast<std::size_t>(k)]; }

    QPointer<FormTestSpec> editor;
};

} // namespace miravel::test
