// A seeded random walk of user events over every window: tree keys and
// clicks, menu and toolbar commands, editor keys, typing and buttons, with
// random answers to every dialog. After each event the grade book must
// still be sound, and nothing may throw. MIRAVEL_SOAK_EVENTS sets the
// number of events (2000 in the test suite).

#include "core/GradeBook.h"
#include "editors/Editors.h"
#include "file/GradeBookFile.h"
#include "mainwindow/GuardedApplication.h"
#include "mainwindow/WindowTestSupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <cstdlib>
#include <random>

namespace miravel::test {
namespace {

class Soak : public WindowTest {
protected:
    void TearDown() override
    {
        for (QWidget* editor : editors())
            editor->close();
        settle();
        WindowTest::TearDown();
    }

    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The editor windows open now (the main window waits while one is).
    std::vector<QWidget*> editors() const
    {
        std::vector<QWidget*> open;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != window.get() && top->isVisible() && !qobject_cast<QMenu*>(top) && top->isWindow() &&
                top->windowType() != Qt::ToolTip && top->windowType() != Qt::Popup)
                open.push_back(top);
        return open;
    }

    template <class T>
    T pick(const std::vector<T>& items)
    {
        return items[random() % items.size()];
    }

    // Answers for whatever the next event asks.
    void scriptAnswers()
    {
        platform.messageAnswers.clear();
        platform.fileAnswers.clear();
        platform.dialogAnswers.clear();
        for (int i = 0; i < 3; ++i) {
            platform.messageAnswers.push_back(pick<MessageAnswer>({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Ok}));
            platform.fileAnswers.push_back(pick<QString>({path("class.txt"), path("other.txt"), path("table.csv"),
                                                          path("names.csv"), QString()}));
            platform.dialogAnswers.push_back(false); // printing stays on the desktop
        }
    }

    void actOnMainWindow()
    {
        frmMain& w = *window;
        const int choice = static_cast<int>(random() % 100);
        if (choice < 40) {
            QTest::keyClick(w.TreeView1, pick<Qt::Key>({Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                                        Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Return,
                                                        Qt::Key_Space}));
        } else if (choice < 65) {
            std::vector<QTreeWidgetItem*> nodes;
            for (QTreeWidgetItemIterator it(w.TreeView1); *it; ++it)
                nodes.push_back(*it);
            if (!nodes.empty())
                clickNode(pick(nodes));
        } else {
            std::vector<QAction*> commands;
            for (QAction* action : w.findChildren<QAction*>())
                if (action->isEnabled() && !action->menu() && !action->isSeparator() && action != w.mnuFileExit &&
                    action != w.mnuHelpContents)
                    commands.push_back(action);
            if (!commands.empty())
                pick(commands)->trigger();
        }
    }

    void actOnEditor(QWidget* editor)
    {
        std::vector<QWidget*> fields, buttons;
        for (QWidget* child : editor->findChildren<QWidget*>()) {
            if (!child->isVisible() || !child->isEnabled())
                continue;
            if (qobject_cast<QAbstractButton*>(child))
                buttons.push_back(child);
            else if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                     qobject_cast<QAbstractSpinBox*>(child))
                fields.push_back(child);
        }
        const int choice = static_cast<int>(random() % 100);
        if (choice < 35 && !fields.empty()) {
            QWidget* field = pick(fields);
            field->setFocus();
            if (random() % 2)
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            const QString text = pick<QString>({"0", "7", "85", "100", "101", "-1", "*", "abc", "山田", "１２", ";",
                                                "99.5", " ", "ｶﾅ", "2026/07/01", "1.5"});
            if (text.at(0).unicode() < 0x80) {
                QTest::keyClicks(field, text);
            } else { // as the input method hands it over
                QWidget* receiver = field;
                if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
                    receiver = combo->lineEdit();
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QCoreApplication::sendEvent(receiver, &commit);
            }
        } else if (choice < 65) {
            QWidget* target = QApplication::focusWidget();
            if (!target || target->window() != editor)
                target = editor;
            QTest::keyClick(target, pick<Qt::Key>({Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Up,
                                                    Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace,
                                                    Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Space}));
        } else if (choice < 97 && !buttons.empty()) {
            QWidget* button = pick(buttons);
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        } else {
            editor->close(); // the window frame's close box
        }
    }

    // What must hold after every event.
    void checkBook(int step)
    {
        const GradeBook& book = Book();
        ASSERT_GE(book.StudentCount, 0) << "event " << step;
        ASSERT_LE(book.StudentCount, kStudents) << "event " << step;
        for (int m = 0; m < kSemesters; ++m)
            for (int s = 0; s < kSubjects; ++s)
                for (int t = 0; t < kTests; ++t)
                    for (int part = 0; part < kViewpoints; ++part)
                        for (int i = 0; i < kStudents; ++i) {
                            const float score = book.Scores[TestSlot(m, s, t, part)][i];
                            ASSERT_TRUE(score == kAbsent || score == kNoValue || (score >= 0 && score <= 100))
                                << "event " << step << ": score " << score;
                        }
    }

    // Saved and opened again, the book is the same book.
    void checkSaveAndReopen(int step)
    {
        std::string bytes, again;
        const auto error = EncodeGradeBook(Book(), bytes);
        ASSERT_FALSE(error) << "event " << step << ": " << error->Message();
        auto reread = std::make_unique<GradeDocument>();
        ASSERT_FALSE(ParseGradeBook(bytes, *reread)) << "event " << step;
        ASSERT_FALSE(EncodeGradeBook(*reread, again));
        ASSERT_EQ(again, bytes) << "event " << step;
    }

    std::mt19937 random{20261207};
};

TEST_F(Soak, RandomUserEventsKeepTheBookSound)
{
    const char* setting = std::getenv("MIRAVEL_SOAK_EVENTS");
    const int events = setting ? std::atoi(setting) : 2000;
    static std::string thrown;
    static_cast<GuardedApplication*>(QCoreApplication::instance())
        ->SetErrorReporter([](const std::string& what) { thrown = what; });
    writeCp932(QStringLiteral("names.csv"), "山田,田中;佐藤\r\n鈴木\r\n");

    // A popup (a combo box's list, a menu) or a modal window runs an event
    // loop of its own; close it as the teacher would, so the walk goes on.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        else if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);

    start();
    RegisterEditors(*window);
    open(writeBook(QStringLiteral("class.txt"), {"佐藤", "鈴木", "", "高橋", "田中"}));
    int inEditors = 0;
    for (int step = 0; step < events; ++step) {
        scriptAnswers();
        const std::vector<QWidget*> open = editors();
        if (open.empty()) {
            actOnMainWindow();
        } else {
            ++inEditors;
            actOnEditor(open.back());
        }
        settle();
        ASSERT_EQ(thrown, "") << "event " << step;
        ASSERT_TRUE(window->isVisible()) << "event " << step;
        checkBook(step);
        if (step % 25 == 0 || step == events - 1)
            checkSaveAndReopen(step);
        if (HasFatalFailure())
            return;
    }
    std::cout << "soak events: " << events << ", in editor windows: " << inEditors
              << ", messages shown: " << platform.messages.size() << "\n";
    EXPECT_GT(inEditors, events / 10) << "the walk should reach the editors";
}

} // namespace
} // namespace miravel::test
