// The test editor window on the offscreen desktop, driven by keys and
// clicks: opening, entry, moves, the definition fields, registration and
// cancelling with what the main window shows afterwards.

#include "TestSpecWindowSupport.h"

#include "core/TextRules.h"
#include "editors/EditorKeys.h"
#include "editors/testspec/TestSpecTexts.h"
#include "platform/FileLayerPath.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

namespace miravel::test {
namespace {

namespace ts = testspec_texts;

const std::vector<std::string> kFive = {"青木", "井上", "上田", "江藤", "大野"};

TEST_F(TestSpecWindow, OpensOnANeverRegisteredTest)
{
    ASSERT_TRUE(openEditor(kFive, "2 0 1 2"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(editor->windowTitle(), U(ts::kWindowCaption));
    EXPECT_EQ(editor->Label11->text(), U("二学期 国語 第 3回 試験  "));
    EXPECT_EQ(editor->Text1->text(), U(" 3回目試験"));
    EXPECT_EQ(editor->Text2->text(), U("2025/04/07"));  // today on the scripted desktop
    EXPECT_EQ(editor->MonthView1->selectedDate(), QDate(2025, 4, 7));
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(editor->Checks[static_cast<std::size_t>(k)]->isChecked());
        EXPECT_TRUE(editor->FullMarks[static_cast<std::size_t>(k)]->text().isEmpty());
        EXPECT_TRUE(entry(k)->text().isEmpty());
    }
    EXPECT_EQ(editor->ViewpointNames[1]->text(), U("理解"));
    EXPECT_EQ(editor->Label3->text(), U("青木"));
    EXPECT_EQ(table(7, 1), U(ts::kClassAverage));
    EXPECT_EQ(table(1, 5), QString());
    EXPECT_EQ(focus(), entry(0));

    // Accessible names for a screen reader.
    EXPECT_EQ(entry(1)->accessibleName(), U("理解の得点"));
    EXPECT_EQ(editor->FullMarks[2]->accessibleName(), U("言語の配点"));
    EXPECT_EQ(editor->Checks[0]->accessibleName(), U("表現"));
    EXPECT_EQ(editor->Command3->accessibleName(), U(ts::kNext));
    EXPECT_EQ(editor->Command5->text(), U(ts::kAbsentButton));
    EXPECT_FALSE(editor->MSFlexGrid1->accessibleName().isEmpty());
    EXPECT_FALSE(editor->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(TestSpecWindow, KeyboardEntryShowsTotalsAveragesAndRanks)
{
    ASSERT_TRUE(openEditor(kFive));
    const char* scores[4][3] = {{"80", "90", "80"}, {"70", "80", "80"}, {"80", "70", "80"}, {"50", "50", "100"}};
    for (const auto& student : scores) {
        type(U(student[0]));
        key(Qt::Key_Tab);
        type(U(student[1]));
        key(Qt::Key_Tab);
        type(U(student[2]));
        key(Qt::Key_Return);
    }
    EXPECT_EQ(editor->Label3->text(), U("大野"));
    EXPECT_EQ(focus(), entry(0));
    const char* totals[] = {" 250", " 230", " 230", " 200"};
    const char* ranks[] = {" 1", " 2", " 2", " 4"};
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(table(row, 5), U(totals[row - 1]));
        EXPECT_EQ(table(row, 6), U(ranks[row - 1]));
    }
    EXPECT_EQ(table(7, 2), U("70.0"));
    EXPECT_EQ(table(7, 5), U("227.5"));
    // The table widget shows the same.
    EXPECT_EQ(editor->MSFlexGrid1->item(3, 6)->text(), U(" 2"));
    // The last student: Enter stays there.
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Label3->text(), U("大野"));
}

TEST_F(TestSpecWindow, RejectedEntriesKeepTheStudentAndTheText)
{
    ASSERT_TRUE(openEditor(kFive));
    struct Case {
        std::vector<const char*> fields;  // typed field by field with Tab
        Qt::Key move;
        int rejectedField;
        const char* message;
    };
    const Case cases[] = {
        {{"*", "abc"}, Qt::Key_Return, 1, ts::kNotDigits},
        {{"85.5"}, Qt::Key_Down, 0, ts::kNotDigits},
        {{"", "", "101"}, Qt::Key_Up, 2, ts::kAbove100},
    };
    for (const Case& c : cases) {
        entry(0)->setFocus();
        for (std::size_t i = 0; i < c.fields.size(); ++i) {
            retype(U(c.fields[i]));
            if (i + 1 < c.fields.size())
                key(Qt::Key_Tab);
        }
        const std::size_t before = platform.messages.size();
        key(c.move);
        ASSERT_EQ(platform.messages.size(), before + 1) << c.fields[0];
        EXPECT_EQ(lastMessage(), U(c.message));
        EXPECT_EQ(platform.messages.back().title, U("Miravel"));
        EXPECT_EQ(editor->Label3->text(), U("青木"));
        // Enter leaves the focus in the rejected field; the arrows bring it back.
        EXPECT_EQ(focus(), c.move == Qt::Key_Return ? entry(c.rejectedField) : entry(static_cast<int>(c.fields.size()) - 1));
        EXPECT_EQ(entry(c.rejectedField)->text(), U(c.fields[static_cast<std::size_t>(c.rejectedField)]));
        for (int k = 0; k < 3; ++k)
            entry(k)->clear();
    }
}

TEST_F(TestSpecWindow, FullMarksFieldsNeverHoldZeroOrWords)
{
    ASSERT_TRUE(openEditor(kFive));
    QLineEdit* fullMarks = editor->FullMarks[0];
    fullMarks->setFocus();
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"0", ""}, {"abc", ""}, {"05", "5"}, {"60", "60"}};
    for (const Case& c : cases) {
        fullMarks->clear();
        QTest::keyClicks(fullMarks, U(c.typed));
        EXPECT_EQ(fullMarks->text(), U(c.shown)) << c.typed;
    }
}

TEST_F(TestSpecWindow, MovesSkipUnnamedNumbersAndTheListAndTableDiscardRejections)
{
    ASSERT_TRUE(openEditor({"青木", "井上", "", "江藤"}));
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Label3->text(), U("江藤"));
    EXPECT_EQ(editor->Combo2->currentText(), U(" 4"));
    key(Qt::Key_Up);
    EXPECT_EQ(editor->Label3->text(), U("井上"));

    // A rejected text is given up by a click on the table...
    type(U("12a"));
    editor->MSFlexGrid1_Click(4, 3);
    EXPECT_EQ(lastMessage(), U(ts::kNotDigits));
    EXPECT_EQ(editor->Label3->text(), U("江藤"));
    EXPECT_EQ(focus(), entry(1));
    EXPECT_EQ(table(2, 2), QString());
    // ...and by a number chosen from the list, even past the roster.
    type(U("abc"));
    editor->Combo2_Click(34);
    EXPECT_EQ(editor->Label3->text(), QString());
    EXPECT_EQ(editor->Combo2->currentText(), U(" 35"));
    EXPECT_EQ(entry(1)->text(), QString());
    // Clicks below the roster do nothing.
    editor->MSFlexGrid1_Click(6, 2);
    editor->MSFlexGrid1_Click(0, 2);
    EXPECT_EQ(editor->Combo2->currentText(), U(" 35"));
}

TEST_F(TestSpecWindow, AbsentAndUncheckedViewpoints)
{
    ASSERT_TRUE(openEditor(kFive));
    editor->Checks[1]->click();  // 理解 is not assessed
    QTest::mouseClick(editor->Command5, Qt::LeftButton);  // the mouse, then Enter from the keyboard
    EXPECT_EQ(entry(0)->text(), U("*"));
    EXPECT_EQ(entry(1)->text(), QString());
    EXPECT_EQ(entry(2)->text(), U("*"));
    key(Qt::Key_Return);
    EXPECT_EQ(table(1, 5), U("*"));
    EXPECT_EQ(table(1, 6), U("*"));
    // Tab passes over the unassessed field.
    type(U("40"));
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), entry(2));

    // With no viewpoint left, entering the first field goes on to the title.
    editor->Checks[0]->click();
    editor->Checks[2]->click();
    entry(0)->setFocus();
    EXPECT_EQ(focus(), editor->Text1);
}

TEST_F(TestSpecWindow, UncheckingEmptiesTheColumnButTheLastBoxKeepsIt)
{
    ASSERT_TRUE(openEditor(kFive));
    type(U("10"));
    key(Qt::Key_Tab);
    type(U("20"));
    key(Qt::Key_Tab);
    type(U("30"));
    key(Qt::Key_Return);
    editor->FullMarks[1]->setText(U("40"));
    editor->Checks[1]->click();
    EXPECT_EQ(table(1, 3), QString());
    EXPECT_EQ(table(7, 3), QString());
    EXPECT_EQ(editor->FullMarks[1]->text(), QString());
    EXPECT_EQ(table(1, 5), U(" 60"));  // recomputed at the next commit only
    editor->Checks[0]->click();
    editor->Checks[2]->click();
    EXPECT_EQ(table(1, 4), U(" 30"));
}

TEST_F(TestSpecWindow, RegistrationWritesTheBookAndLightsTheNode)
{
    ASSERT_TRUE(openEditor(kFive));
    type(U("40"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type(U("50"));
    key(Qt::Key_Return);
    editor->FullMarks[0]->setText(U("50"));
    editor->FullMarks[2]->setText(U("100"));
    editor->Checks[1]->click();
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    settle();
    EXPECT_FALSE(editor);
    EXPECT_TRUE(window->isEnabled());

    const GradeBook& book = Book();
    const int base = TestSlot(0, 0, 0, 0);
    EXPECT_FLOAT_EQ(book.Scores[base + 0][0], 40.0f);
    EXPECT_FLOAT_EQ(book.Scores[base + 1][0], kNoValue);
    EXPECT_FLOAT_EQ(book.Scores[base + 3][0], 90.0f);
    EXPECT_FLOAT_EQ(book.Scores[base + 0][kFullMarksColumn], 50.0f);
    EXPECT_FLOAT_EQ(book.Scores[base + 3][kExamineeColumn], 1.0f);
    EXPECT_FLOAT_EQ(book.Scores[SemesterSummarySlot(0, 0, 3)][0], 90.0f);
    EXPECT_EQ(book.SlotTitles[base][0], "2025/04/07");
    EXPECT_TRUE(book.SavedState);
    EXPECT_FALSE(book.EditAccepted);  // consumed by the main window
    EXPECT_EQ(NavigationTree::NodeImage(window->TreeView1->NodeByKey(U("2 0 0 0"))), U("lighton"));
    EXPECT_EQ(cell(1, 5), U(" 90"));

    // Opened again: 理解 had no scores, so its box is off.
    ASSERT_TRUE(edit());
    EXPECT_TRUE(editor->Checks[0]->isChecked());
    EXPECT_FALSE(editor->Checks[1]->isChecked());
    EXPECT_EQ(editor->FullMarks[0]->text(), U(" 50"));
    EXPECT_EQ(entry(0)->text(), U(" 40"));
    EXPECT_EQ(table(1, 6), U(" 1"));
}

TEST_F(TestSpecWindow, FullMarksOfAnUncheckedViewpointAreStillShown)
{
    auto book = ClassBook(kFive);
    const int base = TestSlot(0, 0, 0, 0);
    book->Scores[base + 0][kAverageColumn] = 70;
    book->Scores[base + 1][kFullMarksColumn] = 25;
    const QString file = path(U("stored.txt"));
    ASSERT_FALSE(WriteGradeBook(FileLayerPath(file), *book).has_value());
    start();
    RegisterTestSpecEditor(*window);
    open(file);
    clickKey("2 0 0 0");
    ASSERT_TRUE(edit());
    EXPECT_FALSE(editor->Checks[1]->isChecked());
    EXPECT_FALSE(editor->Checks[2]->isChecked());
    EXPECT_EQ(editor->FullMarks[1]->text(), U(" 25"));
}

TEST_F(TestSpecWindow, TreeIsRebuiltWhenTheTitleWasClickedOrTheTestRenamed)
{
    struct Case {
        bool clickTitle;
        const char* title;   // as registered
        const char* date;
        bool rebuilt;
        const char* nodeText;
    };
    const Case cases[] = {
        {false, " 1回目試験", "2025/04/07", false, "2025/04/07  1回目試験"},
        {true, " 1回目試験", "2025/04/07", true, "2025/04/07  1回目試験"},
        {false, "漢字", "2025/04/07", true, "2025/04/07 漢字"},           // reached by Tab and typed
        {false, " 1回目試験", "2025/05/01", true, "2025/05/01  1回目試験"},
    };
    for (const Case& c : cases) {
        freshBook();
        // Registered once already: today's date replaced the semester name.
        ASSERT_TRUE(openEditor(kFive));
        editor->Command1->click();
        settle();
        ASSERT_TRUE(edit());
        const QTreeWidgetItem* before = window->TreeView1->NodeByKey(U("2 0 0 0"));
        if (c.clickTitle)
            QTest::mouseClick(editor->Text1, Qt::LeftButton);
        EXPECT_EQ(editor->TitleTouched(), c.clickTitle);
        editor->Text1->setText(U(c.title));
        editor->Text2->setText(U(c.date));
        // Registering leaves the test's first part without scores: the
        // activation still lights the node.
        editor->Command1->click();
        settle();
        const QTreeWidgetItem* after = window->TreeView1->NodeByKey(U("2 0 0 0"));
        EXPECT_EQ(after != before, c.rebuilt) << c.title << " " << c.date;
        EXPECT_EQ(after->text(0), U(c.nodeText));
        EXPECT_EQ(window->TreeView1->currentItem(), after);  // the tree agrees with the table
        EXPECT_EQ(Book().SlotTitles[TestSlot(0, 0, 0, 0)][1], c.title);
    }
}

TEST_F(TestSpecWindow, CancelAndEscAskBeforeDroppingEntriesAndWriteNothing)
{
    for (const char* how : {"button", "esc"}) {
        const auto cancel = [&] { std::string(how) == "button" ? editor->Command2->click() : key(Qt::Key_Escape); };
        freshBook();
        ASSERT_TRUE(openEditor(kFive));
        cancel();  // nothing typed: gone at once
        settle();
        EXPECT_FALSE(editor) << how;
        EXPECT_TRUE(platform.messages.empty()) << how;

        ASSERT_TRUE(edit());
        type(U("40"));
        key(Qt::Key_Return);
        type(U("7"));
        platform.messageAnswers = {MessageAnswer::No};
        cancel();
        ASSERT_EQ(platform.messages.size(), 1u) << how;
        EXPECT_EQ(lastMessage(), U(kAskDropEntries));
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoDefaultNo);
        ASSERT_TRUE(editor) << how;  // いいえ keeps every entry
        EXPECT_EQ(table(1, 2), U(" 40"));
        EXPECT_EQ(entry(0)->text(), U("7"));

        platform.messageAnswers = {MessageAnswer::Yes};
        cancel();
        settle();
        EXPECT_FALSE(editor) << how;
        EXPECT_TRUE(window->isEnabled()) << how;
        EXPECT_FALSE(Book().EditAccepted) << how;
        EXPECT_FLOAT_EQ(Book().Scores[0][0], kNoValue) << how;
        EXPECT_EQ(NavigationTree::NodeImage(window->TreeView1->NodeByKey(U("2 0 0 0"))), U("lightoff")) << how;
        platform.messages.clear();
    }
}

TEST_F(TestSpecWindow, TypedAttendanceNumberWaitsForEnterAndCtrlEnterRegisters)
{
    std::vector<std::string> forty;
    for (int n = 1; n <= 40; ++n)
        forty.push_back("生徒" + std::to_string(n));
    ASSERT_TRUE(openEditor(forty));
    type(U("55"));
    key(Qt::Key_Return);
    const auto scores = [this] {
        QStringList all;
        for (int row = 1; row <= 40; ++row)
            all << table(row, 2) + table(row, 3) + table(row, 4);
        return all;
    };
    const QStringList before = scores();
    editor->Combo2->setFocus();
    editor->Combo2->lineEdit()->selectAll();
    type(U("20"));
    EXPECT_EQ(editor->Label3->text(), U("生徒2"));  // no digit loads anyone
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Label3->text(), U("生徒20"));
    EXPECT_EQ(focus(), entry(0));
    EXPECT_EQ(scores(), before);
    EXPECT_TRUE(entry(0)->text().isEmpty());
    // A number outside the roster is ignored.
    editor->Combo2->setFocus();
    editor->Combo2->lineEdit()->selectAll();
    type(U("45"));
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Label3->text(), U("生徒20"));
    EXPECT_EQ(editor->Combo2->currentText(), U(" 20"));

    EXPECT_TRUE(editor->Command1->toolTip().contains(U("Ctrl+Enter")));
    platform.messageAnswers = {MessageAnswer::No};  // 生徒1's 理解 and 言語 blank: back to the first
    QTest::keyClick(focus(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(std::make_tuple(lastMessage(), editor->Label3->text(), focus()),
              std::make_tuple(U("出席番号 1 の理解、言語が空欄です。このまま登録しますか？"), U("生徒1"), static_cast<QWidget*>(entry(1))));
    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};  // blanks kept; 表現 without 配点: 100
    QTest::keyClick(focus(), Qt::Key_Return, Qt::ControlModifier);
    settle();
    EXPECT_FALSE(editor);
    EXPECT_FLOAT_EQ(Book().Scores[0][0], 55);
}

TEST_F(TestSpecWindow, DateFieldAndCalendarKeepInStep)
{
    ASSERT_TRUE(openEditor(kFive));
    editor->Text2->setText(U("2025/06/15"));
    EXPECT_EQ(editor->MonthView1->selectedDate(), QDate(2025, 6, 15));
    editor->MonthView1_DateClick(QDate(2025, 7, 1));
    EXPECT_EQ(editor->Text2->text(), U("2025/07/01"));
    EXPECT_EQ(editor->MonthView1->selectedDate(), QDate(2025, 7, 1));

    // A text that is no date is stored as typed and shown so again.
    editor->Text2->setText(U("六月の中ごろ"));
    EXPECT_EQ(editor->MonthView1->selectedDate(), QDate(2025, 7, 1));
    editor->Command1->click();
    settle();
    EXPECT_EQ(Book().SlotTitles[0][0], "六月の中ごろ");
    ASSERT_TRUE(edit());
    EXPECT_EQ(editor->Text2->text(), U("六月の中ごろ"));
    EXPECT_EQ(editor->MonthView1->selectedDate(), QDate(2025, 4, 7));
    // A stored date is shown in the short format.
    editor->Text2->setText(U("2025-6-5"));
    editor->Command1->click();
    settle();
    ASSERT_TRUE(edit());
    EXPECT_EQ(editor->Text2->text(), U("2025/06/05"));
}

TEST_F(TestSpecWindow, RefusedDefinitionKeepsTheWindowOpen)
{
    struct Case {
        const char* title;
        const char* fullMarks;
        const char* says;
        int field;  // 0 title, 1 full marks 1
    };
    const Case cases[] = {{"漢字😀", "", "「😀」", 0}, {"漢字", "40000", "32767", 1}};
    ASSERT_TRUE(openEditor(kFive));
    type(U("40"));
    key(Qt::Key_Return);
    for (const Case& c : cases) {
        editor->Text1->setText(U(c.title));
        editor->FullMarks[0]->setText(U(c.fullMarks));
        editor->Command1->click();
        settle();
        ASSERT_TRUE(editor) << c.title;
        EXPECT_TRUE(lastMessage().contains(U(c.says))) << lastMessage().toStdString();
        EXPECT_EQ(focus(), c.field == 0 ? static_cast<QWidget*>(editor->Text1) : editor->FullMarks[0]);
        EXPECT_FALSE(window->isEnabled());
        EXPECT_EQ(table(1, 2), U(" 40"));
        EXPECT_FLOAT_EQ(Book().Scores[0][0], kNoValue);
    }
}

} // namespace
} // namespace miravel::test
