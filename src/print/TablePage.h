#pragma once
// The printed form of the main window's table: the date, the frame caption as
// title, the first ShownColumnCount columns of every row, ruled lines and the
// A/B/C letters in colour, on A4 landscape. Plain data, no Qt: the print
// command and the command line draw what this gives.

#include "core/TextGrid.h"
#include "print/PageLayout.h"

#include <string>
#include <vector>

namespace miravel {

// Table geometry in twips from the corner of the printable area.
constexpr int kTableTop = 600;
constexpr int kTableLeft = 1000;
constexpr int kPrintLineHeight = 240;
constexpr int kHeaderMaxLines = 3;
extern const char* const kTableFont;  // "ＭＳ 明朝"

// What the print command prints: the table as the window shows it.
struct TableToPrint {
    const TextGrid& grid;
    std::string caption;       // the frame caption above the table
    int shownColumns = 0;      // ShownColumnCount
    std::string nodeKey;       // CurrentNodeKey; its first digit is the view kind
    std::string dateText;      // today in the user's short date format
};

// The part of the paper a printer can reach, in twips.
struct PrintArea {
    int width = 0;
    int height = 0;
};

// The table on as many pages as it needs. A table that fits is one page laid
// out exactly as the printed table has always been. A taller one continues
// on further pages, each with the date, the title and the header row at the
// top, whole rows only, closed by its own outer rectangle and column rules.
PageDocument LayoutTablePages(const TableToPrint& table, const PrintArea& area);

// The parts the page is made of.
int ColumnLeftEdge(int col);                 // 1000, 1900, then 2000 + 900·col
int TableRightEdge(int shownColumns);        // 2000 + 900·E
int ViewKindOfKey(const std::string& nodeKey);  // 0 for a key without a leading digit
int VerticalRuleWidth(int col, int viewKind);
// A header text broken into printed lines: line breaks become blanks, and a
// line ends with the character that brings its count (1 for ASCII, 2 for any
// other character) to 10, or before a blank; at most three lines.
std::vector<std::string> BreakHeaderText(const std::string& text);
// The size a header cell's lines are printed in: `points`, or a smaller
// size in half points (6 at least) when the widest line at `points` is
// wider than `room` twips. A character is as wide as the point size (a
// half-width one half of it), a point being 20 twips.
double FittedHeaderPoints(const std::vector<std::string>& lines, double points, int room);
// Width in half-width characters: ASCII and half-width katakana (U+FF61 to
// U+FF9F) take one, every other character two.
int HalfWidthUnits(const std::string& text);
// A data cell padded on the left with blanks to 6 characters.
std::string PadCellText(const std::string& text);
// The tint printed behind a cell whose text ends in the letter "A", "B" or
// "C" (the letter itself prints black); false for any other text.
bool EvaluationTint(const std::string& text, Rgb& tint);
// A filled rectangle of `tint` over a cell, without an outline of its own.
PageRect TintBehind(int x1, int y1, int x2, int y2, Rgb tint);

} // namespace miravel
