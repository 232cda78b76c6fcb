#include "print/EvaluationListPage.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kNumberWidth = 600;
constexpr int kNameWidth = 2000;
constexpr int kLetterWidth = 480;
constexpr int kHeaderRows = 2;
constexpr int kFixedColumns = 2;
constexpr int kColumnsPerSubject = 4;
constexpr double kTitlePoints = 14;
constexpr double kDatePoints = 12;
constexpr double kCellPoints = 10;
constexpr double kViewpointPoints = 7.5;
constexpr int kInset = 25;
constexpr int kThinRule = 1;
constexpr int kThickRule = 4;
constexpr int kFrameRule = 6;

bool GroupEdge(int col) { return col >= kFixedColumns && (col - kFixedColumns) % kColumnsPerSubject == 0; }

} // namespace

int EvaluationListColumnLeft(int col, int letterWidth)
{
    if (col <= 0)
        return kTableLeft;
    if (col == 1)
        return kTableLeft + kNumberWidth;
    return kTableLeft + kNumberWidth + kNameWidth + letterWidth * (col - kFixedColumns);
}

PageDocument LayoutEvaluationListPage(const TableToPrint& table, const PrintArea& area)
{
    const TextGrid& grid = table.grid;
    const int columns = std::clamp(table.shownColumns, 0, grid.Cols());
    const int rows = grid.Rows();
    Page page;
    page.landscape = true;
    page.lineWidthTwips = kPrinterDotTwips;
    auto text = [&page](int x, int y, const std::string& s, double points, Rgb colour) {
        page.items.push_back(PageText{x, y, s, kTableFont, points, colour});
    };
    text(area.width - 1500, 0, table.dateText, kDatePoints, kButtonText);
    text(kTableLeft, 200, table.caption, kTitlePoints, kButtonText);

    // The six subjects keep their width; more subjects share the page.
    const int letterWidth =
        columns > kFixedColumns
            ? std::min(kLetterWidth, (area.width - kTableLeft - kNumberWidth - kNameWidth) / (columns - kFixedColumns))
            : kLetterWidth;
    const auto left = [letterWidth](int col) { return EvaluationListColumnLeft(col, letterWidth); };
    const int right = left(columns);
    const int lineHeight = rows > 0 ? std::min(kPrintLineHeight, (area.height - kTableTop) / rows) : kPrintLineHeight;
    const double points = std::min(kCellPoints, lineHeight / 20.0 * 0.85);
    for (int r = 0; r < rows; ++r) {
        const int y = kTableTop + lineHeight * r;
        for (int c = 0; c < columns; ++c) {
            const std::string& cell = grid.TextMatrix(r, c);
            if (cell.empty())
                continue;
            // Letters sit in the middle of their narrow columns; names and headers at the left.
            const bool letter = r >= kHeaderRows && c >= kFixedColumns;
            const int x = left(c) + (letter ? letterWidth / 2 - 60 : kInset);
            // Viewpoint names are three characters in a narrow column.
            const double size = r == 1 && c >= kFixedColumns ? std::min(points, kViewpointPoints) : points;
            if (Rgb tint; letter && EvaluationTint(cell, tint))
                page.items.push_back(TintBehind(left(c), y, left(c + 1),
                                                y + lineHeight, tint));
            text(x, y + 10, cell, size, kButtonText);
        }
        if (r > 0) {
            const bool underHeader = r == kHeaderRows;
            // The subject names span their four columns: the first header
            // row has no rules inside a subject.
            page.items.push_back(
                PageLine{kTableLeft, y, right, y, underHeader ? kThickRule : kThinRule, false, kBlack});
        }
    }
    const int bottom = kTableTop + lineHeight * rows;
    page.items.push_back(PageRect{kTableLeft, kTableTop, right, bottom, kFrameRule, kBlack, false, kBlack});
    for (int c = 1; c < columns; ++c) {
        const int x = left(c);
        const int top = GroupEdge(c) || c < kFixedColumns ? kTableTop : kTableTop + lineHeight;
        page.items.push_back(PageLine{x, top, x, bottom, GroupEdge(c) ? kThickRule : kThinRule, false, kBlack});
    }
    return {page};
}

} // namespace miravel
