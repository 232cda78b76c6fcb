// 所見と出欠 through the main window: the edit menu opens it, what is typed
// stays with its student and period across Ctrl+PageDown/PageUp and the
// period box, the count turns red past the limit, a pasted column goes
// through its preview, and 登録 is one step undo takes back.

#include "editors/Editors.h"
#include "editors/notes/FormNotes.h"
#include "editors/notes/NotesImportWindow.h"
#include "mainwindow/WindowTestSupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace miravel::test {
namespace {

class NotesWindow : public WindowTest {};

// Characters as a keyboard with an input method sends them.
void Type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

bool Red(const QLabel* label) { return label->palette().color(QPalette::WindowText) == QColor(Qt::red); }

TEST_F(NotesWindow, TypedTextsStayWithStudentAndPeriodAndRegisterAsOneStep)
{
    start();
    RegisterEditors(*window);
    open(writeBook(U("3年1組.txt"), {"青木", "", "上田"}));
    ASSERT_TRUE(window->mnuEditNotes->isEnabled());
    window->mnuEditNotes->trigger();
    FormNotes* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<FormNotes*>(widget))
            form = found;
    ASSERT_NE(form, nullptr);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QPlainTextEdit* remarks = form->Texts[0];
    remarks->setFocus();

    Type(remarks, U("元気"));
    EXPECT_EQ(std::make_pair(form->Counts[0]->text(), Red(form->Counts[0])), std::make_pair(U("2／200字"), false));
    QTest::keyClick(remarks, Qt::Key_PageDown, Qt::ControlModifier);  // number 2 has no name: on to 3
    EXPECT_EQ(std::make_pair(form->CurrentStudent(), remarks->toPlainText()), std::make_pair(3, QString()));
    remarks->setPlainText(QString(201, QChar(0x3042)));
    EXPECT_EQ(std::make_pair(form->Counts[0]->text(), Red(form->Counts[0])), std::make_pair(U("201／200字"), true));
    QTest::keyClick(remarks, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(std::make_tuple(form->CurrentStudent(), remarks->toPlainText(), Red(form->Counts[0])),
              std::make_tuple(1, U("元気"), false));

    form->Period->setCurrentIndex(1);  // 二学期: nothing typed there yet
    EXPECT_EQ(std::make_pair(form->CurrentPeriod(), remarks->toPlainText()), std::make_pair(2, QString()));
    form->Absent->setValue(4);
    form->Period->setCurrentIndex(0);
    EXPECT_EQ(std::make_pair(remarks->toPlainText(), form->Absent->value()), std::make_pair(U("元気"), 0));

    // A column pasted on the list, from number 1 on, after its preview.
    QGuiApplication::clipboard()->setText(U("一行目\n\n三の所見\n"));
    form->Tabs->setCurrentIndex(1);
    QTimer::singleShot(0, [] {
        const ClosesDialog closes;
        auto* preview = qobject_cast<NotesImportWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->Plan().taken, 2);
        preview->Take->click();
    });
    form->PasteButton->click();
    const int firstLine = form->List->columnCount() - 1;
    EXPECT_EQ(std::make_pair(form->List->item(0, firstLine)->text(), form->List->item(2, firstLine)->text()),
              std::make_pair(U("一行目"), U("三の所見")));

    form->Command1->click();
    QApplication::processEvents();
    const ReportNotes& held = Book().Evaluation.Notes;
    EXPECT_EQ(std::make_tuple(held.Student(1, 1).Text(NoteText::Remarks), held.Student(1, 3).Text(NoteText::Remarks),
                              held.Student(2, 1).Absent),
              std::make_tuple(std::string("一行目"), std::string("三の所見"), 4));
    EXPECT_EQ(window->mnuEditUndo->text(), U("元に戻す：所見と出欠の登録"));
    window->mnuEditUndo->trigger();
    EXPECT_TRUE(Book().Evaluation.Notes.IsDefault());
}

} // namespace
} // namespace miravel::test
