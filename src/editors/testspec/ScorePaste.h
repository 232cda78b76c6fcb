#pragma once
// Scores from elsewhere into the test editor's score table: a block copied
// from a spreadsheet (tab-separated rows) pasted at the current student and
// viewpoint. Every cell passes the check a typed score passes; the table is
// the editor's working copy, so nothing reaches the book before 登録.

#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// Rows of cells as a spreadsheet puts them on the clipboard: tab between
// cells, a line break after each row (the last one optional); a cell in
// double quotes loses them. Empty rows count.
std::vector<std::vector<std::string>> ClipboardBlock(std::string_view text);

struct CellRefusal {
    int number = 0;     // attendance number
    int viewpoint = 0;  // 0..2, -1 when the cell has no viewpoint
    std::string reason;
};

struct PasteResult {
    int pasted = 0;  // cells written into the table
    std::vector<CellRefusal> refused;
};

// Writes student n's entries and total into the table and recomputes the
// averages and ranks, as the commit of a typed row does. False (and the
// table unchanged) when the check refuses them; `refusal` says why.
bool CommitRow(GradeBook& book, TextGrid& grid, int n, const ViewpointTexts& entries,
               const ViewpointTexts& fullMarks, EntryCheck* refusal = nullptr);

// Row i of the block goes to attendance number `first` + i, column j to the
// j-th assessed viewpoint from `firstViewpoint` on. A blank cell leaves the
// score as it is; an absent mark (IsAbsentMark) is absent. Refused: a cell the score check refuses, a
// value for a number without a name or outside the roster, a column past
// the last assessed viewpoint.
PasteResult PasteBlock(GradeBook& book, TextGrid& grid, const std::vector<std::vector<std::string>>& block,
                       int first, int firstViewpoint, const ViewpointChecks& checks, const ViewpointTexts& fullMarks);

// The message that sums a paste up: cells pasted, then each refused cell
// with its attendance number, viewpoint and reason.
std::string PasteSummary(const GradeBook& book, const PasteResult& result);

} // namespace miravel
