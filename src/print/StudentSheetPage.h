#pragma once
// The printed per-student sheet (個人成績表): one A4 portrait page per
// student with the class caption, the student's number and name, and for
// each subject a block of its viewpoints' averages and letters per period,
// the class averages beside them in smaller type and the 評定 per period.
// Plain data, drawn by the one page painter.

#include "grades/StudentSheets.h"
#include "print/PageLayout.h"
#include "print/TablePage.h"

#include <string>

namespace miravel {

// Rows of a subject block: the three viewpoints, then the 評定.
constexpr int kSheetGradeRow = kViewpoints;

// One page per student of `sheets`, in their order.
PageDocument LayoutStudentSheets(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area);

// Where the block of subject `subject` puts the letter of `row` (a viewpoint,
// or kSheetGradeRow for the 評定) in its `column`-th shown period: the
// corner of that text, so readers of the layout can find it.
struct SheetPoint {
    int x = 0;
    int y = 0;
};
SheetPoint SheetLetterPoint(int subject, int row, int column);

} // namespace miravel
