// The score table of the test editor as plain data: layout and fill from
// the grade book, the cell texts of scores, the class averages and the ranks.

#include "editors/testspec/ScoreTable.h"

#include "support/Books.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace miravel::test {
namespace {

std::vector<std::string> Names(int count)
{
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n)
        names.push_back("生徒" + std::to_string(n));
    return names;
}

// A built table of `count` named students with the given totals in column 5.
struct Table {
    explicit Table(int count) : book(ClassBook(Names(count)))
    {
        LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    }
    void totals(const std::vector<std::string>& texts)
    {
        for (std::size_t i = 0; i < texts.size(); ++i)
            grid.SetTextMatrix(static_cast<int>(i) + 1, kTotalColumn, texts[i]);
    }
    std::unique_ptr<GradeBook> book;
    TextGrid grid{0, 0};
};

TEST(ScoreTable, CellTextsOfScoresAndBack)
{
    struct Case {
        Integer value;
        const char* text;
    };
    const Case cases[] = {{85, " 85"}, {0, " 0"}, {-1, ""}, {-2, "*"}, {100, " 100"}};
    TextGrid grid(3, 3);
    for (const Case& c : cases) {
        ScoreToCell(grid, 1, 1, c.value);
        EXPECT_EQ(grid.TextMatrix(1, 1), c.text) << c.value;
        EXPECT_FLOAT_EQ(CellValue(c.text), c.value) << c.text;
    }
    // An unchanged text leaves the cell alone.
    const auto revision = grid.Revision();
    ScoreToCell(grid, 1, 1, 100);
    EXPECT_EQ(grid.Revision(), revision);

    EXPECT_FLOAT_EQ(CellValue("72.5"), 72.5f);
    EXPECT_FLOAT_EQ(CellValue(" 8 5"), 85.0f);
}

TEST(ScoreTable, LayoutStripesNamesAndStoredScores)
{
    Table table(30);
    GradeBook& book = *table.book;
    const int base = TestSlot(1, 2, 3, 0);
    book.CurrentSubject = 2;
    book.StudentNames[39] = "四十番";
    book.Scores[base + 0][0] = 85;
    book.Scores[base + 1][0] = kAbsent;
    book.Scores[base + 2][1] = 72.5f;   // halves go to the even neighbour
    book.Scores[base + 3][1] = 73.5f;
    book.Scores[base + 0][31] = 50;     // past the roster: not loaded
    TextGrid grid(0, 0);
    LayoutScoreTable(book, grid, base, 7800);

    ASSERT_EQ(grid.Rows(), 43);
    ASSERT_EQ(grid.Cols(), 7);
    const std::vector<std::string> header = {"No.", "生徒氏名", "思考", "観・実", "知・理", "合計点", "順位"};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(grid.TextMatrix(0, col), header[static_cast<std::size_t>(col)]);
    const int widths[] = {400, 1600, 1160, 1160, 1160, 1160, 800};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << col;
    EXPECT_EQ(grid.ColAlignment(6), Alignment::RightCenter);

    // Odd rows up to the class-average row 32 are tinted.
    for (int row = 1; row <= 42; ++row)
        EXPECT_EQ(grid.CellBackColour(row, 4), row % 2 == 1 && row <= 32 ? kStripeColour : kDefaultCellColour) << row;

    EXPECT_EQ(grid.TextMatrix(40, 0), " 40");
    EXPECT_EQ(grid.TextMatrix(40, 1), "四十番");
    EXPECT_EQ(grid.TextMatrix(41, 0), "");
    EXPECT_EQ(grid.TextMatrix(1, 2), " 85");
    EXPECT_EQ(grid.TextMatrix(1, 3), "*");
    EXPECT_EQ(grid.TextMatrix(1, 4), "");
    EXPECT_EQ(grid.TextMatrix(2, 4), " 72");
    EXPECT_EQ(grid.TextMatrix(2, 5), " 74");
    EXPECT_EQ(grid.TextMatrix(32, 2), "");
    EXPECT_EQ(grid.TextMatrix(2, 6), "");
}

TEST(ScoreTable, ClassAveragesSkipAbsentAndEmptyCells)
{
    Table table(30);
    const char* firstViewpoint[] = {" 80", " 75", "*", ""};
    for (int row = 1; row <= 4; ++row)
        table.grid.SetTextMatrix(row, 2, firstViewpoint[row - 1]);
    table.totals({" 80", " 75", "*"});
    RecomputeAveragesAndRanks(*table.book, table.grid);
    EXPECT_EQ(table.grid.TextMatrix(32, 2), "77.5");
    EXPECT_EQ(table.grid.TextMatrix(32, 5), "77.5");
    EXPECT_EQ(table.grid.TextMatrix(32, 3), "");
    EXPECT_EQ(table.book->ExamineeCount, 2);
}

TEST(ScoreTable, ExamineeCountComesFromTheLastColumnWithValues)
{
    const struct {
        int total;      // rows with a total
        int expected;
    } cases[] = {{1, 1}, {0, 2}};
    for (const auto& c : cases) {
        Table table(4);
        for (int row = 1; row <= 3; ++row)
            table.grid.SetTextMatrix(row, 2, " 10");
        for (int row = 1; row <= 2; ++row)
            table.grid.SetTextMatrix(row, 4, " 20");
        for (int row = 1; row <= c.total; ++row)
            table.grid.SetTextMatrix(row, kTotalColumn, " 30");
        RecomputeAveragesAndRanks(*table.book, table.grid);
        EXPECT_EQ(table.book->ExamineeCount, c.expected) << c.total;
    }
}

TEST(ScoreTable, LargeStoredScoresDoNotWrapTheSum)
{
    Table table(3);
    for (int row = 1; row <= 3; ++row)
        table.grid.SetTextMatrix(row, 2, " 32767");
    RecomputeAveragesAndRanks(*table.book, table.grid);
    EXPECT_EQ(table.grid.TextMatrix(5, 2), "32767.0");
}

TEST(ScoreTable, ColumnWithoutScoresLosesItsAverage)
{
    Table table(3);
    table.grid.SetTextMatrix(1, 3, " 60");
    RecomputeAveragesAndRanks(*table.book, table.grid);
    ASSERT_EQ(table.grid.TextMatrix(5, 3), "60.0");
    table.grid.SetTextMatrix(1, 3, "");
    RecomputeAveragesAndRanks(*table.book, table.grid);
    EXPECT_EQ(table.grid.TextMatrix(5, 3), "");
}

TEST(ScoreTable, RanksShareTiesAndSkipAbsentAndEmpty)
{
    struct Case {
        int students;
        std::vector<std::string> totals;
        std::vector<std::string> ranks;
    };
    const Case cases[] = {
        {5, {" 250", " 230", " 230", " 200", "*"}, {" 1", " 2", " 2", " 4", "*"}},
        {5, {" 200", "", " 230", " 230", " 250"}, {" 4", "", " 2", " 2", " 1"}},
        {4, {" 0", " 0", "", "*"}, {" 1", " 1", "", "*"}},
        {3, {"", "", ""}, {"", "", ""}},
    };
    for (const Case& c : cases) {
        Table table(c.students);
        table.totals(c.totals);
        RecomputeAveragesAndRanks(*table.book, table.grid);
        for (std::size_t i = 0; i < c.ranks.size(); ++i)
            EXPECT_EQ(table.grid.TextMatrix(static_cast<int>(i) + 1, kRankColumn), c.ranks[i])
                << "row " << i + 1 << " of case starting " << c.totals[0];
    }
}

TEST(ScoreTable, EmptyingAViewpointColumnReachesTheClassAverages)
{
    Table table(40);
    for (int row = 1; row <= 42; ++row)
        table.grid.SetTextMatrix(row, 3, "x");
    EmptyViewpointColumn(*table.book, table.grid, 1);
    for (int row = 1; row <= 42; ++row)
        EXPECT_EQ(table.grid.TextMatrix(row, 3), "") << row;
    EXPECT_EQ(ClassAverageRow(*table.book), 42);
}

} // namespace
} // namespace miravel::test
