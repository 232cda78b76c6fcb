#pragma once
// The test editor's score table: its working copy of one test. One row per
// attendance number with the three viewpoint scores, their total and the
// rank, a gap row and the class-average row below the roster.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <cstdint>
#include <string>

namespace miravel {

constexpr int kScoreTableRows = 43;
constexpr int kScoreTableCols = 7;
constexpr int kFirstViewpointColumn = 2;   // viewpoint k lives in column 2 + k
constexpr int kTotalColumn = 5;
constexpr int kRankColumn = 6;
constexpr std::uint32_t kStripeColour = 0xFFFFE0;  // every other row, from row 1

// Row of the class averages: one gap row below the roster.
inline int ClassAverageRow(const GradeBook& book) { return book.StudentCount + 2; }

// Widths of columns 2..6 for a table `tableWidth` twips wide: five equal
// shares of what columns 0 and 1 leave, the rank column giving up room for
// the scroll bar.
struct ScoreColumnWidths {
    int score;
    int rank;
};
ScoreColumnWidths ScoreTableColumnWidths(int tableWidth);

// Lays the table out and fills it from the test whose viewpoint 1 is
// `baseSlot`. Ranks and averages are left to RecomputeAveragesAndRanks.
void LayoutScoreTable(const GradeBook& book, TextGrid& grid, int baseSlot, int tableWidth);

// -1 empty, -2 "*", anything else the number with its sign position (" 85").
void ScoreToCell(TextGrid& grid, int row, int col, Integer value);

// The stored value of a cell: -1 empty, -2 "*", else its leading number.
Single CellValue(const std::string& text);

// Stores CellValue of cell (row, col) into Scores[slot][scoreColumn].
void CellToScore(GradeBook& book, int slot, int scoreColumn, const TextGrid& grid, int row, int col);

// The class-average row and the ranks, after any change of a student row.
// Sets ExamineeCount to the count of the last column with any score.
void RecomputeAveragesAndRanks(GradeBook& book, TextGrid& grid);

// Empties viewpoint k's column in every row of the roster, the gap and the
// class averages (a viewpoint the test does not assess).
void EmptyViewpointColumn(const GradeBook& book, TextGrid& grid, int k);

} // namespace miravel
