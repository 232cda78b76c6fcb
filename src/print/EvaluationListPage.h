#pragma once
// The printed evaluation list: 26 narrow columns, two header rows (the
// subjects over their four columns, then the viewpoints and 評定), every
// student on one A4 landscape page, the letters in their colours.

#include "print/TablePage.h"

namespace miravel {

// The list's node keys start with this kind digit.
constexpr int kEvaluationListKind = 4;

// Left edge of a column in twips; the columns of each subject are grouped
// between thick rules. Letter columns are `letterWidth` wide (narrower
// than usual when subjects 7..10 join the six).
int EvaluationListColumnLeft(int col, int letterWidth = 480);

// One page whatever the roster: the line height shrinks to fit the area.
PageDocument LayoutEvaluationListPage(const TableToPrint& table, const PrintArea& area);

} // namespace miravel
