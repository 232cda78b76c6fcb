// 入力の確認 wired to the main window: Enter or a double-click on a line
// selects the node the line names.

#include "WindowTestSupport.h"

#include "app/CommandLine.h"
#include "file/CompanionFile.h"
#include "grades/LetterChecks.h"
#include "mainwindow/CheckListWindow.h"
#include "grades/TreeNodes.h"
#include "platform/FileLayerPath.h"

#include <QListWidget>
#include <QPushButton>

namespace miravel::test {
namespace {

using CheckList = WindowTest;

TEST_F(CheckList, EnterAndDoubleClickSelectTheNamedNode)
{
    auto book = ClassBook({"青木", "井上"});
    auto& slot = book->Scores[TestSlot(1, 2, 3, 0)];  // 理科, second semester, fourth test: 井上 has no score
    slot[0] = slot[kAverageColumn] = 10;
    slot[kFullMarksColumn] = 50;
    const QString file = path(U("3年1組.txt"));
    ASSERT_FALSE(WriteGradeBook(FileLayerPath(file), *book));
    start();
    open(file);
    window->mnuEditCheck->trigger();
    auto* checks = window->findChild<CheckListWindow*>();
    ASSERT_NE(checks, nullptr);
    ASSERT_EQ(checks->List->count(), 5);  // also 井上 without an evaluation in the semester and the year

    checks->List->setCurrentRow(0);
    QTest::keyClick(checks->List, Qt::Key_Return);
    EXPECT_EQ(Book().CurrentNodeKey, TestNodeKey(2, 1, 3));
    EXPECT_EQ(window->TreeView1->currentItem(), window->TreeView1->NodeByKey(U(TestNodeKey(2, 1, 3).c_str())));

    const QRect rect = checks->List->visualItemRect(checks->List->item(2));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(checks));
    QTest::mousePress(checks->List->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(checks->List->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    EXPECT_EQ(Book().CurrentNodeKey, SemesterNodeKey(2, 1));
    EXPECT_EQ(cell(0, 1), U("生徒氏名"));  // the semester table is shown
}

// The window, its 再確認 and --check-grades give the same lines; looking changes nothing.
TEST_F(CheckList, WindowAgainAndCommandLineGiveTheSameLines)
{
    auto book = ClassBook({"青木", "井上"});
    book->Evaluation.Mode = EvaluationMode::Criterion;
    auto& slot = book->Scores[TestSlot(0, 0, 0, 0)];  // 国語 表現: 青木 A (90 %), 井上 C
    slot[0] = 45, slot[1] = 10, slot[kAverageColumn] = 27.5, slot[kFullMarksColumn] = 50;
    const std::string file = FileLayerPath(path(U("3年1組.txt")));
    book->Evaluation.CheckedLetters = RecordLetters(*book);
    book->Evaluation.CheckedLetters[0][0] = 'B';  // as the last save recorded it
    ASSERT_FALSE(WriteGradeBook(file, *book) || WriteCompanion(file, book->Evaluation));
    std::string out, err;
    RunHeadless(ParseCommandLine({"--check-grades", file}), out, err);
    EXPECT_NE(out.find("出席番号 1 青木：前回の確認から変わりました（国語　一学期　表現 B→A"), std::string::npos) << out;
    start();
    open(QtPath(file));
    window->mnuEditCheck->trigger();
    auto* checks = window->findChild<CheckListWindow*>();
    for (int look = 0; look < 2; ++look) {
        std::string shown;
        for (int i = 0; i < checks->List->count(); ++i)
            shown += checks->List->item(i)->text().toStdString() + "\n";
        EXPECT_EQ(shown, out) << look;
        checks->findChild<QPushButton*>(QStringLiteral("Again"))->click();
    }
    EXPECT_FALSE(Book().SavedState);
}

} // namespace
} // namespace miravel::test
