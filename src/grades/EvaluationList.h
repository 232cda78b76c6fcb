#pragma once
// The evaluation list (評価の一覧) of a period: every student's letters of
// all 18 subject viewpoints and each subject's 評定, as the period's views
// give them in the book's mode.

#include "core/GradeBook.h"
#include "grades/TablePane.h"

#include <string>
#include <vector>

namespace miravel {

// 2 fixed columns and 4 per subject (three letters and the 評定) for the
// book's six subjects; each subject 7..10 in use adds four more.
constexpr int kEvaluationListColumns = 26;

// Subjects 0..5 are the book's, 6..9 those without tests (empty when unused).
struct StudentEvaluation {
    std::string letters[kRecordSubjects][kViewpoints];  // "A", "B", "C" or empty
    std::string grades[kRecordSubjects];                // "3", "2", "1" or empty
};

// The list's columns for the book: 26 and four per subject 7..10 in use.
int EvaluationListColumns(const GradeDocument& book);

// Entry n - 1 for attendance number n = 1..StudentCount, for period 0..2 (a
// semester) or 3 (通年). The letters are those the semester or year-round
// view shows; a number without a name has none. Subjects 7..10 in use are
// evaluated by the criteria from their records in either mode.
std::vector<StudentEvaluation> EvaluatePeriod(const GradeBook& book, int period);

// The semester's name, or "通年" for period 3.
std::string PeriodName(const GradeBook& book, int period);

// Draws the list of `period` into the pane: 26 columns, StudentCount + 2
// rows (two header rows), and sets ShownColumnCount.
void ShowEvaluationListView(GradeBook& book, TablePane& pane, int period);

} // namespace miravel
