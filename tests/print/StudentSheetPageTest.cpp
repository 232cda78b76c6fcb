// The per-student sheet read through its layout data: letters and 評定 are
// the evaluation list's, one page per named student.

#include "grades/EvaluationList.h"
#include "print/StudentSheetPage.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

const PrintArea kA4Portrait{11186, 16118};

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
            book->Scores[slot][kAverageColumn] = 50;
            book->RankCountA[p][v] = static_cast<Integer>(1 + v % 2);
            book->RankCountC[p][v] = 1;
        }
    book->Scores[SemesterSummarySlot(1, 1, 0)][0] = book->Scores[SemesterSummarySlot(1, 1, 0)][kAverageColumn] = 30;
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

TEST(StudentSheetPage, LettersAndGradesAreThoseOfTheEvaluationList)
{
    auto book = SheetBook();
    const PageDocument pages = LayoutStudentSheets(GatherStudentSheets(*book, NamedStudents(*book)), "", kA4Portrait);
    ASSERT_EQ(pages.size(), 4u);
    int shown = 0;
    const int numbers[] = {1, 2, 4, 5};
    for (int p = 0; p < kPeriods; ++p) {
        const std::vector<StudentEvaluation> list = EvaluatePeriod(*book, p);
        for (int page = 0; page < 4; ++page)
            for (int s = 0; s < kSubjects; ++s)
                for (int row = 0; row <= kSheetGradeRow; ++row) {
                    const StudentEvaluation& one = list[numbers[page] - 1];
                    const std::string& want = row < kViewpoints ? one.letters[s][row] : one.grades[s];
                    EXPECT_EQ(TextAt(pages[page], SheetLetterPoint(s, row, p)), want) << page << s << row << p;
                    shown += !want.empty();
                }
    }
    EXPECT_EQ(shown, 4 * 4 * kPeriods + 2);  // 国語 everywhere, 算数 once for number 1
}

TEST(StudentSheetPage, OnePagePerNamedStudentInTheOrderAsked)
{
    auto book = SheetBook();
    book->CurrentSubject = 4;
    const PageDocument pages = LayoutStudentSheets(GatherStudentSheets(*book, {5, 3, 1}), "2025/07/18", kA4Portrait);
    ASSERT_EQ(pages.size(), 2u);  // number 3 has no name; texts: date, title, caption, student
    EXPECT_EQ(std::get<PageText>(pages[0].items[3]).text, "出席番号 5　　小野寺 久美子 様");
    EXPECT_NE(std::get<PageText>(pages[1].items[3]).text.find("青木 一郎"), std::string::npos);
    EXPECT_FALSE(pages[0].landscape);
    EXPECT_EQ(book->CurrentSubject, 4);  // the selection is left as it was
}

} // namespace
} // namespace miravel::test
