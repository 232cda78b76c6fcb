#pragma once
// A roster from a table with several columns (a school system's export):
// which row goes to which attendance number, what is refused or doubtful,
// and storing it with the students' codes and accounts.

#include "core/GradeBook.h"
#include "file/CsvTable.h"
#include "file/ImportColumns.h"

#include <string>
#include <vector>

namespace miravel {

// A name file is a table when its first row is a header, or when every row
// has the same two or more cells and a column holds attendance numbers or
// accounts; otherwise it is a list of names read as a name book always was.
bool IsRosterTable(const std::vector<CsvRow>& rows);

enum class RosterRowState { Stored, Kept, Skipped, Refused };

struct RosterRow {
    int fileRow = 0;  // 1-based, as the preview shows it
    int number = 0;   // attendance number, 0 when none
    std::string name, account, code;
    RosterRowState state = RosterRowState::Stored;
    std::string note;  // why refused or skipped, or a doubt about the name
};

struct RosterPlan {
    std::vector<RosterRow> rows;
    int stored = 0;   // rows that put a name at a number
    int refused = 0;
};

// Each row of the table (the header skipped when `skipHeader`) with its
// attendance number: from the number column when there is one, else the
// next number in file order. With `onlyEmpty`, names go only to numbers
// without a name in the book, and a row whose name is already in the roster
// only adds its code and account there. Refused: a number outside 1..40 or
// used twice, a name the file cannot store, a row past number 40. A "?" or
// "・" in a name is noted as a character perhaps lost on the way.
RosterPlan PlanRoster(const std::vector<CsvRow>& rows, const ImportColumns& columns, bool skipHeader,
                      const GradeDocument& book, bool onlyEmpty);

// Stores the rows not refused: names, codes and accounts; StudentCount
// covers the highest named number. One undo step.
void ApplyRosterPlan(GradeBook& book, const RosterPlan& plan);

} // namespace miravel
