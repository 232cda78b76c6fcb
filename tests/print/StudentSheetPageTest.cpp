// The per-student sheet read through its layout data: the letters are the
// views' own, one page per named student.

#include "mainwindow/views/GradeViews.h"
#include "mainwindow/views/GridBase.h"
#include "print/StudentSheetPage.h"
#include "support/Books.h"

#include <gtest/gtest.h>

#include <memory>

namespace miravel::test {
namespace {

const PrintArea kA4Portrait{11186, 16118};

// Numbers 1..5, number 3 transferred out; 国語 has averages in every period
// and counts that give each letter, 算数 in the second semester only.
std::unique_ptr<GradeBook> SheetBook()
{
    auto book = ClassBook({"青木 一郎", "井上", "", "江藤", "小野寺 久美子 様"});
    const float values[kPeriods][kStudents] = {{80, 72.5f, 0, 60, 10}, {55, 90, 0, 10072, 40}, {1, 2, 0, 3, 4}};
    for (int p = 0; p < kPeriods; ++p)
        for (int v = 0; v < kViewpoints; ++v) {
            const int slot = p == kYearRoundPeriod ? YearRoundSlot(0, v) : SemesterSummarySlot(p, 0, v);
            for (int n = 0; n < 5; ++n)
                book->Scores[slot][n] = values[(p + v) % 3][n];
            book->Scores[slot][kAverageColumn] = 50;
            book->RankCountA[p][v] = static_cast<Integer>(1 + v % 2);
            book->RankCountC[p][v] = 1;
        }
    book->Scores[SemesterSummarySlot(1, 1, 0)][0] = 30;
    book->Scores[SemesterSummarySlot(1, 1, 0)][kAverageColumn] = 30;
    return book;
}

std::string TextAt(const Page& page, SheetPoint at)
{
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item); text && text->x == at.x && text->y == at.y)
            return text->text;
    return "";
}

bool HasText(const Page& page, const std::string& wanted)
{
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item); text && text->text.find(wanted) != std::string::npos)
            return true;
    return false;
}

TEST(StudentSheetPage, LettersAreThoseOfTheViews)
{
    auto book = SheetBook();
    const PageDocument pages = LayoutStudentSheets(GatherStudentSheets(*book, NamedStudents(*book)), "", kA4Portrait);
    ASSERT_EQ(pages.size(), 4u);
    auto pane = std::make_unique<TablePane>();
    int lettersSeen = 0;
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < kPeriods; ++p) {
            book->CurrentSubject = static_cast<Integer>(s);
            book->CurrentSemester = static_cast<Integer>(p % kSemesters);
            MSFlexGrid1_init(*book, pane->Grid);
            (p == kYearRoundPeriod ? ShowYearRoundView : ShowSemesterView)(*book, *pane);
            int page = 0;
            for (int n : {1, 2, 4, 5}) {
                for (int v = 0; v < kViewpoints; ++v) {
                    const std::string letter = pane->Grid.TextMatrix(n, 3 * v + 4);
                    EXPECT_EQ(TextAt(pages[page], SheetLetterPoint(s, v, p)), letter) << n << " " << s << p << v;
                    lettersSeen += !letter.empty();
                }
                ++page;
            }
        }
    EXPECT_EQ(lettersSeen, 4 * 3 * kPeriods + 1);  // 国語 everywhere, 算数 once
}

TEST(StudentSheetPage, OnePagePerNamedStudentInTheOrderAsked)
{
    auto book = SheetBook();
    book->CurrentSubject = 4;
    const PageDocument pages = LayoutStudentSheets(GatherStudentSheets(*book, {5, 3, 1}), "2025/07/18", kA4Portrait);
    ASSERT_EQ(pages.size(), 2u);  // number 3 has no name
    EXPECT_TRUE(HasText(pages[0], "出席番号 5　　小野寺 久美子 様"));
    EXPECT_TRUE(HasText(pages[1], "青木 一郎"));
    EXPECT_FALSE(pages[0].landscape);
    EXPECT_TRUE(HasText(pages[1], "(50.0)"));  // the class average beside the student's own
    EXPECT_EQ(book->CurrentSubject, 4);         // the selection is left as it was
}

} // namespace
} // namespace miravel::test
