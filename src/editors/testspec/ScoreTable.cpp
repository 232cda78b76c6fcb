#include "editors/testspec/ScoreTable.h"

#include "core/TextRules.h"
#include "editors/testspec/TestSpecTexts.h"
#include "grades/CellRules.h"
#include "grades/GridBase.h"

namespace miravel {

namespace texts = testspec_texts;

namespace {

constexpr int kScrollBarRoom = 360;

bool IsScoreText(const std::string& text) { return !text.empty() && text != "*"; }

} // namespace

ScoreColumnWidths ScoreTableColumnWidths(int tableWidth)
{
    const int left = tableWidth - kNumberColumnWidth - kNameColumnWidth;
    const int score = static_cast<int>(RoundHalfEven(left / 5.0));
    const int rank = static_cast<int>(RoundHalfEven(left - 4.0 * score - kScrollBarRoom));
    return {score, rank};
}

void LayoutScoreTable(const GradeBook& book, TextGrid& grid, int baseSlot, int tableWidth)
{
    grid.SetRows(kScoreTableRows);
    grid.SetCols(kScoreTableCols);
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 0, texts::kNumberHeader);
    grid.SetTextMatrix(0, 1, texts::kNameHeader);

    for (int row = 1; row <= ClassAverageRow(book); row += 2)
        for (int col = 0; col < kScoreTableCols; ++col)
            grid.SetCellBackColour(row, col, kStripeColour);

    // Every attendance number has its row, whatever the roster length.
    for (int n = 1; n <= kStudents; ++n) {
        grid.SetTextMatrix(n, 0, Str(n));
        grid.SetTextMatrix(n, 1, book.StudentNames[n - 1]);
    }
    grid.SetTextMatrix(kStudents + 1, 0, "");
    grid.SetTextMatrix(kStudents + 1, 1, "");

    const ScoreColumnWidths widths = ScoreTableColumnWidths(tableWidth);
    const char* headers[] = {nullptr, nullptr, nullptr, texts::kTotalHeader, texts::kRankHeader};
    for (int col = kFirstViewpointColumn; col < kScoreTableCols; ++col) {
        grid.SetColWidth(col, col == kRankColumn ? widths.rank : widths.score);
        grid.SetColAlignment(col, Alignment::RightCenter);
        const int k = col - kFirstViewpointColumn;
        grid.SetTextMatrix(0, col, k < kViewpoints ? book.SubjectTable[book.CurrentSubject][k + 1] : headers[k]);
    }

    for (int n = 1; n <= book.StudentCount; ++n)
        for (int k = 0; k < kParts; ++k)
            ScoreToCell(grid, n, kFirstViewpointColumn + k, RoundToInteger(book.Scores[baseSlot + k][n - 1]));
}

void ScoreToCell(TextGrid& grid, int row, int col, Integer value)
{
    // The grid leaves a cell alone when its text does not change.
    if (value == -1)
        grid.SetTextMatrix(row, col, "");
    else if (value == -2)
        grid.SetTextMatrix(row, col, "*");
    else
        grid.SetTextMatrix(row, col, Str(value));
}

Single CellValue(const std::string& text)
{
    if (text.empty())
        return kNoValue;
    if (text == "*")
        return kAbsent;
    return static_cast<Single>(LeadingNumber(text));
}

void CellToScore(GradeBook& book, int slot, int scoreColumn, const TextGrid& grid, int row, int col)
{
    book.Scores[slot][scoreColumn] = CellValue(grid.TextMatrix(row, col));
}

void RecomputeAveragesAndRanks(GradeBook& book, TextGrid& grid)
{
    const int averageRow = ClassAverageRow(book);
    book.ExamineeCount = 0;
    for (int col = kFirstViewpointColumn; col <= kTotalColumn; ++col) {
        // Scores read from a file may reach 32767 each: the sum needs room.
        long long sum = 0;
        int count = 0;
        for (int row = 1; row <= book.StudentCount; ++row) {
            const std::string& text = grid.TextMatrix(row, col);
            if (!IsScoreText(text))
                continue;
            sum += static_cast<long long>(LeadingNumber(text));
            ++count;
        }
        if (count > 0) {
            grid.SetTextMatrix(averageRow, col, OneDecimal(static_cast<double>(sum) / count));
            book.ExamineeCount = static_cast<Integer>(count);
        } else {
            // A column whose scores were all removed has no average any more.
            grid.SetTextMatrix(averageRow, col, "");
        }
    }

    RankText(book, grid, kTotalColumn, kRankColumn);
    // An absent student's rank cell shows the absence, as the total does.
    for (int row = 1; row <= book.StudentCount; ++row)
        if (grid.TextMatrix(row, kTotalColumn) == "*")
            grid.SetTextMatrix(row, kRankColumn, "*");
}

void EmptyViewpointColumn(const GradeBook& book, TextGrid& grid, int k)
{
    const int col = kFirstViewpointColumn + k;
    for (int row = 1; row <= ClassAverageRow(book); ++row)
        grid.SetTextMatrix(row, col, "");
}

} // namespace miravel
