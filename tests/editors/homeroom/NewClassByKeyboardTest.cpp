// A new class typed without the mouse: New, the edit command, the header,
// thirty names each followed by Enter, 登録, Save As, and the file read back.

#include "editors/homeroom/HomeRoomWindowSupport.h"
#include "platform/FileLayerPath.h"

namespace miravel::test {
namespace {

TEST_F(HomeRoomTest, NewClassTypedWithKeysIsSavedAndReadsBack)
{
    start();
    RegisterEditors(*window);
    window->mnuFileNew->trigger();
    FormHomeRoom& form = openEditor();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.focusWidget(), form.Combo1[0]);

    const char* header[] = {"2004年（平成16年）", "3年", "2組", "佐藤 花子"};
    form.Combo1[0]->lineEdit()->selectAll();  // the year offered is typed over
    for (const char* text : header) {
        type(form.focusWidget(), U(text));
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(form.focusWidget(), form.Viewpoints);
    press(Qt::Key_Down);  // the old viewpoints instead of the current ones
    press(Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), form.MSFlexGrid1);
    press(Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), form.Combo2);
    press(Qt::Key_Tab);
    ASSERT_EQ(form.focusWidget(), form.Text2);

    for (int n = 1; n <= 30; ++n) {
        type(form.focusWidget(), U("生徒") + QString::number(n));
        press(Qt::Key_Return);
    }
    EXPECT_EQ(Book().CurrentStudentNo, 31);
    EXPECT_EQ(form.focusWidget(), form.Text2);
    for (QWidget* next : {static_cast<QWidget*>(form.Text3), static_cast<QWidget*>(form.Text4),
                          static_cast<QWidget*>(form.Command3), static_cast<QWidget*>(form.Command4),
                          static_cast<QWidget*>(form.Command5), static_cast<QWidget*>(form.Command1)}) {
        press(Qt::Key_Tab);
        ASSERT_EQ(form.focusWidget(), next);
    }
    press(Qt::Key_Return);  // 登録
    settle();
    ASSERT_TRUE(editor.isNull());
    ASSERT_TRUE(window->isEnabled());
    EXPECT_EQ(window->TreeView1->NodeByIndex(1)->text(0), U("2004年（平成16年） 3年2組 佐藤 花子"));
    EXPECT_EQ(cell(30, 1), U("生徒30"));
    EXPECT_TRUE(window->mnuFilePrint->isEnabled());
    EXPECT_TRUE(window->mnuEditNameBook->isEnabled());

    const QString file = path(QStringLiteral("3年2組.txt"));
    platform.fileAnswers.push_back(file);
    window->mnuFileSaveAs->trigger();
    ASSERT_FALSE(Book().SavedState);

    GradeDocument saved;
    ASSERT_FALSE(ReadGradeBook(FileLayerPath(file), saved).has_value());
    EXPECT_EQ(saved.SchoolYear, "2004年（平成16年）");
    EXPECT_EQ(saved.GradeLevel, "3年");
    EXPECT_EQ(saved.ClassName, "2組");
    EXPECT_EQ(saved.TeacherName, "佐藤 花子");
    EXPECT_EQ(saved.SubjectTable[0][1] + saved.SubjectTable[4][3], "表現観点3");
    EXPECT_EQ(saved.StudentCount, 30);
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(saved.StudentNames[n - 1], "生徒" + std::to_string(n));
    EXPECT_EQ(saved.StudentNames[30], "");
    for (int p = 0; p < kPeriods; ++p)
        for (int k = 0; k < kSubjectViewpoints; ++k) {
            EXPECT_EQ(saved.RankCountA[p][k], 9);
            EXPECT_EQ(saved.RankCountC[p][k], 3);
        }
    EXPECT_EQ(window->Frame1->title(), U("2004年（平成16年） 3年2組 佐藤 花子 生徒数（ 30名）"));
}

} // namespace
} // namespace miravel::test
