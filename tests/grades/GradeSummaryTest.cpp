// 学年の集計 from small books, every result compared whole.

#include "core/EvaluationRules.h"
#include "grades/GradeSummary.h"
#include "grades/SummaryBooks.h"
#include "grades/SummaryTexts.h"
#include "support/Records.h"

namespace miravel::testing {
namespace {

using Row = SummaryRow;
const std::optional<Tally> kNoRow;
Tally T(int a, int b, int c, int none) { return Tally{{a, b, c, none}}; }

// 1組 by criteria: 井上 has number 3 (2 transferred out), 宇野 has no 理解.
std::unique_ptr<GradeBook> FirstClass()
{
    return CriterionClass("1組", {{"青木", {"AAA", "ABB"}}, {"", {"AAA", "AAA"}}, {"井上", {"BCB", "CCC"}},
                                 {"宇野", {"C-C", "BBB"}}});
}

// 2組 by counts, its 算数 named さんすう; 言語, 表・処 and 知・理 have nothing
// registered, so nobody has a letter there.
std::unique_ptr<GradeBook> SecondClass()
{
    auto book = test::ClassBook({"岡田", "加藤", "木村"}, {"2026", "3年", "2組", "担任"});
    for (int s = 2; s < kSubjects; ++s)
        book->SubjectTable[s][0].clear();
    book->SubjectTable[1][0] = "さんすう";
    StoreValues(*book, SemesterSummarySlot(0, 0, 0), {90, 60, 30}, 60);
    SetCounts(*book, 0, 0, 0, 1, 1);
    StoreValues(*book, SemesterSummarySlot(0, 0, 1), {80, 70, 60}, 70);
    SetCounts(*book, 0, 0, 1, 2, 0);
    StoreValues(*book, SemesterSummarySlot(0, 1, 0), {50, 90, 70}, 70);
    SetCounts(*book, 0, 1, 0, 1, 1);
    return book;
}

TEST(GradeSummary, TwoClassesInDifferentModesWithARenamedSubject)
{
    const auto first = FirstClass();
    const auto second = SecondClass();
    const GradeSummary summary = SummarizeGrade({{"a.txt", first.get()}, {"b.txt", second.get()}}, 0);

    EXPECT_EQ(summary.periodName, "一学期");
    EXPECT_EQ(summary.classNames, (std::vector<std::string>{"1組", "2組"}));
    EXPECT_EQ(summary.methodLines,
              (std::vector<std::string>{"1組：目標準拠評価（A 80%以上・C 50%未満）、評定 3 は 2.50 以上・1 は 1.50 未満",
                                        "2組：相対評価、評定 3 は 2.50 以上・1 は 1.50 未満"}));
    EXPECT_EQ(summary.warnings, (std::vector<std::string>{"注意: 評価の方法が学級によって違います（目標準拠評価: "
                                                          "1組／相対評価: 2組）。A・B・C の割合は同じ物差しではありません。"}));
    const std::vector<Row> rows{
        {"国語", "表現", false, {T(1, 1, 1, 0), T(1, 1, 1, 0)}, T(2, 2, 2, 0)},
        {"国語", "理解", false, {T(1, 0, 1, 1), T(2, 1, 0, 0)}, T(3, 1, 1, 1)},
        {"国語", "言語", false, {T(1, 1, 1, 0), T(0, 0, 0, 3)}, T(1, 1, 1, 3)},
        {"国語", "評定", true, {T(1, 1, 1, 0), T(2, 1, 0, 0)}, T(3, 2, 1, 0)},  // 木村 B and C: 1.50 is a 2
        {"算数", "思考", false, {T(1, 1, 1, 0), kNoRow}, T(1, 1, 1, 0)},
        {"算数", "表・処", false, {T(0, 2, 1, 0), kNoRow}, T(0, 2, 1, 0)},
        {"算数", "知・理", false, {T(0, 2, 1, 0), kNoRow}, T(0, 2, 1, 0)},
        {"算数", "評定", true, {T(0, 2, 1, 0), kNoRow}, T(0, 2, 1, 0)},
        {"さんすう", "思考", false, {kNoRow, T(1, 1, 1, 0)}, T(1, 1, 1, 0)},
        {"さんすう", "表・処", false, {kNoRow, T(0, 0, 0, 3)}, T(0, 0, 0, 3)},
        {"さんすう", "知・理", false, {kNoRow, T(0, 0, 0, 3)}, T(0, 0, 0, 3)},
        {"さんすう", "評定", true, {kNoRow, T(1, 1, 1, 0)}, T(1, 1, 1, 0)},
    };
    EXPECT_EQ(summary.rows, rows);
    // 理解 alone differs: A 33.3 % against 66.7 %, C 33.3 % against none. 言語
    // is not compared: 2組 has evaluated nobody there.
    EXPECT_EQ(summary.marks, (std::vector<SummaryMark>{
                                 {1, 0, 0, 1, 3, 2, 3}, {1, 0, 2, 1, 3, 0, 3}, {1, 1, 0, 2, 3, 1, 3}, {1, 1, 2, 0, 3, 1, 3}}));
    EXPECT_EQ(MarkLine(summary, summary.marks[1]),
              "国語 理解：1組の C 33.3%（3人中1人）は、ほかの組の 0.0%（3人中0人）より 33.3ポイント多い");
    EXPECT_EQ(MarkLine(summary, summary.marks[2]),
              "国語 理解：2組の A 66.7%（3人中2人）は、ほかの組の 33.3%（3人中1人）より 33.3ポイント多い");
    using C = StudentConcern;
    EXPECT_EQ(summary.students, (std::vector<SummaryStudent>{
                                    {0, 3, "井上", "算数", C::GradeOne, ""},
                                    {0, 4, "宇野", "国語", C::GradeOne, ""},
                                    {0, 4, "宇野", "国語", C::NoEvaluation, "理解"},
                                    {1, 0, "", "国語", C::NoEvaluation, "言語"},  // nobody in 2組 has one
                                    {1, 0, "", "さんすう", C::NoEvaluation, "表・処、知・理"},
                                    {1, 1, "岡田", "さんすう", C::GradeOne, ""},
                                }));
    EXPECT_EQ(ConcernText(summary.students[1]), "評定 1");
    EXPECT_EQ(ConcernText(summary.students[4]), "評価なし（表・処、知・理）");
    EXPECT_EQ(NumberText(summary.students[4]) + NumberText(summary.students[2]), "全員4");

    const std::string csv =
        "\xEF\xBB\xBF教科,観点,1組 A,1組 B,1組 C,1組 評価なし,2組 A,2組 B,2組 C,2組 評価なし,学年 A,学年 B,学年 C,学年 評価なし\r\n"
        "国語,表現,1,1,1,0,1,1,1,0,2,2,2,0\r\n"
        "国語,理解,1,0,1,1,2,1,0,0,3,1,1,1\r\n"
        "国語,言語,1,1,1,0,0,0,0,3,1,1,1,3\r\n"
        "国語,評定,1,1,1,0,2,1,0,0,3,2,1,0\r\n"
        "算数,思考,1,1,1,0,,,,,1,1,1,0\r\n"
        "算数,表・処,0,2,1,0,,,,,0,2,1,0\r\n"
        "算数,知・理,0,2,1,0,,,,,0,2,1,0\r\n"
        "算数,評定,0,2,1,0,,,,,0,2,1,0\r\n"
        "さんすう,思考,,,,,1,1,1,0,1,1,1,0\r\n"
        "さんすう,表・処,,,,,0,0,0,3,0,0,0,3\r\n"
        "さんすう,知・理,,,,,0,0,0,3,0,0,0,3\r\n"
        "さんすう,評定,,,,,1,1,1,0,1,1,1,0\r\n";
    EXPECT_EQ(SummaryCsv(summary), csv);
}

// The others' share is their pooled count over their pooled roster; a
// difference of exactly the margin is no mark.
TEST(GradeSummary, MarginAgainstTheOthersPooledShare)
{
    struct Class {
        int count, a, c;
    };
    struct Case {
        const char* name;
        std::vector<Class> classes;
        int margin;
        std::vector<SummaryMark> marks;
    };
    const std::vector<Case> cases{
        {"exactly 20 points", {{10, 5, 0}, {10, 3, 0}, {10, 3, 0}}, 20, {}},
        {"30 points", {{10, 6, 0}, {10, 3, 0}, {10, 3, 0}}, 20, {{0, 0, 0, 6, 10, 6, 20}}},
        {"margin set to 30", {{10, 6, 0}, {10, 3, 0}, {10, 3, 0}}, 30, {}},
        // Against the mean of the others' shares (25 %) 1組 would be marked.
        {"pooled, not averaged", {{10, 5, 0}, {10, 0, 0}, {40, 20, 0}}, 20,
         {{0, 1, 0, 0, 10, 25, 50}, {0, 2, 0, 20, 40, 5, 20}}},
        {"C compared alike", {{10, 0, 3}, {10, 0, 1}, {10, 0, 1}}, 15, {{0, 0, 2, 3, 10, 2, 20}}},
        {"one class alone", {{10, 9, 0}}, 20, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<GradeBook>> books;
        std::vector<SummaryBook> given;
        for (const Class& k : c.classes) {
            books.push_back(ClassWithShares(std::to_string(books.size() + 1) + "組", k.count, k.a, k.c));
            given.push_back({"x.txt", books.back().get()});
        }
        EXPECT_EQ(SummarizeGrade(given, 0, c.margin).marks, c.marks) << c.name;
    }
}

TEST(GradeSummary, ClassNamesPeriodNamesAndWarnings)
{
    auto first = ClassWithShares("1組", 1, 0, 0);
    auto second = ClassWithShares("1組", 1, 0, 0);
    auto third = ClassWithShares("", 1, 0, 0);
    ApplyTerms(*third, 2);
    third->Evaluation.Terms = 2;
    third->GradeLevel = "4年";
    third->Evaluation.GradeA3 = 240;
    const std::vector<SummaryBook> books{{"a.txt", first.get()}, {"b.txt", second.get()}, {"c.txt", third.get()}};
    EXPECT_EQ(ClassNames(books), (std::vector<std::string>{"1組（a.txt）", "1組（b.txt）", "c.txt"}));
    EXPECT_EQ(SummaryPeriodName(books, 1), "二学期／後期");
    EXPECT_EQ(SummaryPeriodName(books, kYearRoundPeriod), "通年");
    EXPECT_EQ(SummaryWarnings(books, ClassNames(books)),
              (std::vector<std::string>{
                  "注意: 評定の基準が学級によって違います（評定 3 は 2.50 以上・1 は 1.50 未満: 1組（a.txt）、1組（b.txt）／"
                  "評定 3 は 2.40 以上・1 は 1.50 未満: c.txt）。評定の分布は同じ物差しではありません。",
                  "注意: 学年が学級によって違います（3年: 1組（a.txt）、1組（b.txt）／4年: c.txt）。"
                  "同じ学年の成績ファイルか確かめてください。"}));
    EXPECT_EQ(PeriodProblem(books, 2), "c.txt は2学期制です。期間は 1、2 か 4（通年）を選んでください。");
    EXPECT_EQ(PeriodProblem(books, 1), "");
    EXPECT_EQ(PeriodProblem(books, kYearRoundPeriod), "");
}

TEST(GradeSummary, MethodShowsTheRangeOfCutsThatDiffer)
{
    auto book = ClassWithShares("1組", 1, 0, 0);
    book->Evaluation.Cuts[1] = {70, 45};
    book->Evaluation.Cuts[3] = {85, 50};  // 算数 is not named in this book: left out
    EXPECT_EQ(MethodText(*book), "目標準拠評価（A 70〜80%以上・C 45〜50%未満）、評定 3 は 2.50 以上・1 は 1.50 未満");
}

TEST(GradeSummary, SharesRoundHalfUp)
{
    const std::vector<std::pair<std::pair<int, int>, std::string>> cases{
        {{1, 3}, "33.3%"}, {{2, 3}, "66.7%"}, {{1, 16}, "6.3%"}, {{40, 40}, "100.0%"}, {{0, 7}, "0.0%"}, {{0, 0}, "－"}};
    for (const auto& [ratio, text] : cases)
        EXPECT_EQ(ShareText(ratio.first, ratio.second), text) << ratio.first << "/" << ratio.second;
}

// 音楽 is 1組's alone, from two records of 知識・技能: its rows follow the
// book's subjects, only 1組 has them, and 宇野's letter on the one record he
// sat while the class had two is listed as thin; the 通年 ones are not.
TEST(GradeSummary, SubjectsWithoutTestsAndThinLetters)
{
    auto first = CriterionClass("1組", {{"青木", {"AAA"}}, {"宇野", {"AAA"}}}, 1);
    first->Evaluation.Records.extra[0].name = "音楽";
    first->Evaluation.Records.Of(6, 0) = {test::Marks(0, {3, 3}), test::Marks(0, {1, kRecordAbsent})};
    auto second = CriterionClass("2組", {{"岡田", {"AAA"}}}, 1);
    const GradeSummary summary = SummarizeGrade({{"1.txt", first.get()}, {"2.txt", second.get()}}, 0);
    std::vector<std::string> rows;
    for (const SummaryRow& row : summary.rows)
        rows.push_back(row.subject + "/" + row.viewpoint);
    const std::string subject = first->SubjectTable[0][0];
    EXPECT_EQ(rows, (std::vector<std::string>{subject + "/" + first->SubjectTable[0][1], subject + "/" + first->SubjectTable[0][2],
                                              subject + "/" + first->SubjectTable[0][3], subject + "/評定",
                                              "音楽/知識・技能", "音楽/思考・判断・表現", "音楽/主体的に学習に取り組む態度",
                                              "音楽/評定"}));
    EXPECT_EQ(summary.rows[4].classes, (std::vector<std::optional<Tally>>{T(1, 1, 0, 0), kNoRow}));
    const std::vector<SummaryStudent> students{
        {0, 0, "", "音楽", StudentConcern::NoEvaluation, "思考・判断・表現、主体的に学習に取り組む態度"},
        {0, 2, "宇野", "音楽", StudentConcern::ThinEvidence, "知識・技能"}};
    EXPECT_EQ(summary.students, students);
    EXPECT_EQ(ConcernText(students[1]), "根拠が少ない評価（知識・技能）");
}

} // namespace
} // namespace miravel::testing
