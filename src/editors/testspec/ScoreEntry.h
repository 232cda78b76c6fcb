#pragma once
// Entering one student's scores: the check of the three entry fields, the
// commit into the score table, and where a move to another student goes.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <array>
#include <string>
#include <string_view>

namespace miravel {

// The texts of the entry fields (Text3..Text5) and of the full-marks fields
// (Text6..Text8) of viewpoints 1..3.
using ViewpointTexts = std::array<std::string, kViewpoints>;

// Which viewpoints the test assesses (Check4..Check6).
using ViewpointChecks = std::array<bool, kViewpoints>;

struct EntryCheck {
    bool accepted = true;
    int field = -1;            // the rejected entry field, 0..2
    const char* message = "";  // what the teacher is told
};

// How a sheet or a typed cell may say absent: "*" (the table's own mark),
// "＊", "欠", "欠席", "／" or a lone "/", as typed: "* " is no mark (a cell
// from a sheet or the clipboard loses its blanks first).
bool IsAbsentMark(std::string_view text);

// Checks the entries in field order; the first fault wins. An absent mark,
// an empty field no score; anything else must be digits and blanks, not
// above the field's full marks (when given) and not above 100.
EntryCheck CheckEntries(const ViewpointTexts& entries, const ViewpointTexts& fullMarks);

// Checks the current student's entries and, when they pass, writes them and
// their total into that student's row and recomputes averages and ranks.
// Sets ScoreCheckFailed (0 or -1). Does nothing before the table is built or
// while no student is current.
EntryCheck CommitEntries(GradeBook& book, TextGrid& grid, const ViewpointTexts& entries,
                         const ViewpointTexts& fullMarks);

// The student Next and Previous go to from attendance number n: the nearest
// named one after (before) n within the roster, else n itself.
int NextStudent(const GradeBook& book, int n);
int PreviousStudent(const GradeBook& book, int n);

// The entry field a move puts the focus in: the first assessed viewpoint,
// the third field when none is.
int FocusAfterMove(const ViewpointChecks& checks);

// The entry field after a click on the score table's column `col`.
int FocusAfterTableClick(const ViewpointChecks& checks, int col);

// The entry texts of an absent student: "*" where the viewpoint is assessed.
ViewpointTexts AbsentEntries(const ViewpointChecks& checks);

// The entry texts of student n as the table holds them.
ViewpointTexts RowEntries(const TextGrid& grid, int n);

} // namespace miravel
