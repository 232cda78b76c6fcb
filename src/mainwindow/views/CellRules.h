#pragma once
// Cell writers, ranking and the A/B/C letter shared by the grade views.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <string>

namespace miravel {

// A whole number: -1 empty, -2 "*", 10000 and up "*" with the number less
// 10000, anything else Str(value).
void WriteIntegerCell(TextGrid& grid, int row, int col, Integer value);

// An average with one decimal: exactly -1 empty, exactly -2 "*", 10000 and up
// "*" with the value less 10000.
void WriteAverageCell(TextGrid& grid, int row, int col, Single value);

// Where a ranked part also gets its A/B/C letter, and against which counts.
struct EvaluationTarget {
    int column;     // evaluation column of the grid
    int period;     // 0..2 semester, 3 year-round
    int subject;
    int viewpoint;
    int base;       // number the C count is taken from
};

// "A", "B" or "C" for a (shared) rank.
std::string EvaluationLetter(const GradeBook& book, int rank, const EvaluationTarget& target);

// Ranks the named students' values of a summary slot part into rankColumn
// and, when evaluation is given, writes their letters. Uses StudentTotals.
void RankNumeric(GradeBook& book, TextGrid& grid, int slot, int rankColumn, const EvaluationTarget* evaluation);

// Ranks the texts of totalColumn into rankColumn (the test view), skipping
// empty and "*" cells. Uses TestEntryValues.
void RankText(GradeBook& book, TextGrid& grid, int totalColumn, int rankColumn);

} // namespace miravel
