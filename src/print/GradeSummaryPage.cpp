#include "print/GradeSummaryPage.h"

#include "grades/SummaryTexts.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kLeft = 400;
constexpr int kSubjectWidth = 900;
constexpr int kViewpointWidth = 1300;
constexpr int kMaxCountWidth = 700;
constexpr int kLineHeight = 230;        // title, method and why lines
constexpr int kRowHeight = 420;         // a count over its share
constexpr int kHeadHeight = 460;        // the group's name over A, B, C, なし
constexpr int kStudentRowHeight = 300;
constexpr double kTitlePoints = 14;
constexpr double kTextPoints = 9;
constexpr double kCountPoints = 9;
constexpr double kSharePoints = 6;
constexpr double kHeadPoints = 5.5;  // "評価なし" in a column of a fifth of an inch
constexpr int kInset = 40;
constexpr int kSmallInset = 20;
constexpr int kRightMargin = 200;
constexpr int kPageTop = 150 + kLineHeight * 2;  // below the title

struct Sheet {
    PageDocument pages;
    const PrintArea& area;
    std::string title;
    std::string date;
    int y = 0;

    Page& page() { return pages.back(); }
    void text(int x, int y0, const std::string& s, double points)
    {
        page().items.push_back(PageText{x, y0, s, kTableFont, points, kBlack});
    }
    void line(int x1, int y1, int x2, int y2, int width = 1)
    {
        page().items.push_back(PageLine{x1, y1, x2, y2, width, false, kBlack});
    }
    void start()
    {
        pages.push_back(Page{true, kPrinterDotTwips, {}});
        text(area.width - 1500, 0, date, kTextPoints);
        text(kLeft, 150, title, kTitlePoints);
        y = kPageTop;
    }
    bool fits(int height) const { return y + height <= area.height; }
};

int CountWidth(const GradeSummary& summary, const PrintArea& area)
{
    const int columns = 4 * static_cast<int>(summary.classNames.size() + 1);
    return std::min(kMaxCountWidth, (area.width - kRightMargin - kLeft - kSubjectWidth - kViewpointWidth) / columns);
}

int ColumnLeft(int column, int countWidth)  // 0 教科, 1 観点, then the counts
{
    return column == 0   ? kLeft
           : column == 1 ? kLeft + kSubjectWidth
                         : kLeft + kSubjectWidth + kViewpointWidth + countWidth * (column - 2);
}

void Head(Sheet& sheet, const GradeSummary& summary, int countWidth)
{
    const int groups = static_cast<int>(summary.classNames.size()) + 1;
    const int right = ColumnLeft(2 + 4 * groups, countWidth);
    const int top = sheet.y;
    sheet.text(ColumnLeft(0, countWidth) + kInset, top + 120, "教科", kTextPoints);
    sheet.text(ColumnLeft(1, countWidth) + kInset, top + 120, "観点", kTextPoints);
    for (int g = 0; g < groups; ++g) {
        const std::string& name = g + 1 < groups ? summary.classNames[g] : std::string("学年");
        sheet.text(ColumnLeft(2 + 4 * g, countWidth) + kInset, top + 20, name, kTextPoints);
        for (int k = 0; k < 4; ++k)
            sheet.text(ColumnLeft(2 + 4 * g + k, countWidth) + kSmallInset, top + kHeadHeight / 2 + 10,
                       TallyHeads(false)[k], kHeadPoints);
        sheet.line(ColumnLeft(2 + 4 * g, countWidth), top, ColumnLeft(2 + 4 * g, countWidth), top + kHeadHeight, 4);
    }
    sheet.line(ColumnLeft(2, countWidth), top + kHeadHeight / 2, right, top + kHeadHeight / 2);
    sheet.line(kLeft, top, right, top, 6);
    sheet.line(kLeft, top, kLeft, top + kHeadHeight, 6);
    sheet.line(right, top, right, top + kHeadHeight, 6);
    sheet.line(ColumnLeft(1, countWidth), top, ColumnLeft(1, countWidth), top + kHeadHeight);
    sheet.y += kHeadHeight;
    sheet.line(kLeft, sheet.y, right, sheet.y, 4);
}

void Row(Sheet& sheet, const GradeSummary& summary, int r, bool firstOfSubject, int countWidth)
{
    const SummaryRow& row = summary.rows[r];
    const int groups = static_cast<int>(summary.classNames.size()) + 1;
    const int top = sheet.y;
    const int right = ColumnLeft(2 + 4 * groups, countWidth);
    if (firstOfSubject)
        sheet.text(kLeft + kInset, top + 100, row.subject, kTextPoints);
    sheet.text(ColumnLeft(1, countWidth) + kInset, top + (row.gradeRow ? 20 : 100), row.viewpoint, kTextPoints);
    if (row.gradeRow)  // what its four columns count
        sheet.text(ColumnLeft(1, countWidth) + kInset, top + kRowHeight / 2 + 10, "3・2・1・なし", kSharePoints);
    for (int g = 0; g < groups; ++g) {
        const std::optional<Tally>& tally = g + 1 < groups ? row.classes[g] : std::optional<Tally>(row.grade);
        for (int k = 0; tally && k < 4; ++k) {
            const int x = ColumnLeft(2 + 4 * g + k, countWidth);
            const bool marked = g + 1 < groups && !row.gradeRow && IsMarked(summary, r, g, k);
            if (marked)
                sheet.page().items.push_back(TintBehind(x, top, x + countWidth, top + kRowHeight, kMarkTint));
            sheet.text(x + kInset, top + 20, std::to_string(tally->counts[k]), kCountPoints);
            sheet.text(x + kSmallInset, top + kRowHeight / 2 + 10,
                       (marked ? "◆" : "") + ShareText(tally->counts[k], tally->Named()), kSharePoints);
        }
    }
    sheet.y += kRowHeight;
    for (int c = 1; c < 2 + 4 * groups; ++c) {
        const bool group = c >= 2 && (c - 2) % 4 == 0;
        sheet.line(ColumnLeft(c, countWidth), top, ColumnLeft(c, countWidth), sheet.y, group ? 4 : 1);
    }
    sheet.line(kLeft, top, kLeft, sheet.y, 6);
    sheet.line(right, top, right, sheet.y, 6);
    const bool lastOfSubject = r + 1 == static_cast<int>(summary.rows.size()) || summary.rows[r + 1].subject != row.subject;
    sheet.line(lastOfSubject ? kLeft : ColumnLeft(1, countWidth), sheet.y, right, sheet.y, lastOfSubject ? 6 : 1);
}

} // namespace

std::vector<SummaryPageRows> SummaryPageRowRanges(const GradeSummary& summary, const PrintArea& area)
{
    const int top = kPageTop + kHeadHeight;
    int y = kPageTop + kLineHeight * static_cast<int>(summary.methodLines.size() + summary.warnings.size()) +
            kLineHeight / 2 + kHeadHeight;
    std::vector<SummaryPageRows> pages{{0, 0}};
    const int rows = static_cast<int>(summary.rows.size());
    for (int r = 0; r < rows;) {
        int end = r + 1;
        while (end < rows && summary.rows[end].subject == summary.rows[r].subject)
            ++end;
        const int height = kRowHeight * (end - r);
        const bool splits = top + height > area.height;
        for (int k = r; k < end; ++k) {
            const bool wholeDoesNotFit = k == r && !splits && y + height > area.height;
            if ((wholeDoesNotFit || y + kRowHeight > area.height) && pages.back().end > pages.back().first) {
                pages.push_back({k, k});
                y = top;
            }
            y += kRowHeight;
            pages.back().end = k + 1;
        }
        r = end;
    }
    return pages;
}

PageDocument LayoutGradeSummaryPages(const GradeSummary& summary, const PrintArea& area, const std::string& date)
{
    Sheet sheet{{}, area, "学年の集計　" + summary.periodName, date};
    sheet.start();
    std::vector<std::string> lines = summary.methodLines;
    lines.insert(lines.end(), summary.warnings.begin(), summary.warnings.end());
    for (const std::string& line : lines) {
        sheet.text(kLeft, sheet.y, line, kTextPoints);
        sheet.y += kLineHeight;
    }
    sheet.y += kLineHeight / 2;
    const int countWidth = CountWidth(summary, area);
    const std::vector<SummaryPageRows> pages = SummaryPageRowRanges(summary, area);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            sheet.start();
        Head(sheet, summary, countWidth);
        for (int r = pages[p].first; r < pages[p].end; ++r)
            Row(sheet, summary, r, r == pages[p].first || summary.rows[r - 1].subject != summary.rows[r].subject,
                countWidth);
    }
    sheet.y += kLineHeight / 2;
    for (const SummaryMark& mark : summary.marks) {
        if (!sheet.fits(kLineHeight))
            sheet.start();
        sheet.text(kLeft, sheet.y, "◆ " + MarkLine(summary, mark), kTextPoints);
        sheet.y += kLineHeight;
    }
    return sheet.pages;
}

PageDocument LayoutSummaryStudentPages(const GradeSummary& summary, const PrintArea& area, const std::string& date)
{
    Sheet sheet{{}, area, "学年の集計　" + summary.periodName + "　話し合う生徒", date};
    const int lefts[] = {kLeft, kLeft + 1800, kLeft + 2800, kLeft + 5600, kLeft + 7400};
    const char* const heads[] = {"組", "出席番号", "氏名", "教科", "内容"};
    auto head = [&] {
        sheet.start();
        for (int c = 0; c < 5; ++c)
            sheet.text(lefts[c] + kInset, sheet.y + 40, heads[c], kTextPoints);
        sheet.y += kStudentRowHeight;
        sheet.line(kLeft, sheet.y, area.width - 200, sheet.y, 4);
    };
    head();
    if (summary.students.empty())
        sheet.text(kLeft + kInset, sheet.y + 40, "該当する生徒はいません", kTextPoints);
    for (const SummaryStudent& student : summary.students) {
        if (!sheet.fits(kStudentRowHeight))
            head();
        const std::string cells[] = {summary.classNames[student.book], NumberText(student), student.name,
                                     student.subject, ConcernText(student)};
        for (int c = 0; c < 5; ++c)
            sheet.text(lefts[c] + kInset, sheet.y + 40, cells[c], kTextPoints);
        sheet.y += kStudentRowHeight;
        sheet.line(kLeft, sheet.y, area.width - 200, sheet.y);
    }
    return sheet.pages;
}

} // namespace miravel
