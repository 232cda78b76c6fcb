#pragma once
// The letter of the criterion mode, the 評定 rule and the term system, as
// plain functions over the grade book.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

// The letter of attendance number `student` (1-based) for subject s and
// viewpoint v over a period (0..2 a semester's ten tests, 3 all thirty):
// the points X and the full marks F (100 where a test part has none) summed
// over the test parts where the student has a score (absent and empty are
// skipped); "A" when 100·X >= a·F, "C" when 100·X < c·F, else "B"; empty
// when the student has no such test. The class's records of the viewpoint
// count beside the tests (core/RecordEvaluation.h); subjects 6..9 have
// records only.
std::string CriterionLetter(const GradeDocument& book, int student, int subject, int viewpoint, int period);

// The sums the criterion letter compares: X and F as above, whether any
// test part counted, and whether the student was absent from one.
struct CriterionSums {
    double points = 0;
    double fullMarks = 0;
    bool any = false;
    bool absent = false;
    int count = 0;  // test parts that counted
};
CriterionSums CriterionTotals(const GradeDocument& book, int student, int subject, int viewpoint, int period);

// The share 100·X/F with one decimal, cut down (not rounded) so the figure
// shown never passes a whole-percent cut the letter did not: 79.96 is
// "79.9", not "80.0" beside a B.
std::string CriterionShareText(const CriterionSums& sums);

// A subject's 評定 from the letters present among three ("A", "B", "C" or
// empty): "3", "2" or "1" by the mean with A=3, B=2, C=1 against the cut
// points; empty when no letter is present.
std::string SubjectGrade(const EvaluationSettings& settings, const std::string (&letters)[kViewpoints]);

// True when the grade level names grade 1 or 2 (its first digit, half- or
// full-width), which get no 評定.
bool GradeLevelWithoutGrades(const std::string& gradeLevel);

// Semester names of a term system: three terms use 一学期..三学期, two terms
// 前期 and 後期. Switching changes only names that are the other system's
// own, so names the teacher typed stay, and so do the tests' date texts that
// stand in for them; the third semester's data is kept.
void ApplyTerms(GradeDocument& book, int terms);

// The semesters shown for the book's term system (3 or 2).
int ShownSemesters(const GradeDocument& book);

} // namespace miravel
