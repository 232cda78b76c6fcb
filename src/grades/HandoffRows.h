#pragma once
// The rows of the hand-off export: a period's letters and 評定 as a school
// system's profile spells them, taken from the evaluation list.

#include "core/GradeBook.h"
#include "file/HandoffFile.h"
#include "file/HandoffProfile.h"

#include <string>
#include <vector>

namespace miravel {

// The header row when the profile has one, then one row per named student
// in attendance-number order. Letters and 評定 are those of the evaluation
// list of `period` (0..2 a semester, 3 通年) in the profile's symbols.
HandoffTable HandoffRows(const GradeBook& book, int period, const HandoffProfile& profile);

// The header of a column: its own, else the book's name ("国語 知識・技能",
// "国語 評定", "出席番号"); a fixed text has none of its own.
std::string HandoffColumnTitle(const GradeBook& book, const HandoffColumn& column);

// The number a class field holds ("3年" -> "3", "１組" -> "1", "第03学年"
// -> "3"), or the field itself when it holds no digit.
std::string NumberInField(const std::string& field);

// The periods the book has, in order: its semesters, then 通年 (3).
std::vector<int> HandoffPeriods(const GradeBook& book);

} // namespace miravel
