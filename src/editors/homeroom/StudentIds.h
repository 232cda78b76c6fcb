#pragma once
// The students' codes and accounts in the class editor's roster grid: two
// columns beside the names, filled from the settings file's [students]
// section and read back at registration.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <array>
#include <string>

namespace miravel {

constexpr int kCodeColumn = 2;
constexpr int kAccountColumn = 3;
constexpr int kRosterIdCols = 4;  // number, name, code, account

// Widens the roster grid by the code and account columns and fills them.
void AddStudentIdColumns(const GradeDocument& book, TextGrid& grid, int codeWidth, int accountWidth);

// Column `col` of the grid's rows 1..40.
std::array<std::string, kStudents> RosterColumn(const TextGrid& grid, int col);

} // namespace miravel
