#pragma once
// The report notes' fields of a hand-off row: the texts with their line
// breaks as the profile says, the days as plain digits, 行動 as the profile's
// mark or empty.

#include "core/GradeBook.h"
#include "file/HandoffProfile.h"

#include <string>

namespace miravel {

// The notes' period 1..3 of a hand-off period: semesters 0..2 are periods
// 1..3; 通年 (kYearRoundPeriod) writes the notes of the book's last term.
int NotesPeriodOf(const GradeBook& book, int handoffPeriod);

// Student `n`'s value of note column `column` (a NoteColumn) in `period`
// 1..3. 授業日数 and the days derived from it are empty while it is not
// entered.
std::string NoteFieldText(const GradeBook& book, int period, const HandoffProfile& profile, int column, int n);

} // namespace miravel
