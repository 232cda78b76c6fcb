#pragma once
// The foot of a student's sheet: on the left the 所見 and the written
// subjects, their text wrapped in its box, never set smaller than 8 pt (a
// long text makes its box taller instead); on the right the 出欠 table and
// the 行動の記録 with its ○. A term without notes keeps the two blank boxes.

#include "grades/SheetNotes.h"
#include "print/PageLayout.h"

#include <string>
#include <vector>

namespace miravel {

// Type of the texts in the boxes: readable on paper.
constexpr double kSheetNotePoints = 9;

// The lines of `text` in `room` twips at `points`: a break at each '\n' and
// where the next character would pass the room; a closing mark (、。」…)
// stays at the end of its line rather than starting the next.
std::vector<std::string> WrapSheetText(const std::string& text, double points, int room);

// The height the foot takes between `left` and `right`.
int SheetFootHeight(const SheetNotes& notes, int left, int right);

// The foot drawn into the rectangle given, its items appended to `items`.
struct SheetFootArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};
void LayoutSheetFoot(const SheetNotes& notes, const SheetFootArea& area, std::vector<PageItem>& items);

} // namespace miravel
