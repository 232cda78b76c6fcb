// Registration without a window: what "登録" writes into the grade book, the
// check of the definition fields, and the semester and year-round averages.

#include "editors/testspec/TestRegistration.h"

#include "editors/testspec/ScoreTable.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

TEST(Summaries, AbsenceMarkNoValueAndClassValue)
{
    // Tests 0..2 of each student; number 4 is a gap with a stale score.
    const struct {
        const char* name;
        float scores[3];
        float summary;
    } students[] = {
        {"青木", {kAbsent, 60, 80}, 10070.0f},
        {"井上", {kNoValue, kNoValue, kNoValue}, kNoValue},
        {"上田", {kAbsent, kNoValue, kAbsent}, kAbsent},
        {"", {50, kNoValue, kNoValue}, 50.0f},
        {"江藤", {kNoValue, 90, kNoValue}, 90.0f},
    };
    auto book = ClassBook({"青木", "井上", "上田", "", "江藤"});
    for (int n = 0; n < 5; ++n)
        for (int t = 0; t < 3; ++t)
            book->Scores[TestSlot(0, 1, t, 0)][n] = students[n].scores[t];
    RecomputeSemesterSummary(*book, 0, 1);
    const auto& summary = book->Scores[SemesterSummarySlot(0, 1, 0)];
    for (int n = 0; n < 5; ++n)
        EXPECT_FLOAT_EQ(summary[n], students[n].summary) << n + 1;
    // Only the named students with a value: 70 and 90.
    EXPECT_FLOAT_EQ(summary[kAverageColumn], 80.0f);
}

TEST(Summaries, YearRoundTakesEverySemesterButNoSummarySlot)
{
    auto book = ClassBook({"青木"});
    book->Scores[TestSlot(0, 2, 0, 3)][0] = 100;
    book->Scores[TestSlot(1, 2, 9, 3)][0] = 50;
    book->Scores[TestSlot(2, 2, 3, 3)][0] = 60;
    book->Scores[SemesterSummarySlot(1, 2, 3)][0] = 1000;  // not a test
    RecomputeYearRoundSummary(*book, 2);
    EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(2, 3)][0], 70.0f);
    EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(2, 3)][kAverageColumn], 70.0f);
    // Other subjects keep what they had.
    EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(1, 3)][0], kNoValue);
}

TEST(Summaries, NobodyEnrolledGivesNoClassValue)
{
    auto book = ClassBook({"", ""});
    RecomputeSemesterSummary(*book, 0, 0);
    RecomputeYearRoundSummary(*book, 0);
    for (int p = 0; p < kParts; ++p) {
        EXPECT_FLOAT_EQ(book->Scores[SemesterSummarySlot(0, 0, p)][kAverageColumn], kNoValue);
        EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(0, p)][kAverageColumn], kNoValue);
    }
}

TEST(Definition, RefusesWhatTheFileCannotHold)
{
    struct Case {
        TestDefinition definition;
        DefinitionField field;
        const char* says;  // part of the message
    };
    const Case cases[] = {
        {{"漢字テスト;1", "2025/04/07", {"50", "", "32767"}}, DefinitionField::None, ""},
        {{"テスト😀", "", {}}, DefinitionField::Title, "「😀」"},
        {{"テスト", "4月🎉日", {}}, DefinitionField::Date, "「🎉」"},
        {{"", "", {"", "32768", ""}}, DefinitionField::FullMarks2, "32767"},
        {{"", "", {"", "", "99999999999"}}, DefinitionField::FullMarks3, "32767"},
        {{"", "", {"-5", "", ""}}, DefinitionField::FullMarks1, "32767"},
    };
    for (const Case& c : cases) {
        const DefinitionCheck check = CheckDefinition(c.definition);
        EXPECT_EQ(check.field, c.field) << c.definition.title;
        EXPECT_NE(check.message.find(c.says), std::string::npos) << check.message;
    }
}

struct Registration : ::testing::Test {
    Registration() : book(ClassBook({"青木", "井上", "上田"}))
    {
        book->CurrentSemester = 1;
        book->CurrentSubject = 2;
        book->CurrentTest = 3;
        base = TestSlot(1, 2, 3, 0);
        LayoutScoreTable(*book, grid, base, 7800);
    }
    std::unique_ptr<GradeBook> book;
    TextGrid grid{0, 0};
    int base = 0;
};

TEST_F(Registration, NeverRegisteredTestRegisteredAtOnce)
{
    RecomputeAveragesAndRanks(*book, grid);
    RegisterTest(*book, grid, {" 3回目試験", "2025/04/07", {}});
    EXPECT_EQ(book->SlotTitles[base][1], " 3回目試験");
    EXPECT_EQ(book->SlotTitles[base][0], "2025/04/07");
    for (int k = 0; k < kParts; ++k) {
        for (int n = 0; n < 3; ++n)
            EXPECT_FLOAT_EQ(book->Scores[base + k][n], kNoValue);
        EXPECT_FLOAT_EQ(book->Scores[base + k][kAverageColumn], kNoValue);
        EXPECT_FLOAT_EQ(book->Scores[base + k][kExamineeColumn], 0.0f);
    }
    for (int k = 0; k < kViewpoints; ++k)
        EXPECT_FLOAT_EQ(book->Scores[base + k][kFullMarksColumn], kNoValue);
    EXPECT_FLOAT_EQ(book->Scores[SemesterSummarySlot(1, 2, 0)][0], kNoValue);
    EXPECT_FLOAT_EQ(book->Scores[SemesterSummarySlot(1, 2, 0)][kAverageColumn], kNoValue);
    EXPECT_TRUE(book->EditAccepted);
    EXPECT_TRUE(book->SavedState);  // closing now asks before dropping it
}

TEST_F(Registration, WritesScoresAveragesCountsAndTexts)
{
    const char* rows[3][4] = {{" 40", " 30", "", " 70"}, {"*", "*", "", "*"}, {" 50", " 20", "", " 70"}};
    for (int n = 1; n <= 3; ++n)
        for (int k = 0; k < 4; ++k)
            grid.SetTextMatrix(n, 2 + k, rows[n - 1][k]);
    RecomputeAveragesAndRanks(*book, grid);
    book->Scores[base + 1][kFullMarksColumn] = 40;
    RegisterTest(*book, grid, {"単元;1\r\n", "7月1日", {"50", "", ""}});

    EXPECT_EQ(book->SlotTitles[base][1], "単元；1");
    EXPECT_EQ(book->SlotTitles[base][0], "7月1日");
    EXPECT_FLOAT_EQ(book->Scores[base + 0][0], 40.0f);
    EXPECT_FLOAT_EQ(book->Scores[base + 0][1], kAbsent);
    EXPECT_FLOAT_EQ(book->Scores[base + 2][2], kNoValue);
    EXPECT_FLOAT_EQ(book->Scores[base + 0][kAverageColumn], 45.0f);
    EXPECT_FLOAT_EQ(book->Scores[base + 1][kAverageColumn], 25.0f);
    EXPECT_FLOAT_EQ(book->Scores[base + 2][kAverageColumn], kNoValue);
    EXPECT_FLOAT_EQ(book->Scores[base + 3][kExamineeColumn], 2.0f);
    EXPECT_FLOAT_EQ(book->Scores[base + 0][kFullMarksColumn], 50.0f);
    EXPECT_FLOAT_EQ(book->Scores[base + 1][kFullMarksColumn], 40.0f);  // a cleared field keeps it
    EXPECT_FLOAT_EQ(book->Scores[SemesterSummarySlot(1, 2, 3)][1], kAbsent);
    EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(2, 3)][0], 70.0f);
    EXPECT_FLOAT_EQ(book->Scores[YearRoundSlot(2, 3)][kAverageColumn], 70.0f);
}

// Twelve students, number 4 without a name, some scores of 国語 (表現, 理解, 言語) typed.
struct Blanks : ::testing::Test {
    std::unique_ptr<GradeBook> book = ClassBook({"a", "b", "c", "", "e", "f", "g", "h", "i", "j", "k", "l"});
    TextGrid grid{0, 0};
    void SetUp() override
    {
        LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
        for (const auto& [n, k, text] : {std::tuple{1, 0, " 8"}, {3, 0, "*"}, {4, 0, " 5"}, {5, 0, " 5"}, {5, 1, " 6"}, {7, 1, " 7"}, {7, 2, " 9"}, {12, 0, " 1"}})
            grid.SetTextMatrix(n, 2 + k, text);
    }
};

TEST_F(Blanks, OneQuestionNamesEveryPartlyBlankStudent)
{
    EXPECT_EQ(PartlyBlankStudents(*book, grid, {true, true, false}),
              (std::vector<BlankEntries>{{1, {1}}, {3, {1}}, {7, {0}}, {12, {1}}}));
    std::string lines;  // ten of twelve
    for (int i = 0; i < 10; ++i)
        lines += "出席番号 10 の表現が空欄です。\n";
    for (const auto& [students, question] : {std::pair<std::vector<BlankEntries>, std::string>{
             {{7, {1}}}, "出席番号 7 の理解が空欄です。このまま登録しますか？"},
         {{{7, {1, 2}}, {12, {0}}}, "出席番号 7 の理解、言語が空欄です。\n出席番号 12 の表現が空欄です。\nこのまま登録しますか？"},
         {std::vector<BlankEntries>(12, {10, {0}}), lines + "ほか2人\nこのまま登録しますか？"}})
        EXPECT_EQ(BlankEntriesQuestion(*book, students), question);
}

TEST_F(Blanks, OneFullMarksQuestionForEveryViewpointWithout)
{
    for (const auto& [typed, ticked, asked] : {std::tuple<ViewpointTexts, ViewpointChecks, std::vector<int>>{
             {}, {true, true, true}, {0, 1, 2}}, {{"50", "", ""}, {true, true, false}, {1}}, {{}, {false, true, true}, {1, 2}}})
        EXPECT_EQ(ViewpointsWithoutFullMarks(*book, grid, {"", "", typed}, ticked), asked);
    book->Scores[TestSlot(0, 0, 0, 1)][kFullMarksColumn] = 40;  // stored
    EXPECT_EQ(ViewpointsWithoutFullMarks(*book, grid, {}, {true, true, true}), (std::vector<int>{0, 2}));
    EXPECT_EQ(FullMarksQuestion(*book, {0, 2}), "表現、言語の配点が入力されていません。100点として登録しますか？");
}

} // namespace
} // namespace miravel::test
