// The 平常の記録 grid's wiring, the teacher's way: the records node of 算数
// 一学期 and the edit command, a column added through its dialog, marks
// and points typed into the table, a block pasted, 登録 as one undo step.

#include "mainwindow/WindowTestSupport.h"

#include "editors/Editors.h"
#include "editors/records/FormRecords.h"
#include "editors/records/RecordHeadingDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace miravel::test {
namespace {

class RecordsWindow : public WindowTest {
protected:
    void TearDown() override
    {
        if (editor)
            delete editor.data();
        WindowTest::TearDown();
    }

    // Adds a column through the dialog 記録を加える opens.
    void addColumn(const char* title, bool points, int full)
    {
        QTimer::singleShot(0, [title, points, full] {
            const ClosesDialog closes;
            auto* dialog = qobject_cast<RecordHeadingDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->txtTitle->setText(U(title));
            dialog->cboViewpoint->setCurrentIndex(2);
            (points ? dialog->optPoints : dialog->optMark)->setChecked(true);
            dialog->spnFull->setValue(full);
            dialog->cmdOk->click();
        });
        editor->cmdAdd->click();
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = editor->tblRecords->item(row, column);
        return item ? item->text() : QString();
    }

    void keys(const QString& text) { QTest::keyClicks(editor->tblRecords, text); }
    void key(Qt::Key k) { QTest::keyClick(editor->tblRecords, k); }

    QPointer<FormRecords> editor;
};

TEST_F(RecordsWindow, MarksPointsAndPasteRegisterAsOneStep)
{
    start();
    RegisterRecordsEditor(*window);
    open(writeBook("class.txt", {"山田", "田中", "佐藤"}));
    clickKey("5 1 0");
    window->mnuEditProperty->trigger();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<FormRecords*>(widget); form && form->isVisible())
            editor = form;
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->lblHeading->text(), U("算数 一学期の平常の記録"));

    addColumn("ノート", false, 3);
    addColumn("小テスト", true, 10);
    ASSERT_EQ(editor->tblRecords->columnCount(), 4);

    // 記号: each key sets the mark and moves down; Tab goes right.
    editor->tblRecords->setCurrentCell(0, 2);
    keys(U("3b"));
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_Delete);
    key(Qt::Key_Tab);
    // 点数: digits wait for Enter; a number above the full marks is refused.
    keys(U("12"));
    key(Qt::Key_Return);
    EXPECT_EQ(editor->lblStatus->text(), U("点数は 0 から 10 までの数で入力してください。"));
    keys(U("7"));
    key(Qt::Key_Return);
    keys(U("*"));
    EXPECT_EQ(QStringList({cell(0, 2), cell(1, 2), cell(0, 3), cell(1, 3)}),
              QStringList({U(""), U("○"), U("7"), U("*")}));

    // A block at 出席番号 3 from the first record; the cell past the last record is listed.
    QApplication::clipboard()->setText(U("a\t欠\tx\n"));
    editor->tblRecords->setCurrentCell(2, 2);
    editor->cmdPaste->click();
    EXPECT_EQ(QStringList({cell(2, 2), cell(2, 3)}), QStringList({U("◎"), U("*")}));
    EXPECT_TRUE(lastMessage().startsWith(U("2 個の記録を貼り付けました。\n貼り付けなかったセルが 1 個あります：\n"
                                             "出席番号 3「x」：貼り付ける記録の列がありません")));

    editor->cmdRegister->click();
    QCoreApplication::processEvents();
    const auto& stored = Book().Evaluation.Records.Of(1, 0);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].title + "/" + stored[1].title, "ノート/小テスト");
    EXPECT_EQ(std::vector<double>({stored[0].values[0], stored[0].values[1], stored[0].values[2],
                                   stored[1].values[0], stored[1].values[1], stored[1].values[2]}),
              std::vector<double>({kRecordEmpty, 2, 3, 7, kRecordAbsent, kRecordAbsent}));
    EXPECT_EQ(window->mnuEditUndo->text(), U("元に戻す：算数 一学期の平常の記録の登録"));
    window->mnuEditUndo->trigger();
    EXPECT_TRUE(Book().Evaluation.Records.Of(1, 0).empty());
}

} // namespace
} // namespace miravel::test
