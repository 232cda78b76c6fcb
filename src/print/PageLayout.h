#pragma once
// A drawn page as plain data: texts, lines and rectangles placed in twips
// from the top-left corner of the page (or of the window surface). Printed
// tables and distribution graphs are laid out as a PageLayout by plain
// functions that tests read directly; PaintPage() is the one place that
// turns it into pixels, on a window, an image, a PDF or paper.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace miravel {

// 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kGreen = 0x00FF00;   // A
constexpr Rgb kOrange = 0xFF8000;  // B
constexpr Rgb kMagenta = 0xFF00FF; // C
constexpr Rgb kYellow = 0xFFFF00;
// Light tints behind printed letters, which stay black: a grey printer
// turns coloured letters pale, a tint behind a black letter it keeps legible.
constexpr Rgb kTintA = 0xCCF5CC;
constexpr Rgb kTintB = 0xFFE6C8;
constexpr Rgb kTintC = 0xF8CCF8;
// The desktop's button-text colour, as the printed page uses it.
constexpr Rgb kButtonText = 0x000000;

// A text whose top-left corner is at (x, y). `font` is the program's own
// name ("ＭＳ 明朝", "ＭＳ ゴシック"); an empty font or a size of 0 means
// the surface's current font.
struct PageText {
    int x = 0;
    int y = 0;
    std::string text;  // UTF-8
    std::string font;
    double points = 0;
    Rgb color = kBlack;
};

// `width` counts in the page's line-width unit (Page::lineWidthTwips): pixels
// of a 96-dpi screen unless the page says otherwise, so lines keep their
// weight on paper.
struct PageLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
    bool dotted = false;
    Rgb color = kBlack;
};

// A rectangle between two corners, outlined, filled when `filled`.
struct PageRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
    Rgb outline = kBlack;
    bool filled = false;
    Rgb fill = kBlack;
};

bool operator==(const PageText& a, const PageText& b);
bool operator==(const PageLine& a, const PageLine& b);
bool operator==(const PageRect& a, const PageRect& b);

using PageItem = std::variant<PageText, PageLine, PageRect>;

// Twips per unit of line width: a 96-dpi screen pixel, or the dot of a
// 300-dpi printer for pages whose line widths count in printer dots.
constexpr double kScreenPixelTwips = 15.0;
constexpr double kPrinterDotTwips = 4.8;

// Items are drawn in order, later ones over earlier ones.
struct Page {
    bool landscape = false;
    double lineWidthTwips = kScreenPixelTwips;
    std::vector<PageItem> items;
};

// Several pages of one printed document.
using PageDocument = std::vector<Page>;

} // namespace miravel
