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
    // A name refused for a character the file cannot store: the code and
    // account still go to the number, where the teacher then types the name.
    bool idsKept = false;
};

// The class header a roster may bring for a class not registered yet.
struct RosterClassFields {
    std::string schoolYear, gradeLevel, className;
    bool empty() const { return gradeLevel.empty() && className.empty(); }
};

struct RosterPlan {
    std::vector<RosterRow> rows;
    int stored = 0;   // rows that put a name at a number
    int refused = 0;
    RosterClassFields classFields;  // stored when not empty
};

// What storing a plan changes in the book, counted per kind.
struct RosterChanges {
    int names = 0, codes = 0, accounts = 0;
    bool classFields = false;
    bool operator==(const RosterChanges& o) const
    {
        return names == o.names && codes == o.codes && accounts == o.accounts && classFields == o.classFields;
    }
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

// 学年 and 組 of the file's rows when every row that has one agrees: "5"
// becomes "5年" and "2" "2組", full-width digits half-width; other texts
// stay as written.
RosterClassFields ClassFieldsOfRoster(const std::vector<CsvRow>& rows, const ImportColumns& columns, bool skipHeader);

// Stores the rows not refused: names, codes and accounts (and the class
// fields of the plan); StudentCount covers the highest named number.
// Gives what changed; ApplyRosterPlan makes it one undo step.
RosterChanges StoreRosterPlan(GradeDocument& book, const RosterPlan& plan);
void ApplyRosterPlan(GradeBook& book, const RosterPlan& plan);

// What storing the plan would change, the book left as it is.
RosterChanges CountRosterChanges(const GradeDocument& book, const RosterPlan& plan);

// The preview's summary: "入れるもの：氏名 3人、児童コード 32人、アカウント 32人".
std::string RosterChangesText(const RosterChanges& changes, const RosterClassFields& fields);

} // namespace miravel
