// Ranking of the test view's total column by its texts.

#include "core/TextRules.h"
#include "grades/CellRules.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

#include <vector>

namespace miravel {
namespace {

using testing::ColumnTexts;
using testing::MakeClassOf;

constexpr int kTotalCol = 5;
constexpr int kRankCol = 6;

std::string RankTotals(GradeBook& book, const std::vector<std::string>& totals)
{
    TextGrid grid(book.StudentCount + 3, 15);
    for (int row = 1; row <= book.StudentCount; ++row) {
        grid.SetTextMatrix(row, kTotalCol, totals[row - 1]);
        grid.SetTextMatrix(row, kRankCol, "old");
    }
    RankText(book, grid, kTotalCol, kRankCol);
    return ColumnTexts(book, grid, kRankCol);
}

TEST(RankText, CompetitionRanks)
{
    auto book = MakeClassOf(4);
    EXPECT_EQ(RankTotals(*book, {" 95", " 88", " 88", " 70"}), " 1| 2| 2| 4");
    EXPECT_EQ(RankTotals(*book, {" 70", " 88", " 95", " 88"}), " 4| 2| 1| 2");
}

TEST(RankText, AbsentAndEmptyTotalsAreSkipped)
{
    auto book = MakeClassOf(5);
    EXPECT_EQ(RankTotals(*book, {"*", " 0", "", " 50", "*"}), "| 2|| 1|");
    EXPECT_EQ(RankTotals(*book, {"*", "", "*", "", ""}), "||||");
}

TEST(RankText, NoNamesNoRanks)
{
    auto book = MakeClassOf(2);
    book->StudentNames[0].clear();
    book->StudentNames[1].clear();
    EXPECT_EQ(RankTotals(*book, {" 10", " 20"}), "|");
}

} // namespace
} // namespace miravel
