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
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// Points as a cell gives them: "8", "8 / 10" and "8/10" give the entry "8"
// and, for the latter two, the full marks 10; an absent mark gives "*"; an empty cell
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
    int stamp = -1;  // when the row was submitted
    bool header = false;
};

// Guessed from the header: 出席番号, 氏名, an account; the points of the
// assessed viewpoints from columns named ポイント (one per question, in
// order), else the first one's from a column named スコア/得点/点数/合計;
// the time stamp from タイムスタンプ or 完了時刻, else 開始時刻.
ScoreColumns DetectScoreColumns(const std::vector<CsvRow>& rows, const ViewpointChecks& checks);

struct ScoreImportRow {
    int fileRow = 0;  // 1-based
    int number = 0;   // the student found, 0 when none
    ViewpointTexts before, after;  // the table's entries and the new ones
    std::string refusal;           // why the row is not taken
    std::string newAccount;        // an account to store for the student
    bool sameStudent = false;      // one of several rows of its student: the teacher may pick it
    bool chosen = false;           // of its student's several rows, the one taken
    bool passedOver = false;       // another row of its student is taken instead
};

struct ScoreImportPlan {
    std::vector<ScoreImportRow> rows;
    // Full marks the cells offer ("8 / 10") for viewpoints without any.
    std::array<std::optional<int>, kViewpoints> offeredFullMarks;
    int taken = 0;
    std::vector<int> withoutRows;  // named students no row was matched to
};

// Matches every row: an account the book knows names its student; else the
// attendance number, else the name (blanks and letter case ignored; a name
// two students share matches none). An account met for the first time
// beside a match is offered for storing; one that differs from the
// student's stored account refuses the row. Rows without a student and
// rows the score check refuses are not taken. Of a student's several rows
// one is taken: the one the teacher picked (`picked`: attendance number ->
// file row), else the latest submission by the time stamp column; without
// stamps that can be read, none until the teacher picks.
ScoreImportPlan PlanScoreImport(const GradeBook& book, const TextGrid& grid, const std::vector<CsvRow>& rows,
                                const ScoreColumns& columns, const ViewpointChecks& checks,
                                const ViewpointTexts& fullMarks, const std::map<int, int>& picked = {});

// "提出のない児童：14 山田 太郎、15 川口 花" or "" when every named student has a row.
std::string WithoutRowsText(const GradeBook& book, const std::vector<int>& numbers);

// Writes the rows taken into the table (see CommitRow). Gives how many.
int ApplyScoreImport(GradeBook& book, TextGrid& grid, const ScoreImportPlan& plan, const ViewpointTexts& fullMarks);

} // namespace miravel
