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

// Twelve students, number 4 without a name, viewpoints 1 and 2 ticked.
struct Blanks : ::testing::Test {
    Blanks() : book(ClassBook({"a", "b", "c", "", "e", "f", "g", "h", "i", "j", "k", "l"}))
    {
        const char* names[] = {"知識・技能", "思考・判断・表現", "主体的に学習に取り組む態度"};
        for (int k = 0; k < kViewpoints; ++k)
            book->SubjectTable[0][k + 1] = names[k];
        LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
        const std::tuple<int, const char*, const char*, const char*> rows[] = {
            {1, " 8", "", ""}, {3, "*", "", ""}, {4, " 5", "", ""}, {5, " 5", " 6", ""}, {7, "", " 7", " 9"}, {12, " 1", "", ""}};
        for (const auto& [n, a, b, c] : rows)
            for (int k = 0; k < kViewpoints; ++k)
                grid.SetTextMatrix(n, 2 + k, std::array{a, b, c}[static_cast<std::size_t>(k)]);
    }
    std::unique_ptr<GradeBook> book;
    TextGrid grid{0, 0};
    const ViewpointChecks ticked{true, true, false};
};

TEST_F(Blanks, OneQuestionNamesEveryPartlyBlankStudent)
{
    const auto found = PartlyBlankStudents(*book, grid, ticked);
    EXPECT_EQ(found, (std::vector<BlankEntries>{{1, {1}}, {3, {1}}, {7, {0}}, {12, {1}}}));
    EXPECT_EQ(PartlyBlankStudents(*book, grid, {true, true, true}),
              (std::vector<BlankEntries>{{1, {1, 2}}, {3, {1, 2}}, {5, {2}}, {7, {0}}, {12, {1, 2}}}));
    const struct { std::vector<BlankEntries> students; std::string question; } cases[] = {
        {{{7, {1}}}, "出席番号 7 の思考・判断・表現が空欄です。このまま登録しますか？"},
        {{{7, {1, 2}}, {12, {0}}},
         "出席番号 7 の思考・判断・表現、主体的に学習に取り組む態度が空欄です。\n出席番号 12 の知識・技能が空欄です。\n"
         "このまま登録しますか？"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlankEntriesQuestion(*book, c.students), c.question);
    std::vector<BlankEntries> many;
    std::string expected;
    for (int n = 10; n <= 21; ++n) {
        many.push_back({n, {0}});
        expected += n < 20 ? "出席番号 " + std::to_string(n) + " の知識・技能が空欄です。\n" : "";
    }
    EXPECT_EQ(BlankEntriesQuestion(*book, many), expected + "ほか2人\nこのまま登録しますか？");
}

TEST_F(Blanks, OneFullMarksQuestionForEveryViewpointWithout)
{
    const struct { ViewpointTexts typed; ViewpointChecks ticked; std::vector<int> asked; } cases[] = {
        {{}, {true, true, true}, {0, 1, 2}}, {{"50", "", ""}, {true, true, false}, {1}},
        {{}, {false, true, true}, {1, 2}}};
    for (const auto& c : cases)
        EXPECT_EQ(ViewpointsWithoutFullMarks(*book, grid, {"", "", c.typed}, c.ticked), c.asked);
    book->Scores[TestSlot(0, 0, 0, 1)][kFullMarksColumn] = 40;  // stored
    EXPECT_EQ(ViewpointsWithoutFullMarks(*book, grid, {}, {true, true, true}), (std::vector<int>{0, 2}));
    EXPECT_EQ(FullMarksQuestion(*book, {0, 2}),
              "知識・技能、主体的に学習に取り組む態度の配点が入力されていません。100点として登録しますか？");
}

} // namespace
} // namespace miravel::test
