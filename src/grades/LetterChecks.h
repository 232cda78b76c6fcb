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

// For each subject and period with registered tests: the named students
// left without any letter in it, by reason: absent from every assessed test
// part (すべて欠席), or without a score (得点なし).
std::vector<GradeFinding> CheckMissingEvaluations(const GradeBook& book);

// In criterion mode: a 評定 of 3 given with a C among its letters, or 1 with
// an A, per period and subject.
std::vector<GradeFinding> CheckGradeExtremes(GradeBook& book);

// The named students whose letters or 評定 differ between `before` (a record
// kept earlier; empty when none was kept) and `now`, one line each naming
// what changed.
std::vector<GradeFinding> CheckChangedLetters(const GradeBook& book, const std::vector<std::string>& before,
                                              const std::vector<std::string>& now);

// Everything the check list shows, in this order: the score checks, the
// students without an evaluation, the 評定 against its letters, the letters
// resting on too little (grades/EvidenceChecks.h), and the
// letters changed since the record saved with the book (not the letters the
// window saw last, which are only written with the next save). The window,
// its 再確認 and --check-grades all read this one list.
std::vector<GradeFinding> CheckGrades(GradeBook& book);

} // namespace miravel
