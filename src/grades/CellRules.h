#pragma once
// Cell writers, ranking and the A/B/C letter shared by the grade views.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <array>
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

// How letters are given in one evaluated column: the period, subject and
// viewpoint it belongs to, the A and C counts (-1 = not set) and the base
// the C count is taken from.
struct LetterRule {
    int period;
    int subject;
    int viewpoint;
    int countA;
    int countC;
    int base;
};

// The rule of an evaluated view column, with the counts stored in the book.
LetterRule StoredLetterRule(const GradeBook& book, const EvaluationTarget& target);

// The one place that says which letter ("A", "B" or "C") student
// `attendanceNumber` gets in a column, given the student's shared rank: by
// the counts, or in criterion mode by the book's criteria (CriterionLetter,
// empty without a test). The views and the distribution graphs both ask here.
std::string StudentLetter(const GradeBook& book, int attendanceNumber, int rank, const LetterRule& rule);

// What one student gets in a ranked column: rank 0 and no letter for a
// number without a name, without a value or absent.
struct StudentGrade {
    int rank = 0;
    std::string letter;
};
using ColumnGrades = std::array<StudentGrade, kStudents>;

// Competition ranking (1, 2, 2, 4) of the named students' values of a
// summary slot part, on the values as shown (one decimal, absence mark
// removed); every ranked student gets a letter when `rule` is given.
ColumnGrades GradeColumn(const GradeBook& book, int slot, const LetterRule* rule);

// Ranks the named students' values of a summary slot part into rankColumn
// and, when evaluation is given, writes their letters. Ranks nothing while
// the part's class average is below 0 (nothing registered).
void RankNumeric(GradeBook& book, TextGrid& grid, int slot, int rankColumn, const EvaluationTarget* evaluation);

// Ranks the texts of totalColumn into rankColumn (the test view), skipping
// empty and "*" cells. Uses TestEntryValues.
void RankText(GradeBook& book, TextGrid& grid, int totalColumn, int rankColumn);

} // namespace miravel
