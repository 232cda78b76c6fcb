// 学級の編集 as the teacher uses it: opening, moving between attendance
// numbers, typing, registering, cancelling and transferring out.

#include "editors/homeroom/HomeRoomWindowSupport.h"

#include "editors/EditorKeys.h"
#include "platform/FileLayerPath.h"

#include <QAccessible>

namespace miravel::test {
namespace {

TEST_F(HomeRoomTest, OpensFromNewWithAnEmptyYearAndDisablesTheMainWindow)
{
    FormHomeRoom& form = openAfterNew();
    EXPECT_EQ(form.windowTitle(), U("学級の編集"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(form.Combo1[0]->currentText(), U("2025年（令和7年）"));  // this school year, on 2025/04/07
    EXPECT_EQ(form.Viewpoints->isVisibleTo(&form) ? form.Viewpoints->currentText() : QString(),
              U("現行（知識・技能／思考・判断・表現／主体的に学習に取り組む態度）"));
    EXPECT_EQ(Book().SchoolYear, "");
    EXPECT_EQ(Book().CurrentStudentNo, 1);
    EXPECT_EQ(form.Combo2->currentText(), U("1"));
    EXPECT_EQ(form.Combo1[0]->count(), 7);
    EXPECT_EQ(form.Combo1[0]->itemText(6), U("2026年（令和8年）"));
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
    platform.messageAnswers = {MessageAnswer::Yes};
    form.Command2->click();
    settle();
    EXPECT_EQ(lastMessage(), U(kAskDropEntries));
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
        if (way == 0) {
            platform.messageAnswers = {MessageAnswer::Yes};
            QTest::keyClick(form.Text1, Qt::Key_Escape);
        } else {
            form.close();  // as the main window closes it at exit: no question
        }
        settle();
        EXPECT_TRUE(editor.isNull()) << way;
        EXPECT_TRUE(window->isEnabled()) << way;
        EXPECT_EQ(Book().TeacherName, "山田") << way;
        window.reset();
    }
}


TEST_F(HomeRoomTest, TypingANameWritesTheGridAtOnce)
{
    FormHomeRoom& form = openAfterNew();
    type(form.Text2, U("あおき"));
    EXPECT_EQ(rosterName(1), U("あおき"));
    EXPECT_EQ(form.MSFlexGrid1->item(1, 1)->text(), U("あおき"));
    EXPECT_EQ(Book().StudentNames[0], "");  // the book changes only on registration

    // A character typed on the roster goes into the name of the current row.
    form.MSFlexGrid1->setCurrentCell(3, 1);
    form.MSFlexGrid1->setFocus();
    QTest::keyClicks(form.MSFlexGrid1, U("ue"));
    EXPECT_EQ(rosterName(3), U("ue"));
    EXPECT_EQ(form.Text2->text(), U("ue"));
    EXPECT_EQ(Book().CurrentStudentNo, 3);
}

TEST_F(HomeRoomTest, ArrowKeysMoveAndStopAtTheEnds)
{
    FormHomeRoom& form = openClass({"青木", "井上"});
    EXPECT_EQ(form.Text2->text(), U("青木"));
    const struct {
        Qt::Key key;
        int number;
        const char* numberBox;
    } steps[] = {
        {Qt::Key_Up, 1, " 1"},    {Qt::Key_Left, 1, " 1"},   {Qt::Key_Down, 2, " 2"},
        {Qt::Key_Right, 3, " 3"}, {Qt::Key_Left, 2, " 2"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(form.Text2, step.key);
        EXPECT_EQ(Book().CurrentStudentNo, step.number) << step.key;
        EXPECT_EQ(form.Combo2->currentText(), U(step.numberBox)) << step.key;
        EXPECT_EQ(form.MSFlexGrid1->currentRow(), step.number) << step.key;
        EXPECT_EQ(form.MSFlexGrid1->currentColumn(), 1) << step.key;
    }
    EXPECT_EQ(form.Text2->text(), U("井上"));
    form.Combo2->setEditText(U("40"));
    QTest::keyClick(form.Text2, Qt::Key_Down);
    form.Command3->click();
    EXPECT_EQ(Book().CurrentStudentNo, 40);
    EXPECT_EQ(form.Combo2->currentText(), U(" 40"));
}

// A click selects the number; the one typed with Enter is the student renamed, never the next.
TEST_F(HomeRoomTest, ClickTypedNumberAndEnterLoadThatStudent)
{
    FormHomeRoom& form = openClass({"青木", "井上", "上田", "江藤"});
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Text2->setFocus();
    QTest::mouseClick(form.Combo2->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(form.focusWidget(), QStringLiteral("3"));  // not 13
    press(Qt::Key_Return);
    EXPECT_EQ(Book().CurrentStudentNo, 3);
    ASSERT_EQ(form.focusWidget(), form.Text2);
    type(form.Text2, U("子"));
    EXPECT_EQ(rosterName(3), U("上田子"));
}

TEST_F(HomeRoomTest, OnlyANameCellChoosesAStudent)
{
    FormHomeRoom& form = openClass({"青木", "井上", "上田", "江藤", "小川"});
    auto click = [&](int row, int col) {
        QTableWidget* grid = form.MSFlexGrid1;
        grid->scrollToItem(grid->item(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualItemRect(grid->item(row, col)).center());
    };
    click(4, 0);
    EXPECT_EQ(Book().CurrentStudentNo, 1);
    EXPECT_EQ(form.Text2->text(), U("青木"));
    click(0, 1);
    EXPECT_EQ(Book().CurrentStudentNo, 1);
    click(4, 1);
    EXPECT_EQ(Book().CurrentStudentNo, 4);
    EXPECT_EQ(form.Combo2->currentText(), U(" 4"));
    EXPECT_EQ(form.Text2->text(), U("江藤"));
    EXPECT_EQ(form.focusWidget(), form.Text2);
}

TEST_F(HomeRoomTest, NumberBoxOutsideTheRosterNeverWritesTheHeaderRow)
{
    FormHomeRoom& form = openAfterNew();
    const struct {
        const char* text;
        int number;
    } cases[] = {{"0", 1}, {"-5", 1}, {"99", 40}, {"いち", 1}, {"", 1}, {"12", 12}, {"2.5", 2}};
    for (const auto& c : cases) {
        form.Combo2->setEditText(U(c.text));
        EXPECT_EQ(Book().CurrentStudentNo, c.number) << c.text;
        form.Text2->setText(U("なまえ"));
    }
    EXPECT_EQ(rosterName(0), U("生徒氏名"));
    EXPECT_EQ(rosterName(1), U("なまえ"));
    EXPECT_EQ(rosterName(40), U("なまえ"));
    // Leaving the box shows the number in use.
    form.Combo2->setEditText(U("77"));
    emit form.Combo2->lineEdit()->editingFinished();
    EXPECT_EQ(form.Combo2->currentText(), U(" 40"));
}

TEST_F(HomeRoomTest, RosterWithAGapRegistersTheHighestNumber)
{
    FormHomeRoom& form = openAfterNew();
    for (int n = 1; n <= 30; ++n) {
        type(form.Text2, U("生徒") + QString::number(n));
        QTest::keyClick(form.Text2, Qt::Key_Return);
    }
    form.Combo2->setEditText(U("32"));
    type(form.Text2, U("三十二番"));
    form.Command1->click();
    settle();
    const GradeBook& book = Book();
    EXPECT_EQ(book.StudentCount, 32);
    EXPECT_EQ(book.CountEnrolledStudents(), 31);
    EXPECT_EQ(book.StudentNames[30], "");
    EXPECT_EQ(book.RankCountA[2][5], 9);
    EXPECT_EQ(book.RankCountC[3][0], 3);
    EXPECT_TRUE(window->Frame1->title().endsWith(U(" 生徒数（ 31名）"))) << window->Frame1->title().toStdString();
    EXPECT_EQ(cell(31, 0), U(" 31"));
    EXPECT_EQ(cell(31, 1), QString());
    EXPECT_EQ(cell(32, 1), U("三十二番"));
}

TEST_F(HomeRoomTest, TransferOutTakesEffectEvenWhenCancelled)
{
    start();
    RegisterEditors(*window);
    auto book = ClassBook({"青木", "井上", "上田", "江藤", "小川", "加藤"});
    const int slot = TestSlot(0, 1, 0, 0);
    for (int s = 0; s < 6; ++s)
        book->Scores[slot][s] = 50.0f + 5 * s;
    book->Scores[slot][kAverageColumn] = 62.5f;
    book->Scores[YearRoundSlot(1, 3)][4] = 71.0f;
    const QString file = path(QStringLiteral("class.txt"));
    ASSERT_FALSE(WriteGradeBook(FileLayerPath(file), *book).has_value());
    open(file);
    window->mnuFileSave->trigger();
    FormHomeRoom& form = openEditor();

    form.Text1->setText(U("別の先生"));
    form.Combo2->setEditText(U("5"));
    platform.messageAnswers.push_back(MessageAnswer::No);
    form.Command5->click();
    EXPECT_EQ(Book().StudentNames[4], "小川");
    EXPECT_FALSE(Book().SavedState);

    platform.messageAnswers.push_back(MessageAnswer::Yes);
    form.Command5->click();
    EXPECT_EQ(lastMessage(),
              U("この生徒のデータが失われますがいいですか？（注意：転出以前に登録した試験の平均点は変わりません）"));
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(Book().StudentNames[4], "");
    EXPECT_EQ(Book().Scores[slot][4], kNoValue);
    EXPECT_EQ(Book().Scores[YearRoundSlot(1, 3)][4], kNoValue);
    EXPECT_EQ(Book().Scores[slot][kAverageColumn], 62.5f);
    EXPECT_EQ(Book().Scores[slot][3], 65.0f);
    EXPECT_TRUE(Book().SavedState);
    EXPECT_EQ(rosterName(5), QString());
    EXPECT_EQ(form.Text2->text(), U("小川"));  // until the teacher moves on

    platform.messageAnswers = {MessageAnswer::Yes};  // the teacher's name is still pending
    form.Command2->click();
    settle();
    EXPECT_EQ(Book().TeacherName, "山田");
    EXPECT_EQ(Book().StudentNames[4], "");
    EXPECT_EQ(Book().StudentCount, 6);
    EXPECT_TRUE(window->Frame1->title().endsWith(U(" 生徒数（ 5名）"))) << window->Frame1->title().toStdString();
}

TEST_F(HomeRoomTest, UnstorableCharacterKeepsTheWindowOpenWithEveryEntry)
{
    FormHomeRoom& form = openClass({"青木", "井上", "上田"});
    window->mnuFileSave->trigger();
    form.Text1->setText(U("佐藤"));
    form.Combo2->setEditText(U("3"));
    type(form.Text2, U("😀"));
    form.Combo2->setEditText(U("1"));
    form.Command1->click();
    settle();

    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(lastMessage(), U("出席番号 3の生徒の氏名の「😀」（U+1F600）はファイルに保存できない文字です。別の文字に直してください。"));
    EXPECT_FALSE(form.Viewpoints->isVisibleTo(&form));  // a class with a file keeps its viewpoints
    EXPECT_EQ(Book().CurrentStudentNo, 3);
    EXPECT_EQ(form.Text2->text(), U("上田😀"));
    EXPECT_EQ(form.Text1->text(), U("佐藤"));
    EXPECT_EQ(Book().TeacherName, "山田");
    EXPECT_EQ(Book().StudentNames[2], "上田");
    EXPECT_FALSE(Book().SavedState);

    // Mended, the same roster registers; ";" is kept as the full-width one.
    form.Text2->setText(U("上田;一郎"));
    form.Command1->click();
    settle();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(Book().StudentNames[2], "上田；一郎");
    EXPECT_EQ(Book().TeacherName, "佐藤");
    EXPECT_TRUE(Book().SavedState);
}

TEST_F(HomeRoomTest, ControlsAreNamedForScreenReadersAndTypeInHiragana)
{
    FormHomeRoom& form = openAfterNew();
    const std::pair<QWidget*, const char*> named[] = {
        {&form, "学級の編集"},         {form.Combo1[0], "年度"},      {form.Combo1[1], "学年"},
        {form.Combo1[2], "学級"},      {form.Text1, "担任の氏名"},    {form.Combo2, "出席番号"},
        {form.Text2, "生徒の氏名"},    {form.Command3, "次の出席番号に"}, {form.Command4, "前の出席番号に"},
        {form.Command5, "転出"},       {form.Command1, "登録"},       {form.Command2, "ｷｬﾝｾﾙ"},
    };
    for (const auto& [widget, name] : named) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr) << name;
        // A combo box is read out by its text, labelled by its label.
        const auto labels = face->relations(QAccessible::Label);
        const QString heard = qobject_cast<QComboBox*>(widget) && !labels.isEmpty()
                                  ? labels.front().first->text(QAccessible::Name)
                                  : face->text(QAccessible::Name);
        EXPECT_EQ(heard, U(name)) << name;
    }
    EXPECT_TRUE(form.Text1->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(form.Text2->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(HomeRoomTest, ImportedRosterShowsItsCountInTheCaption)
{
    start();
    platform.fileAnswers.push_back(writeCp932(QStringLiteral("names.csv"), "山田,田中\r\n佐藤\r\n"));
    window->mnuEditNameBook->trigger();
    EXPECT_TRUE(window->Frame1->title().endsWith(U(" 生徒数（ 3名）"))) << window->Frame1->title().toStdString();
    EXPECT_EQ(window->mnuEditNameBook->statusTip(), U(texts::kNameBookFillsGaps));
    EXPECT_TRUE(window->mnuFilePrint->isEnabled());
}

} // namespace
} // namespace miravel::test
