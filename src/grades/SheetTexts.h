#pragma once
// The sentences of the student sheet that explain its figures: the footer
// legend, a subject's cut percentages, why an evaluation is missing, and
// dates as a parent reads them.

#include "core/GradeBook.h"

#include <string>
#include <vector>

namespace miravel {

// Why a viewpoint of a period has no letter, from the student's test parts.
enum class MissingReason { NoTest, AllAbsent, NoPoints, NotEvaluated };

// The reason for student `number` (1-based), subject s, viewpoint v over the
// semesters of `period` (all shown ones for 通年).
MissingReason ReasonOfMissing(const GradeDocument& book, int number, int s, int v, int period);

// One missing evaluation on the sheet.
struct MissingMark {
    int subject = 0;
    int viewpoint = 0;
    int period = 0;
    MissingReason reason = MissingReason::NoTest;
};

// Lines such as "算数：前期の試験をすべて欠席": one per subject and reason,
// naming the viewpoints unless all three share it and the periods, which
// become "1年間" when they are every column of the sheet.
std::vector<std::string> MissingLines(const GradeDocument& book, const std::vector<MissingMark>& marks,
                                      const std::vector<int>& periods);

// Subject s's cut percentages: "評価の基準（得点率）　A：80%以上　B：50%以上80%未満　C：50%未満",
// or per viewpoint when they differ.
std::string CutText(const GradeDocument& book, int s);

// The footer legend of the sheets, for the subjects recorded and periods shown.
std::vector<std::string> SheetLegend(const GradeDocument& book, const std::vector<int>& periods,
                                     const std::vector<int>& recordedSubjects, bool grades);

// A test's date text as "6月19日" when it reads as year/month/day, else
// trimmed as typed.
std::string SheetTestDate(const std::string& dateText);

// A text without the blanks (ASCII or ideographic) at either end.
std::string TrimBlanks(const std::string& text);

} // namespace miravel
