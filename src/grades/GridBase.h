#pragma once
// The base layout shared by every view, the class caption line and the
// roster view of the class node.

#include "core/GradeBook.h"
#include "grades/TablePane.h"

#include <string>

namespace miravel {

constexpr int kGridColumns = 15;
constexpr int kGridBaseRows = 43;
constexpr int kHeaderRowHeight = 600;
constexpr int kNumberColumnWidth = 400;
constexpr int kNameColumnWidth = 1600;

// "2026年（令和8年） 5年2組 森川 智子": the class as the tree's top item
// and the caption name it.
std::string ClassLine(const GradeBook& book);

// "2024 3年1組 山田 生徒数（ 35名）"
std::string CaptionLine(const GradeBook& book);

// Base set-up: 43 rows, 15 columns, the name header, every attendance number
// and name. Writes no other cell.
void MSFlexGrid1_init(const GradeBook& book, TextGrid& grid);

// The table of the class node: numbers and names only.
void ShowRosterView(GradeBook& book, TablePane& pane);

} // namespace miravel
