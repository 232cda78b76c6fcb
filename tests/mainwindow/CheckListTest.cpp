// 入力の確認 wired to the main window: Enter or a double-click on a line
// selects the node the line names.

#include "WindowTestSupport.h"

#include "mainwindow/CheckListWindow.h"
#include "grades/TreeNodes.h"
#include "platform/FileLayerPath.h"

#include <QListWidget>

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
    ASSERT_EQ(checks->List->count(), 3);  // the student, and the two viewpoints without a test

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

} // namespace
} // namespace miravel::test
