#pragma once
// The table a records node shows in the main window: a subject's 平常の記録
// in one period, students as rows and records as columns, read-only (the
// grid window edits them).

#include "core/GradeBook.h"
#include "grades/TablePane.h"

namespace miravel {

// Row 0 the records' titles, row 1 their dates, row 2 viewpoint and kind;
// then a row per student with ◎ ○ △, points, "*" or nothing. Without
// records a single column says so.
void ShowRecordsView(GradeBook& book, TablePane& pane, int subject, int period);

} // namespace miravel
