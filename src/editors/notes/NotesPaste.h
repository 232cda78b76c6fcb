#pragma once
// Texts from elsewhere into the notes editor's working copy: one column
// copied from a spreadsheet and pasted on the list (row i goes to the
// attendance number the paste starts at plus i), or a CSV file whose rows
// name their student by 出席番号, 児童コード or 氏名. Both make a plan the
// teacher sees before anything is taken; nothing reaches the book before 登録.

#include "core/GradeBook.h"
#include "core/ReportNotes.h"
#include "file/CsvTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace miravel {

using StudentTexts = std::array<std::string, kStudents>;  // entry n - 1 for number n

// Text `t` of period `period` (1..3) for every attendance number, and back;
// the other texts and periods stay as they are.
StudentTexts TextsOf(const ReportNotes& notes, int period, NoteText t);
void SetTexts(ReportNotes& notes, int period, NoteText t, const StudentTexts& texts);

// One column as a spreadsheet puts it on the clipboard: a line break ends a
// cell, a cell in double quotes may hold line breaks and doubled quotes, the
// last line break ends the last cell. Empty cells keep their place (they
// stand for students without a text). A tab outside quotes means the
// teacher copied more than one column: `severalColumns`.
struct ClipboardColumn {
    std::vector<std::string> cells;
    bool severalColumns = false;
    bool operator==(const ClipboardColumn& o) const { return cells == o.cells && severalColumns == o.severalColumns; }
};
ClipboardColumn ColumnOfClipboard(std::string_view text);

// The columns of a text file: who a row is (any of the three) and its text.
struct TextColumns {
    int number = -1;
    int code = -1;
    int name = -1;
    int text = -1;
    bool header = false;
    bool operator==(const TextColumns& o) const
    {
        return number == o.number && code == o.code && name == o.name && text == o.text && header == o.header;
    }
};

// From the header (出席番号, 児童コード, 氏名 as the roster import knows them;
// the text from 所見/コメント/文章/本文/内容), else the column of the longest
// cells that is none of the others.
TextColumns DetectTextColumns(const std::vector<CsvRow>& rows);

struct TextImportRow {
    int sourceRow = 0;   // 1-based: the clipboard's cell or the file's row
    int number = 0;      // the student found, 0 when none
    std::string before;  // the working copy's text
    std::string after;   // the new text
    std::string note;    // why it is not taken, or what to look at
    bool taken = false;
    bool operator==(const TextImportRow& o) const
    {
        return sourceRow == o.sourceRow && number == o.number && before == o.before && after == o.after &&
               note == o.note && taken == o.taken;
    }
};

struct TextImportPlan {
    std::vector<TextImportRow> rows;
    int taken = 0;
    std::vector<int> withoutRows;  // named students no row reached (file only)
};

// Row i to number first + i. Not taken: a number past 40 or without a name,
// an empty cell (the text stays), a text equal to the one held. A text over
// `limit` characters is taken with a note.
TextImportPlan PlanTextPaste(const GradeBook& book, const StudentTexts& current, const std::vector<std::string>& cells,
                             int first, int limit);

// Each row's student: its 児童コード when the book knows it, else its
// attendance number, else its name (blanks and letter case ignored; a name
// two students share finds none). Two rows of one student take neither.
TextImportPlan PlanTextImport(const GradeBook& book, const StudentTexts& current, const std::vector<CsvRow>& rows,
                              const TextColumns& columns, int limit);

// Writes the rows taken; gives how many.
int ApplyTextImport(const TextImportPlan& plan, StudentTexts& texts);

// "所見を 12 人に入れます。入れない行：3 行。" and, for a file, the named
// students no row reached.
std::string TextImportSummary(const GradeBook& book, const TextImportPlan& plan);

} // namespace miravel
