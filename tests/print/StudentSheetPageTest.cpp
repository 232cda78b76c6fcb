// The per-student sheet read through its data and layout: letters and 評定
// are the evaluation list's, figures, tests and reasons are the student's,
// one page per named student unless the tests run over.

#include "core/EvaluationRules.h"
#include "grades/EvaluationList.h"
#include "print/StudentSheetPage.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

const PrintArea kA4Portrait{11186, 16118};

// A registered test of subject s: per viewpoint the full marks (0: not
// assessed), the class average and the points of numbers 1, 2, ...
void AddTest(GradeBook& book, int m, int s, int t, const std::string& date, std::vector<std::array<float, 4>> parts)
{
    book.SlotTitles[TestSlot(m, s, t, 0)][0] = date;
    book.SlotTitles[TestSlot(m, s, t, 0)][1] = " 漢字 ";
    for (int v = 0; v < kViewpoints && v < static_cast<int>(parts.size()); ++v) {
        auto& slot = book.Scores[TestSlot(m, s, t, v)];
        if (parts[v][0] > 0)
            slot[kFullMarksColumn] = parts[v][0], slot[kAverageColumn] = parts[v][1], slot[0] = parts[v][2],
            slot[1] = parts[v][3];
    }
}

// Numbers 1..5, number 3 transferred out; 国語 has averages in every period
// and counts that give each letter, 算数 one in the second semester.
std::unique_ptr<GradeBook> SheetBook()
{
    auto book = ClassBook({"青木 一郎", "井上", "", "江藤", "小野寺 久美子 様"});
    const float values[3][5] = {{80, 72.5f, 0, 60, 10}, {55, 90, 0, 10072, 40}, {1, 2, 0, 3, 4}};
    for (int p = 0; p < kPeriods; ++p)
        for (int v = 0; v < kViewpoints; ++v) {
            const int slot = p == kYearRoundPeriod ? YearRoundSlot(0, v) : SemesterSummarySlot(p, 0, v);
            for (int n = 0; n < 5; ++n)
                book->Scores[slot][n] = values[(p + v) % 3][n];
            book->Scores[slot][kAverageColumn] = static_cast<float>(50 + v);
            book->RankCountA[p][v] = static_cast<Integer>(1 + v % 2);
            book->RankCountC[p][v] = 1;
            book->Scores[TestSlot(p % 3, 0, 0, v)][kAverageColumn] = 50;
        }
    book->Scores[SemesterSummarySlot(1, 1, 0)][0] = book->Scores[SemesterSummarySlot(1, 1, 0)][kAverageColumn] = 30;
    book->Scores[TestSlot(1, 1, 0, 0)][kAverageColumn] = 30;
    return book;
}

// The texts of a page that start at `at`, or "" (several when they overlap).
std::string TextAt(const Page& page, SheetPoint at)
{
    std::string found;
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item); text && text->x == at.x && text->y == at.y)
            found += text->text;
    return found;
}

TEST(StudentSheetPage, LettersAndGradesAreThoseOfTheEvaluationListAndClassAveragesTheirViewpoints)
{
    auto book = SheetBook();
    const ClassSheets sheets = GatherStudentSheets(*book, NamedStudents(*book));
    const PageDocument pages = LayoutStudentSheets(sheets, "", kA4Portrait);
    ASSERT_EQ(pages.size(), 4u);
    int shown = 0;
    const int numbers[] = {1, 2, 4, 5};
    for (int p = 0; p < kPeriods; ++p) {
        const std::vector<StudentEvaluation> list = EvaluatePeriod(*book, p);
        for (int page = 0; page < 4; ++page)
            for (int s = 0; s < 2; ++s)
                for (int row = 0; row <= kSheetGradeRow; ++row) {
                    const StudentEvaluation& one = list[numbers[page] - 1];
                    const std::string& want = row < kViewpoints ? one.letters[s][row] : one.grades[s];
                    EXPECT_EQ(TextAt(pages[page], SheetLetterPoint(sheets, kA4Portrait, s, row, p)), want) << s << p;
                    shown += !want.empty();
                }
    }
    EXPECT_EQ(shown, 4 * 4 * kPeriods + 2);  // 国語 everywhere, 算数 once for number 1
    for (int v = 0; v < kViewpoints; ++v)
        EXPECT_EQ(sheets.students[0].subjects[0].viewpoints[v].marks[2].classAverage, std::to_string(50 + v) + ".0");
}

TEST(StudentSheetPage, TwoTermCriterionSheetUpToAPeriod)
{
    auto book = ClassBook({"青木", "井上"}, {"2026", "1年", "2組", "山田"});
    ApplyTerms(*book, 2);
    book->Evaluation.Mode = EvaluationMode::Criterion;
    // 表現 26/30, 17/20 and 42/50 is 85 % of the full marks; 理解 2/3.
    AddTest(*book, 0, 0, 0, "2025/06/19", {{30, 18, 26, -2}, {3, 1.5f, 2, -2}});
    AddTest(*book, 0, 0, 1, "2025/05/10", {{20, 11, 17, 10}});
    AddTest(*book, 0, 0, 2, "", {{50, 30, 42, 25}});
    AddTest(*book, 0, 1, 0, "2025/07/01", {{10, 5, 5, -2}, {10, 6, 6, -2}, {10, 7, 7, -2}});
    AddTest(*book, 0, 1, 1, "", {{10, 5, 5, -1}});  // number 2: absent once and unscored once
    book->Scores[TestSlot(0, 1, 0, 2)][kFullMarksColumn] = -1;  // counts as 100
    AddTest(*book, 2, 0, 0, "2026/01/10", {{10, 5, 5, 5}});  // a third term the book no longer shows
    EXPECT_EQ(SheetPeriods(*book, kYearRoundPeriod), (std::vector<int>{0, 1, kYearRoundPeriod}));
    EXPECT_EQ(LatestSheetPeriod(*book), 0);
    const ClassSheets sheets = GatherStudentSheets(*book, {1, 2});
    EXPECT_EQ(sheets.periods, std::vector<int>{0});
    EXPECT_EQ(sheets.title, "個人成績表（前期まで）");
    EXPECT_EQ(sheets.unrecorded, "記録のない教科：理科・社会・家庭・体育");
    const SheetSubject& first = sheets.students[0].subjects[0];
    EXPECT_EQ(first.viewpoints[0].marks[0].figure + first.viewpoints[0].marks[0].letter, "85.0A");
    EXPECT_EQ(first.viewpoints[1].marks[0].figure + first.viewpoints[1].marks[0].letter, "66.6B");
    ASSERT_EQ(first.tests.size(), 3u);  // by date, the undated last
    EXPECT_EQ(first.tests[0].date + first.tests[1].date + first.tests[2].date, "5月10日6月19日");
    EXPECT_EQ(first.tests[1].title, "漢字");
    EXPECT_EQ(first.tests[1].parts[0].points + first.tests[1].parts[0].classAverage, "26/3018.0");
    EXPECT_EQ(first.tests[1].parts[1].points + first.tests[1].parts[1].classAverage, "2/31.5");
    EXPECT_EQ(first.tests[1].parts[2].points, "");
    EXPECT_EQ(sheets.students[0].subjects[1].tests[0].parts[2].points, "7/100");
    EXPECT_EQ(sheets.students[1].subjects[0].viewpoints[0].marks[0].figure, "*50.0");
    EXPECT_EQ(sheets.students[1].subjects[0].tests[1].parts[0].points, "欠席");
    EXPECT_EQ(sheets.students[1].missing, (std::vector<std::string>{"国語（理解）：前期の試験をすべて欠席",
                                                                   "国語（言語）：前期はこの観点の試験がありません",
                                                                   "算数（表・処・知・理）：前期の試験をすべて欠席",
                                                                   "算数（思考）：前期の得点が記録されていません"}));
    EXPECT_EQ(GatherStudentSheets(*book, {1}, kYearRoundPeriod).students[0].subjects[0].tests.size(), 3u);
}

TEST(StudentSheetPage, ParentHeaderAndAPageMoreOnlyForALongTestList)
{
    auto book = SheetBook();
    const PageDocument one = LayoutStudentSheets(GatherStudentSheets(*book, {5, 3}), "令和8年12月7日", kA4Portrait);
    ASSERT_EQ(one.size(), 1u);  // number 3 has no name
    std::string texts;
    for (const PageItem& item : one[0].items)
        texts += std::holds_alternative<PageText>(item) ? std::get<PageText>(item).text + "|" : "";
    for (const char* part : {"|学級|2024 3年1組|出席番号|5|氏名|小野寺 久美子 様|担任|山田|", "令和8年12月7日|", "所見|出欠"})
        EXPECT_NE(texts.find(part), std::string::npos) << part << "\n" << texts;
    EXPECT_EQ(texts.find("生徒数"), std::string::npos);
    for (int s = 0; s < kSubjects; ++s)
        for (int m = 0; m < kSemesters; ++m)
            for (int t = 0; t < kTests; ++t)
                AddTest(*book, m, s, t, "2025/06/19", {{30, 18, 26, 20}});
    EXPECT_EQ(LayoutStudentSheets(GatherStudentSheets(*book, {1}), "", kA4Portrait).size(), 2u);
    EXPECT_EQ(EraDate(2026, 12, 7) + EraDate(2019, 5, 1) + EraDate(2019, 4, 30), "令和8年12月7日令和元年5月1日平成31年4月30日");
}

} // namespace
} // namespace miravel::test
