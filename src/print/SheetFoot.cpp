#include "print/SheetFoot.h"

#include "print/TablePage.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kBlankBoxHeight = 1300;  // the boxes a teacher fills in by hand
constexpr int kGap = 120;
constexpr int kInset = 50;
constexpr int kTitleLine = 230;  // a box's title
constexpr int kTextLine = 250;   // a 9 pt line with its leading
constexpr int kTableRow = 190;
constexpr int kMinRemarkLines = 4;  // room to add a word by hand
constexpr int kMinTextLines = 2;
constexpr double kTitlePoints = 9;
constexpr double kTablePoints = 8;
constexpr int kDaysWidth = 600;  // up to three digits
constexpr int kMarkWidth = 300;  // one ○
constexpr int kThin = 1;
constexpr int kThick = 4;
constexpr int kConductRows = (kConductItems + 1) / 2;  // two columns

// The left column's share of the width, in percent.
constexpr int kLeftShare = 64;

int Width(const std::string& text, double points) { return static_cast<int>(HalfWidthUnits(text) * points * 10); }

std::size_t CharacterEnd(const std::string& text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

bool ClosingMark(const std::string& c)
{
    static const char* const marks[] = {"、", "。", "，", "．", "」", "』", "）", ")", "！", "？", "ー", "ゃ", "ゅ", "ょ", "っ"};
    return std::find(std::begin(marks), std::end(marks), c) != std::end(marks);
}

int TextLines(const SheetNoteText& t, int room, bool remarks)
{
    const int lines = static_cast<int>(WrapSheetText(t.text, kSheetNotePoints, room).size());
    return std::max(lines, remarks ? kMinRemarkLines : kMinTextLines);
}

int TextRoom(int left, int right) { return right - left - 2 * kInset; }

int LeftRight(int left, int right) { return left + (right - left) * kLeftShare / 100 - kGap; }

int AttendanceHeight(const SheetNotes& notes)
{
    return kTitleLine + static_cast<int>(notes.attendance.size()) * kTableRow + kInset;
}

int ConductHeight() { return kTitleLine + kConductRows * kTableRow + kInset; }

class FootWriter {
public:
    explicit FootWriter(std::vector<PageItem>& items) : items_(items) {}
    void text(int x, int y, const std::string& value, double points)
    {
        if (!value.empty())
            items_.push_back(PageText{x, y, value, kTableFont, points, kBlack});
    }
    // Cut short with "…" when it does not fit: a label never runs into the next cell.
    void fitted(int x, int y, const std::string& value, double points, int room)
    {
        const double size = FittedHeaderPoints({value}, points, room);
        std::string shown = value;
        while (!shown.empty() && Width(shown, size) > room) {
            std::size_t end = shown.size() - 1;
            while (end > 0 && (static_cast<unsigned char>(shown[end]) & 0xC0) == 0x80)
                --end;
            shown.erase(end);
        }
        text(x, y, shown, size);
    }
    void line(int x1, int y1, int x2, int y2, int width)
    {
        items_.push_back(PageLine{x1, y1, x2, y2, width, false, kBlack});
    }
    void frame(int x1, int y1, int x2, int y2, int width)
    {
        items_.push_back(PageRect{x1, y1, x2, y2, width, kBlack, false, kBlack});
    }

private:
    std::vector<PageItem>& items_;
};

// A table of label and value rows under its title; gives its bottom. The
// last row of a `wideLast` table writes its value across the row (the 備考).
int Table(FootWriter& w, const std::string& title, const std::vector<std::pair<std::string, std::string>>& rows,
          int columns, int valueWidth, bool wideLast, int left, int top, int right)
{
    const int perColumn = (static_cast<int>(rows.size()) + columns - 1) / columns;
    const int bottom = top + kTitleLine + perColumn * kTableRow + kInset;
    w.frame(left, top, right, bottom, kThick);
    w.text(left + kInset, top + kInset, title, kTitlePoints);
    const int columnWidth = (right - left) / columns;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int c = static_cast<int>(i) / perColumn;
        const int x = left + c * columnWidth;
        const int y = top + kTitleLine + (static_cast<int>(i) % perColumn) * kTableRow;
        const bool wide = wideLast && i + 1 == rows.size();
        const int valueLeft = wide ? x + Width(rows[i].first, kTablePoints) + 3 * kInset : x + columnWidth - valueWidth;
        w.line(x, y, x + columnWidth, y, kThin);
        if (!wide)
            w.line(valueLeft, y, valueLeft, y + kTableRow, kThin);
        w.fitted(x + kInset, y + 20, rows[i].first, kTablePoints, valueLeft - x - 2 * kInset);
        w.fitted(valueLeft + kInset, y + 20, rows[i].second, kTablePoints, x + columnWidth - valueLeft - 2 * kInset);
        if (c > 0 && i % perColumn == 0)
            w.line(x, top + kTitleLine, x, bottom - kInset, kThin);
    }
    return bottom;
}

} // namespace

std::vector<std::string> WrapSheetText(const std::string& text, double points, int room)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false;  // a line was begun (an empty line counts once it was broken)
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = CharacterEnd(text, at);
        const std::string c = text.substr(at, end - at);
        at = end;
        if (c == "\r")
            continue;
        if (c == "\n") {
            lines.push_back(line);
            line.clear();
            open = false;
            continue;
        }
        if (!line.empty() && Width(line + c, points) > room && !ClosingMark(c)) {
            lines.push_back(line);
            line.clear();
        }
        line += c;
        open = true;
    }
    if (open || !line.empty())
        lines.push_back(line);
    return lines;
}

int SheetFootHeight(const SheetNotes& notes, int left, int right)
{
    if (!notes.shown)
        return kBlankBoxHeight;
    const int room = TextRoom(left, LeftRight(left, right));
    int leftHeight = 0;
    for (std::size_t i = 0; i < notes.texts.size(); ++i)
        leftHeight += (i ? kGap : 0) + kTitleLine + TextLines(notes.texts[i], room, i == 0) * kTextLine + kInset;
    const int rightHeight = AttendanceHeight(notes) + kGap + ConductHeight();
    return std::max(leftHeight, rightHeight);
}

void LayoutSheetFoot(const SheetNotes& notes, const SheetFootArea& area, std::vector<PageItem>& items)
{
    FootWriter w(items);
    const int split = area.left + (area.right - area.left) * (notes.shown ? kLeftShare : 68) / 100;
    if (!notes.shown) {
        w.frame(area.left, area.top, split - kGap, area.bottom, kThick);
        w.frame(split, area.top, area.right, area.bottom, kThick);
        w.text(area.left + kInset, area.top + kInset, "所見", kSheetNotePoints);
        w.text(split + kInset, area.top + kInset, "出欠", kSheetNotePoints);
        return;
    }
    const int leftRight = LeftRight(area.left, area.right);
    const int room = TextRoom(area.left, leftRight);
    int y = area.top;
    for (std::size_t i = 0; i < notes.texts.size(); ++i) {
        const SheetNoteText& t = notes.texts[i];
        const std::vector<std::string> lines = WrapSheetText(t.text, kSheetNotePoints, room);
        int bottom = y + kTitleLine + TextLines(t, room, i == 0) * kTextLine + kInset;
        if (i + 1 == notes.texts.size())
            bottom = area.bottom;  // the last box reaches the foot's bottom
        w.frame(area.left, y, leftRight, bottom, kThick);
        w.text(area.left + kInset, y + kInset, i == 0 ? t.title + "（" + notes.periodName + "）" : t.title, kTitlePoints);
        for (std::size_t k = 0; k < lines.size(); ++k)
            w.text(area.left + kInset, y + kTitleLine + static_cast<int>(k) * kTextLine, lines[k], kSheetNotePoints);
        y = bottom + kGap;
    }
    const int right = leftRight + kGap;
    const int attendanceBottom = Table(w, "出欠", notes.attendance, 1, kDaysWidth, true, right, area.top, area.right);
    std::vector<std::pair<std::string, std::string>> conduct;
    for (int i = 0; i < kConductItems; ++i)
        conduct.emplace_back(notes.conductItems[i], notes.conduct[i] ? "○" : "");
    Table(w, "行動の記録", conduct, 2, kMarkWidth, false, right, attendanceBottom + kGap, area.right);
}

} // namespace miravel
