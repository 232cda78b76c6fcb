#pragma once
// The printed per-student sheet (個人成績表), A4 portrait, for a parent to
// read: the title with the periods and the date, the labelled class, number,
// name and teacher; a table of the recorded subjects with each viewpoint's
// figure and letter per period (and the 評定); why an evaluation is missing;
// the tests of those periods in two columns; the legend; blank 所見 and 出欠
// boxes. Everything black. A test list too long for the first page goes on
// to a second one. Plain data, drawn by the one page painter.

#include "grades/StudentSheets.h"
#include "print/PageLayout.h"
#include "print/TablePage.h"

#include <string>

namespace miravel {

// Rows of a subject block: the three viewpoints, then the 評定.
constexpr int kSheetGradeRow = kViewpoints;

// The pages of every student of `sheets`, in their order: one each, two for
// a student whose tests do not fit on the first. `dateText` is printed as it
// is (the caller writes it in the era).
PageDocument LayoutStudentSheets(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area);

// Where the sheet puts the letter of `row` (a viewpoint, or kSheetGradeRow
// for the 評定) of subject `subject` in its `column`-th period column: the
// corner of that text, so readers of the layout can find it. Only recorded
// subjects have a place.
struct SheetPoint {
    int x = 0;
    int y = 0;
};
SheetPoint SheetLetterPoint(const ClassSheets& sheets, const PrintArea& area, int subject, int row, int column);

} // namespace miravel
