#pragma once
// The 平常の記録 grid's working copy of one subject's records in one
// period: a column per record with its heading and a value per 出席番号.
// Adding, changing and removing a column, and a block pasted from a
// spreadsheet, act on this copy; nothing reaches the book before 登録.

#include <string>
#include <vector>

namespace miravel {

// Records per subject and period.
constexpr int kMaxRecords = 20;

// A record's heading as the teacher fills it in.
struct RecordHeading {
    std::string title;
    std::string date;       // as typed, e.g. 2026/05/12
    int viewpoint = 0;      // 0..2
    bool points = false;    // 点数; else 記号 (◎○△ worth 3, 2, 1)
    int full = 3;           // 3 for 記号
    bool operator==(const RecordHeading& o) const;
};

struct RecordColumn {
    RecordHeading heading;
    // Entry n - 1 for 出席番号 n: "◎", "○", "△", points as digits, "*"
    // (absent) or "" (not yet recorded).
    std::vector<std::string> values;
    bool operator==(const RecordColumn& o) const { return heading == o.heading && values == o.values; }
};

struct RecordSheet {
    std::vector<RecordColumn> columns;
    bool operator==(const RecordSheet& o) const { return columns == o.columns; }
    bool operator!=(const RecordSheet& o) const { return !(*this == o); }
};

// Which field of the heading dialog a refusal points at.
enum class HeadingField { None, Title, Date, Full, Kind };

struct HeadingCheck {
    HeadingField field = HeadingField::None;
    std::string message;
};

// A title is needed, without a line break; a date, when given,
// is a date (kept as 2026/05/12); 点数 has full marks 1..1000; 記号 has 3.
HeadingCheck CheckHeading(const RecordHeading& heading);

// A new column at the end, every value empty; a message instead when the
// sheet already holds kMaxRecords or the heading is refused.
HeadingCheck AddRecord(RecordSheet& sheet, const RecordHeading& heading, int students);

// A column's heading changed. A kind cannot change while the column holds
// values, nor full marks fall below a value it holds.
HeadingCheck ChangeHeading(RecordSheet& sheet, int column, const RecordHeading& heading);

void RemoveRecord(RecordSheet& sheet, int column);

// The text the grid's column heading shows: title, date, viewpoint name and
// kind on separate lines.
std::string ColumnCaption(const RecordHeading& heading, const std::string& viewpointName);

} // namespace miravel
