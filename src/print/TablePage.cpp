#include "print/TablePage.h"

#include "print/EvaluationListPage.h"

#include <algorithm>
#include <cmath>

namespace miravel {

const char* const kTableFont = "ＭＳ 明朝";

namespace {

constexpr double kDatePoints = 12;
constexpr double kTitlePoints = 14;
constexpr double kCellPoints = 12;
constexpr double kTestHeaderPoints = 9;  // the ten test columns of a viewpoint table
constexpr double kSmallestHeaderPoints = 6;
constexpr int kDateFromRight = 1500;
constexpr int kTitleTop = 200;
constexpr int kTextInset = 5;            // below a rule, right of a column edge
constexpr int kNameInset = 25;           // number and name columns
constexpr int kHeaderLineLimit = 10;
constexpr std::size_t kPaddedLength = 6;
constexpr int kThinRule = 1;
constexpr int kThickRule = 4;
constexpr int kFrameRule = 6;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// Byte length of the UTF-8 character starting at `at`.
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && IsContinuationByte(text[end]))
        ++end;
    return end - at;
}

// The text state the printer keeps from one print to the next.
struct Pen {
    double points = kCellPoints;
    Rgb colour = kButtonText;
};

// Whole rows per page: [first, end) ranges of the rows after the header.
std::vector<std::pair<int, int>> PageRows(int rows, int headerLines, int areaHeight)
{
    const int linesPerPage = (areaHeight - kTableTop) / kPrintLineHeight - headerLines;
    const int perPage = std::max(1, linesPerPage);
    std::vector<std::pair<int, int>> pages;
    const int bodyRows = rows - 1;
    if (bodyRows <= perPage) {
        pages.emplace_back(1, rows);
        return pages;
    }
    for (int first = 1; first < rows; first += perPage)
        pages.emplace_back(first, std::min(rows, first + perPage));
    return pages;
}

class TablePageWriter {
public:
    TablePageWriter(const TableToPrint& table, const PrintArea& area)
        : table_(table), area_(area), columns_(std::clamp(table.shownColumns, 0, table.grid.Cols())),
          kind_(ViewKindOfKey(table.nodeKey)), right_(TableRightEdge(columns_))
    {
    }

    PageDocument write()
    {
        PageDocument pages;
        if (table_.grid.Rows() < 1)
            return pages;
        for (const auto& [first, end] : PageRows(table_.grid.Rows(), headerLineCount(), area_.height))
            pages.push_back(writePage(first, end));
        return pages;
    }

private:
    int headerLineCount() const
    {
        int lines = 0;
        for (int c = 0; c < columns_; ++c)
            lines = std::max(lines, static_cast<int>(BreakHeaderText(table_.grid.TextMatrix(0, c)).size()));
        return lines;
    }

    void text(int x, int y, const std::string& text, double points, Rgb colour)
    {
        page_.items.push_back(PageText{x, y, text, kTableFont, points, colour});
    }

    void rule(int y, int width) { page_.items.push_back(PageLine{kTableLeft, y, right_, y, width, false, kBlack}); }

    Page writePage(int firstRow, int endRow)
    {
        page_ = Page{};
        page_.landscape = true;
        page_.lineWidthTwips = kPrinterDotTwips;  // the rule widths are the printer's own dots
        pen_ = Pen{};
        lines_ = 0;
        text(area_.width - kDateFromRight, 0, table_.dateText, kDatePoints, pen_.colour);
        text(kTableLeft, kTitleTop, table_.caption, kTitlePoints, pen_.colour);
        pen_.points = kCellPoints;

        const int lastRow = table_.grid.Rows() - 1;
        writeHeaderRow();
        if (lastRow > 0)
            rule(lineTop(), kThickRule);
        for (int r = firstRow; r < endRow; ++r) {
            writeDataRow(r);
            if (r == endRow - 1)
                break;  // the last row of the grid or of this page: the frame closes it
            rule(lineTop(), r == lastRow - 1 ? kThickRule : kThinRule);
        }

        page_.items.push_back(PageRect{kTableLeft, kTableTop, right_, lineTop(), kFrameRule, kBlack, false, kBlack});
        for (int c = 1; c < columns_; ++c) {
            const int x = ColumnLeftEdge(c);
            page_.items.push_back(PageLine{x, kTableTop, x, lineTop(), VerticalRuleWidth(c, kind_), false, kBlack});
        }
        return std::move(page_);
    }

    int lineTop() const { return kTableTop + kPrintLineHeight * lines_; }

    void writeHeaderRow()
    {
        int rowLines = 0;
        for (int c = 0; c < columns_; ++c) {
            const std::vector<std::string> lines = BreakHeaderText(table_.grid.TextMatrix(0, c));
            const int inset = c >= 2 ? kTextInset : kNameInset;
            const int room = ColumnLeftEdge(c + 1) - ColumnLeftEdge(c) - inset - kTextInset;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (c >= 2)
                    pen_.points = kind_ == 3 && c != 12 && c != 13 ? kTestHeaderPoints : kCellPoints;
                // Only this text shrinks; the pen keeps its size for the cells after it.
                text(ColumnLeftEdge(c) + inset, lineTop() + kPrintLineHeight * static_cast<int>(i) + kTextInset,
                     lines[i], FittedHeaderPoints(lines, pen_.points, room), pen_.colour);
            }
            rowLines = std::max(rowLines, static_cast<int>(lines.size()));
        }
        lines_ += rowLines;
    }

    void writeDataRow(int r)
    {
        const int y = lineTop() + kTextInset;
        for (int c = 0; c < columns_; ++c) {
            const std::string& cell = table_.grid.TextMatrix(r, c);
            if (c == 1) {
                text(ColumnLeftEdge(c) + kNameInset, y, cell, pen_.points, pen_.colour);
                continue;
            }
            const std::string padded = PadCellText(cell);
            if (Rgb tint; EvaluationTint(padded, tint))
                page_.items.push_back(TintBehind(ColumnLeftEdge(c), lineTop(), ColumnLeftEdge(c + 1),
                                                 lineTop() + kPrintLineHeight, tint));
            text(ColumnLeftEdge(c) + kTextInset, y, padded, pen_.points, pen_.colour);
        }
        lines_ += 1;
    }

    const TableToPrint& table_;
    const PrintArea area_;
    const int columns_;
    const int kind_;
    const int right_;
    Page page_;
    Pen pen_;
    int lines_ = 0;
};

} // namespace

PageDocument LayoutTablePages(const TableToPrint& table, const PrintArea& area)
{
    // The evaluation list's 26 narrow columns have a page of their own.
    if (ViewKindOfKey(table.nodeKey) == kEvaluationListKind)
        return LayoutEvaluationListPage(table, area);
    return TablePageWriter(table, area).write();
}

int ColumnLeftEdge(int col)
{
    if (col == 0)
        return kTableLeft;
    if (col == 1)
        return 1900;
    return 2000 + 900 * col;
}

int TableRightEdge(int shownColumns) { return 2000 + 900 * shownColumns; }

int ViewKindOfKey(const std::string& nodeKey)
{
    return !nodeKey.empty() && nodeKey[0] >= '0' && nodeKey[0] <= '9' ? nodeKey[0] - '0' : 0;
}

int VerticalRuleWidth(int col, int viewKind)
{
    const bool groupEdge = col == 1 || col == 2 || ((viewKind == 0 || viewKind == 1) && (col == 5 || col == 8 || col == 11)) ||
                           (viewKind == 2 && col == 5) || (viewKind == 3 && col == 12);
    return groupEdge ? kThickRule : kThinRule;
}

std::vector<std::string> BreakHeaderText(const std::string& text)
{
    std::string rest = text;
    std::replace(rest.begin(), rest.end(), '\r', ' ');
    std::vector<std::string> lines;
    while (lines.size() < static_cast<std::size_t>(kHeaderMaxLines)) {
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string::npos)
            break;
        rest.erase(0, start);
        std::size_t end = 0;
        int count = 0;
        while (end < rest.size() && rest[end] != ' ') {
            const unsigned char first = static_cast<unsigned char>(rest[end]);
            count += first >= 1 && first <= 127 ? 1 : 2;
            end += CharacterLength(rest, end);
            if (count >= kHeaderLineLimit)
                break;
        }
        lines.push_back(rest.substr(0, end));
        rest.erase(0, end);
    }
    return lines;
}

int HalfWidthUnits(const std::string& text)
{
    int units = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; };
        const bool ascii = byte(at) < 0x80;
        const bool halfKana = byte(at) == 0xEF && ((byte(at + 1) == 0xBD && byte(at + 2) >= 0xA1) || byte(at + 1) == 0xBE);
        units += ascii || halfKana ? 1 : 2;
    }
    return units;
}

double FittedHeaderPoints(const std::vector<std::string>& lines, double points, int room)
{
    int units = 0;
    for (const std::string& line : lines)
        units = std::max(units, HalfWidthUnits(line));
    // A half-width character is half a point-size wide: points x 10 twips.
    if (units == 0 || units * points * 10 <= room)
        return points;
    const double fitting = std::floor(room / (units * 10.0) * 2) / 2;  // in half points
    return std::max(kSmallestHeaderPoints, std::min(points, fitting));
}

std::string PadCellText(const std::string& text)
{
    const std::size_t length = CharacterCount(text);
    return length >= kPaddedLength ? text : std::string(kPaddedLength - length, ' ') + text;
}

bool EvaluationTint(const std::string& text, Rgb& tint)
{
    // UTF-8 never puts an ASCII byte inside another character.
    switch (text.empty() ? '\0' : text.back()) {
    case 'A':
        tint = kTintA;
        return true;
    case 'B':
        tint = kTintB;
        return true;
    case 'C':
        tint = kTintC;
        return true;
    default:
        return false;
    }
}

PageRect TintBehind(int x1, int y1, int x2, int y2, Rgb tint) { return PageRect{x1, y1, x2, y2, 0, tint, true, tint}; }

} // namespace miravel
