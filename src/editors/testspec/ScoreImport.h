#pragma once
// Scores from a file another program made (a web-form quiz, a spreadsheet
// saved as CSV): each row matched to a student by account, attendance
// number or name, its points checked as typed ones, shown beside the
// scores the table holds before they are taken into it.

#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreEntry.h"
#include "file/CsvTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// Points as a cell gives them: "8", "8 / 10" and "8/10" give the entry "8"
// and, for the latter two, the full marks 10; "*" is absent; an empty cell
// gives an empty entry. Anything else is passed on as written, for the
// score check to refuse.
struct CellPoints {
    std::string entry;
    std::optional<int> fullMarks;
};
CellPoints PointsOfCell(std::string_view cell);

// The columns of the file the teacher chose, -1 for none.
struct ScoreColumns {
    int number = -1;
    int name = -1;
    int account = -1;
    std::array<int, kViewpoints> points{-1, -1, -1};
    bool header = false;
};

// Guessed from the header: 出席番号, 氏名, an account; the points of the
// first assessed viewpoint from a column named スコア/得点/点数/合計.
ScoreColumns DetectScoreColumns(const std::vector<CsvRow>& rows, const ViewpointChecks& checks);

struct ScoreImportRow {
    int fileRow = 0;  // 1-based
    int number = 0;   // the student found, 0 when none
    ViewpointTexts before, after;  // the table's entries and the new ones
    std::string refusal;           // why the row is not taken
    std::string newAccount;        // an account to store for the student
};

struct ScoreImportPlan {
    std::vector<ScoreImportRow> rows;
    // Full marks the cells offer ("8 / 10") for viewpoints without any.
    std::array<std::optional<int>, kViewpoints> offeredFullMarks;
    int taken = 0;
};

// Matches every row: an account the book knows names its student; else the
// attendance number, else the name (blanks and letter case ignored; a name
// two students share matches none). An account met for the first time
// beside a match is offered for storing; one that differs from the
// student's stored account refuses the row. Rows without a student, rows of
// a student met twice and rows the score check refuses are not taken.
ScoreImportPlan PlanScoreImport(const GradeBook& book, const TextGrid& grid, const std::vector<CsvRow>& rows,
                                const ScoreColumns& columns, const ViewpointChecks& checks,
                                const ViewpointTexts& fullMarks);

// Writes the rows taken into the table (see CommitRow). Gives how many.
int ApplyScoreImport(GradeBook& book, TextGrid& grid, const ScoreImportPlan& plan, const ViewpointTexts& fullMarks);

} // namespace miravel
