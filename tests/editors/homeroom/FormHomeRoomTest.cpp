// 学級の編集 as the teacher uses it: opening, moving between attendance
// numbers, typing, registering, cancelling and transferring out.

#include "editors/homeroom/HomeRoomWindowSupport.h"

#include <QAccessible>

namespace miravel::test {
namespace {

TEST_F(HomeRoomTest, OpensFromNewWithAnEmptyYearAndDisablesTheMainWindow)
{
    FormHomeRoom& form = openAfterNew();
    EXPECT_EQ(form.windowTitle(), U("学級の編集"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(form.Combo1[0]->currentText(), QString());
    EXPECT_EQ(Book().SchoolYear, "");
    EXPECT_EQ(Book().CurrentStudentNo, 1);
    EXPECT_EQ(form.Combo2->currentText(), U("1"));
    EXPECT_EQ(form.Combo1[0]->count(), 7);
    EXPECT_EQ(form.Combo1[0]->itemText(6), U("2005年（平成17年）"));
    EXPECT_EQ(form.Combo1[1]->itemText(5), U("6年"));
    EXPECT_EQ(form.Combo1[2]->itemText(8), U("9組"));
    EXPECT_EQ(form.Combo2->count(), 40);
    EXPECT_EQ(form.MSFlexGrid1->rowCount(), 41);
    EXPECT_EQ(form.MSFlexGrid1->item(0, 1)->text(), U("生徒氏名"));
}

TEST_F(HomeRoomTest, CancelDropsEditsButTheYearMarkerIsAlreadyGone)
{
    FormHomeRoom& form = openAfterNew();
    form.Combo1[1]->setEditText(U("3年"));
    form.Text2->setText(U("青木"));
    form.Command2->click();
    settle();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Book().SchoolYear, "");
    EXPECT_EQ(Book().GradeLevel, "");
    EXPECT_EQ(Book().StudentNames[0], "");
    EXPECT_EQ(Book().StudentCount, 0);
}

TEST_F(HomeRoomTest, EscapeAndTheWindowFrameBothCancel)
{
    for (int way = 0; way < 2; ++way) {
        FormHomeRoom& form = openClass({"青木", "井上"});
        form.Text1->setText(U("別の先生"));
        if (way == 0)
            QTest::keyClick(form.Text1, Qt::Key_Escape);
        else
            form.close();
        settle();
        EXPECT_TRUE(editor.isNull()) << way;
        EXPECT_TRUE(window->isEnabled()) << way;
        EXPECT_EQ(Book().TeacherName, "山田") << way;
        window.reset();
    }
}

TEST_F(HomeRoomTest, RegistrationUpdatesTheBookCaptionAndClassNode)
{
    FormHomeRoom& form = openAfterNew();
    form.Combo1[0]->setEditText(U("2004年（平成16年）"));
    form.Combo1[1]->setEditText(U("5年"));
    form.Combo1[2]->setEditText(U("2組"));
    form.Text1->setText(U("佐藤"));
    form.Text2->setText(U("青木"));
    form.Command3->click();
    form.Text2->setText(U("井上"));
    form.Command1->click();
    settle();

    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(window->isEnabled());
    const GradeBook& book = Book();
    EXPECT_EQ(book.SchoolYear, "2004年（平成16年）");
    EXPECT_EQ(book.GradeLevel, "5年");
    EXPECT_EQ(book.ClassName, "2組");
    EXPECT_EQ(book.TeacherName, "佐藤");
    EXPECT_EQ(book.StudentCount, 2);
    EXPECT_EQ(book.RankCountA[3][17], 1);
    EXPECT_EQ(book.RankCountC[0][0], 0);
    EXPECT_EQ(window->Frame1->title(), U("2004年（平成16年） 5年2組 佐藤 生徒数（ 2名）"));
    EXPECT_EQ(window->TreeView1->NodeByIndex(1)->text(0), U("2004年（平成16年） 5年2組 佐藤"));
    EXPECT_EQ(cell(2, 1), U("井上"));
    EXPECT_EQ(cell(2, 0), U(" 2"));
    EXPECT_TRUE(window->mnuFilePrint->isEnabled());
    EXPECT_FALSE(window->mnuEditNameBook->isEnabled());
}

} // namespace
} // namespace miravel::test
