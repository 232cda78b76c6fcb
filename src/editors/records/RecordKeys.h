#pragma once
// What one key does to a cell of the 平常の記録 grid. A 記号 cell takes a
// mark at once and moves down; a 点数 cell gathers digits until Enter or Tab
// and refuses a number above the record's full marks. The grid window only
// turns its key events into GridKey and carries the outcome out.

#include <string>
#include <string_view>

namespace miravel {

enum class GridKeyName { Text, Delete, Backspace, Enter, Tab, Backtab, Up, Down, Escape };

struct GridKey {
    GridKeyName name = GridKeyName::Text;
    std::string text;  // what the key typed, for Text
};

enum class GridMove { Stay, Down, Up, Right, Left };

struct KeyOutcome {
    bool changed = false;   // `value` is the cell's new value
    std::string value;      // "◎", "○", "△", digits, "*" (absent) or "" (not yet recorded)
    std::string typing;     // digits typed but not yet entered, shown in the cell
    GridMove move = GridMove::Stay;
    std::string refusal;    // what the teacher is told; nothing changes
    bool handled = true;    // false: the key is not the cell's (Esc with nothing typed)
};

// The mark a typed text stands for: 3, a, ◎ (or ◯) give "◎"; 2, b, ○ give
// "○"; 1, c, △ give "△". Half- or full-width, either case; "" for anything
// else.
std::string MarkOfText(std::string_view text);

// A 記号 cell (`points` false) or a 点数 cell out of `full` marks, with
// `typing` the digits gathered so far, receiving `key`.
KeyOutcome CellKey(bool points, int full, const std::string& typing, const GridKey& key);

// Digits entered into a 点数 cell: the number as stored, or a refusal.
struct PointsCheck {
    std::string value;
    std::string refusal;
};
PointsCheck CheckPoints(std::string_view digits, int full);

} // namespace miravel
