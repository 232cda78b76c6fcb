#pragma once
// The checks of the check list that look at the letters and 評定 of the
// evaluation list: a 評定 against its letters' extremes, and what changed
// since the list was last opened.

#include "core/GradeBook.h"
#include "grades/GradeChecks.h"

#include <string>
#include <vector>

namespace miravel {

// Every student's letters and 評定 as the evaluation list gives them, one
// text per attendance number 1..40: per period (the semesters, then 通年),
// per subject, the three letters and the 評定, "-" for none. Numbers without
// a name are all "-".
std::vector<std::string> RecordLetters(GradeBook& book);

// In criterion mode: a 評定 of 3 given with a C among its letters, or 1 with
// an A, per period and subject.
std::vector<GradeFinding> CheckGradeExtremes(GradeBook& book);

// The named students whose letters or 評定 differ between `before` (a record
// kept earlier; empty when none was kept) and `now`, one line each naming
// what changed.
std::vector<GradeFinding> CheckChangedLetters(const GradeBook& book, const std::vector<std::string>& before,
                                              const std::vector<std::string>& now);

// Everything the check list shows: the score checks, then the two above
// against the record the book keeps.
std::vector<GradeFinding> CheckGrades(GradeBook& book);

} // namespace miravel
