#include "print/StudentSheetPage.h"

#include "core/TextRules.h"

#include <vector>

namespace miravel {

namespace {

// Geometry in twips from the corner of the printable area. A name of ten
// characters, a viewpoint name of six and an average of "*100.0" all fit
// their columns at the sizes below.
constexpr int kLeft = 800;
constexpr int kNameColumn = 1700;
constexpr int kAverageWidth = 800;
constexpr int kLetterWidth = 450;
constexpr int kClassAverageWidth = 760;
constexpr int kPeriodWidth = kAverageWidth + kLetterWidth + kClassAverageWidth;
constexpr int kTableTop = 1900;
constexpr int kHeadRow = 320;
constexpr int kSubHeadRow = 260;
constexpr int kRow = 340;
constexpr int kBlockHeight = kHeadRow + kSubHeadRow + (kViewpoints + 1) * kRow;
constexpr int kBlockGap = 260;
constexpr int kInset = 60;

constexpr double kDatePoints = 10;
constexpr double kTitlePoints = 16;
constexpr double kCaptionPoints = 11;
constexpr double kStudentPoints = 16;
constexpr double kHeadPoints = 11;
constexpr double kSmallPoints = 8;
constexpr double kCellPoints = 10.5;
constexpr double kLetterPoints = 12;

constexpr int kThin = 1;
constexpr int kThick = 4;
constexpr int kFrame = 6;

// A text of `points` set in a row of `height` starting at `top`.
int TextTop(int top, int height, double points) { return top + (height - static_cast<int>(points * 20)) / 2 - 20; }

int BlockTop(int subject) { return kTableTop + subject * (kBlockHeight + kBlockGap); }
int RowTop(int subject, int row) { return BlockTop(subject) + kHeadRow + kSubHeadRow + row * kRow; }
int PeriodLeft(int column) { return kLeft + kNameColumn + column * kPeriodWidth; }

class SheetWriter {
public:
    SheetWriter(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area)
        : sheets_(sheets), date_(dateText), area_(area)
    {
        for (int p = 0; p < kSheetPeriods; ++p)
            if (sheets.periodShown[p])
                periods_.push_back(p);
        right_ = PeriodLeft(static_cast<int>(periods_.size()));
    }

    Page write(const StudentSheet& student)
    {
        page_ = Page{};
        page_.landscape = false;
        page_.lineWidthTwips = kPrinterDotTwips;
        text(area_.width - 1500, 0, date_, kDatePoints);
        text(kLeft, 200, "個人成績表", kTitlePoints);
        text(kLeft, 750, sheets_.caption, kCaptionPoints);
        text(kLeft, 1200, "出席番号" + Str(student.number) + "　　" + student.name, kStudentPoints);
        for (int s = 0; s < kSubjects; ++s)
            writeBlock(s, student.subjects[s]);
        return std::move(page_);
    }

private:
    void text(int x, int y, const std::string& text, double points)
    {
        if (!text.empty())
            page_.items.push_back(PageText{x, y, text, kTableFont, points, kBlack});
    }
    void line(int x1, int y1, int x2, int y2, int width)
    {
        page_.items.push_back(PageLine{x1, y1, x2, y2, width, false, kBlack});
    }

    void writeBlock(int s, const SheetSubject& subject)
    {
        const int top = BlockTop(s);
        const int subHead = top + kHeadRow;
        const int body = subHead + kSubHeadRow;
        const int bottom = top + kBlockHeight;

        text(kLeft + kInset, TextTop(top, kHeadRow, kHeadPoints), subject.name, kHeadPoints);
        for (std::size_t c = 0; c < periods_.size(); ++c) {
            const int x = PeriodLeft(static_cast<int>(c));
            text(x + kInset, TextTop(top, kHeadRow, kHeadPoints), sheets_.periodNames[periods_[c]], kHeadPoints);
            text(x + kInset, TextTop(subHead, kSubHeadRow, kSmallPoints), "平均点", kSmallPoints);
            text(x + kAverageWidth + kInset, TextTop(subHead, kSubHeadRow, kSmallPoints), "評価", kSmallPoints);
            text(x + kAverageWidth + kLetterWidth + kInset, TextTop(subHead, kSubHeadRow, kSmallPoints), "学級平均",
                 kSmallPoints);
        }
        for (int v = 0; v < kViewpoints; ++v) {
            const SheetViewpoint& viewpoint = subject.viewpoints[v];
            const int y = RowTop(s, v);
            text(kLeft + kInset, TextTop(y, kRow, kCellPoints), viewpoint.name, kCellPoints);
            for (std::size_t c = 0; c < periods_.size(); ++c) {
                const int p = periods_[c];
                const int x = PeriodLeft(static_cast<int>(c));
                if (!viewpoint.average[p].empty())
                    text(x + kInset, TextTop(y, kRow, kCellPoints), PadCellText(viewpoint.average[p]), kCellPoints);
                const SheetPoint at = SheetLetterPoint(s, v, static_cast<int>(c));
                text(at.x, at.y, viewpoint.letter[p], kLetterPoints);
                if (!viewpoint.classAverage[p].empty())
                    text(x + kAverageWidth + kLetterWidth + kInset, TextTop(y, kRow, kSmallPoints),
                         "(" + viewpoint.classAverage[p] + ")", kSmallPoints);
            }
        }
        text(kLeft + kInset, TextTop(RowTop(s, kSheetGradeRow), kRow, kCellPoints), "評定", kCellPoints);
        for (std::size_t c = 0; c < periods_.size(); ++c) {
            const SheetPoint at = SheetLetterPoint(s, kSheetGradeRow, static_cast<int>(c));
            text(at.x, at.y, subject.grade[periods_[c]], kLetterPoints);
        }

        // Rules: the frame, the heads, each row, and the period columns.
        page_.items.push_back(PageRect{kLeft, top, right_, bottom, kFrame, kBlack, false, kBlack});
        line(kLeft, subHead, right_, subHead, kThin);
        line(kLeft, body, right_, body, kThick);
        for (int row = 1; row <= kViewpoints; ++row)
            line(kLeft, RowTop(s, row), right_, RowTop(s, row), row == kSheetGradeRow ? kThick : kThin);
        line(kLeft + kNameColumn, top, kLeft + kNameColumn, bottom, kThick);
        for (std::size_t c = 0; c < periods_.size(); ++c) {
            const int x = PeriodLeft(static_cast<int>(c));
            if (c > 0)
                line(x, top, x, bottom, kThick);
            line(x + kAverageWidth, subHead, x + kAverageWidth, bottom, kThin);
            line(x + kAverageWidth + kLetterWidth, subHead, x + kAverageWidth + kLetterWidth, bottom, kThin);
        }
    }

    const ClassSheets& sheets_;
    const std::string& date_;
    const PrintArea area_;
    std::vector<int> periods_;
    int right_ = 0;
    Page page_;
};

} // namespace

SheetPoint SheetLetterPoint(int subject, int row, int column)
{
    // Centred in the letter column: a letter is half as wide as its height.
    const int x = PeriodLeft(column) + kAverageWidth + (kLetterWidth - static_cast<int>(kLetterPoints * 10)) / 2;
    return {x, TextTop(RowTop(subject, row), kRow, kLetterPoints)};
}

PageDocument LayoutStudentSheets(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area)
{
    PageDocument pages;
    SheetWriter writer(sheets, dateText, area);
    for (const StudentSheet& student : sheets.students)
        pages.push_back(writer.write(student));
    return pages;
}

} // namespace miravel
