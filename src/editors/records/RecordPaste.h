#pragma once
// A block copied from a spreadsheet, pasted into the 平常の記録 grid at a
// student and a record: row i to 出席番号 `first` + i, column j to record
// `firstColumn` + j. Every cell passes the check a typed one passes; a cell
// refused is listed, never dropped in silence, and the rest still go in.

#include "editors/records/RecordSheet.h"

#include <string>
#include <vector>

namespace miravel {

struct RecordCell {
    int number = 0;   // 出席番号
    int column = 0;   // record, from 0
    std::string value;
    bool operator==(const RecordCell& o) const { return number == o.number && column == o.column && value == o.value; }
};

struct RecordRefusal {
    int number = 0;
    int column = -1;  // -1: past the last record
    std::string text;    // the cell as pasted
    std::string reason;
    bool operator==(const RecordRefusal& o) const
    {
        return number == o.number && column == o.column && text == o.text && reason == o.reason;
    }
};

struct RecordPastePlan {
    std::vector<RecordCell> cells;
    std::vector<RecordRefusal> refused;
};

// The value a pasted or typed text gives a cell of `heading`: 「欠」, 「*」
// and the other absent marks are "*"; a 記号 cell takes 3/2/1, a/b/c or
// ◎○△; a 点数 cell digits within its full marks. Empty `reason` when taken.
struct RecordValue {
    std::string value;
    std::string reason;
};
RecordValue RecordValueOf(const RecordHeading& heading, const std::string& text);

// A blank cell leaves the value as it is. Refused: a value the cell's kind
// does not take, a 出席番号 without a name (`named[n - 1]` false) or
// outside the roster, a column past the last record.
RecordPastePlan PlanRecordPaste(const RecordSheet& sheet, const std::vector<std::vector<std::string>>& block,
                                int first, int firstColumn, const std::vector<bool>& named);

void ApplyRecordPaste(RecordSheet& sheet, const RecordPastePlan& plan);

// Cells pasted, then each refused cell with its 出席番号, record and reason.
std::string RecordPasteSummary(const RecordSheet& sheet, const RecordPastePlan& plan);

} // namespace miravel
