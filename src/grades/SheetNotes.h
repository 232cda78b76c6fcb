#pragma once
// The report notes on a student's sheet (個人成績表): the term's 所見 and
// the written subjects the class uses, its 出欠 and 行動の記録. A term
// nothing was entered for keeps the blank boxes a teacher writes in by hand.

#include "core/GradeBook.h"
#include "core/ReportNotes.h"

#include <array>
#include <string>
#include <vector>

namespace miravel {

struct SheetNoteText {
    std::string title;  // "所見", "道徳", "総合的な学習の時間", "外国語活動"
    std::string text;   // '\n' a line break
    bool operator==(const SheetNoteText& o) const { return title == o.title && text == o.text; }
};

struct SheetNotes {
    bool shown = false;       // false: the blank boxes of a term without notes
    std::string periodName;   // "二学期"
    std::vector<SheetNoteText> texts;  // 所見 first, then the written subjects used
    // 出欠: label and value, "" while 授業日数 is not entered.
    std::vector<std::pair<std::string, std::string>> attendance;
    std::array<std::string, kConductItems> conductItems;
    std::array<bool, kConductItems> conduct{};  // true = ○
};

// Student `n`'s notes for a sheet up to `lastPeriod` (0..2 a semester, 3
// 通年: the last term the book shows).
SheetNotes GatherSheetNotes(const GradeBook& book, int lastPeriod, int n);

} // namespace miravel
