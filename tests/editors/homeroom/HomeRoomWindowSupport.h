#pragma once
// The class editor opened from a main window on the scripted desktop.

#include "editors/Editors.h"
#include "editors/homeroom/FormHomeRoom.h"
#include "mainwindow/WindowTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace miravel::test {

class HomeRoomTest : public WindowTest {
protected:
    // An editor left open goes before its main window, as at exit.
    void TearDown() override
    {
        if (editor)
            editor->close();
        settle();
        WindowTest::TearDown();
    }

    // Start-up, New, then the edit command of the class node.
    FormHomeRoom& openAfterNew()
    {
        start();
        RegisterEditors(*window);
        window->mnuFileNew->trigger();
        return openEditor();
    }

    // Start-up, Open of a 3年1組 book with these names, then the edit command.
    FormHomeRoom& openClass(const std::vector<std::string>& names)
    {
        start();
        RegisterEditors(*window);
        open(writeBook(QStringLiteral("class.txt"), names));
        return openEditor();
    }

    FormHomeRoom& openEditor()
    {
        window->mnuEditProperty->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<FormHomeRoom*>(top); form && form->isVisible())
                editor = form;
        if (!editor)
            throw std::runtime_error("the class editor did not open");
        return *editor;
    }

    // Lets the closed editor go and the main window redraw, as the event loop would.
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Text committed by the Japanese input method, as a teacher types a name.
    static void type(QWidget* field, const QString& text)
    {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(field, &commit);
    }

    // A key pressed where the focus is.
    void press(Qt::Key key)
    {
        QWidget* focus = editor->focusWidget();
        QTest::keyClick(focus ? focus : editor.data(), key);
    }

    QString rosterName(int studentNo) const
    {
        return QString::fromStdString(editor->Roster().TextMatrix(studentNo, 1));
    }

    QPointer<FormHomeRoom> editor;
};

} // namespace miravel::test
