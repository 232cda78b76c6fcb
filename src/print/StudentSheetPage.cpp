#include "print/StudentSheetPage.h"
#include "print/SheetRecordRows.h"

#include "core/TextRules.h"

#include <algorithm>
#include <vector>

namespace miravel {

namespace {

// Geometry in twips from the corner of the printable area.
constexpr int kMargin = 200;
constexpr int kHeaderTop = 560;
constexpr int kHeaderHeight = 440;
constexpr int kTableTop = 1200;
constexpr int kPeriodHeadRow = 280;
constexpr int kSubHeadRow = 220;
constexpr int kRow = 250;
constexpr int kCutRow = 200;
constexpr int kSubjectColumn = 600;
constexpr int kViewpointColumn = 1100;
constexpr int kInset = 50;
constexpr int kNoteLine = 230;
constexpr int kLegendLine = 190;
constexpr int kBoxHeight = 1300;
constexpr int kGap = 120;
// The test list: two columns of rows; a subject's head row names its
// viewpoints over the point columns.
constexpr int kTestHead = 220;
constexpr int kTestRow = 180;
constexpr int kTestColumnGap = 240;
constexpr int kSemesterWidth = 460;
constexpr int kDateWidth = 700;
constexpr int kDateUnits = 8;  // "12月10日"
constexpr int kTitleWidth = 1150;
constexpr int kContinuedTop = 600;

constexpr double kTitlePoints = 16;
constexpr double kDatePoints = 10;
constexpr double kLabelPoints = 8;
constexpr double kValuePoints = 12;
constexpr double kHeadPoints = 10;
constexpr double kSmallPoints = 7.5;
constexpr double kCellPoints = 10;
constexpr double kFigurePoints = 9;
constexpr double kMarkPoints = 7;  // 評価なし
constexpr double kLetterPoints = 12;
constexpr double kNotePoints = 9;
constexpr double kTestPoints = 7.5;
constexpr double kTestSmallPoints = 6.5;

constexpr int kThin = 1;
constexpr int kThick = 4;
constexpr int kFrame = 6;

const char* const kNoEvaluation = "評価なし";

// A text of `points` set in a row of `height` starting at `top`.
int TextTop(int top, int height, double points) { return top + (height - static_cast<int>(points * 20)) / 2 - 20; }

int TextWidth(const std::string& text, double points) { return static_cast<int>(HalfWidthUnits(text) * points * 10); }

// The columns of one period: their widths and headings, by the book's mode.
struct PeriodColumns {
    std::vector<int> widths;
    std::vector<const char*> heads;
    int letter = 0;  // index of the letter column
    int width() const
    {
        int sum = 0;
        for (int w : widths)
            sum += w;
        return sum;
    }
    int offset(int column) const
    {
        int x = 0;
        for (int i = 0; i < column; ++i)
            x += widths[i];
        return x;
    }
};

// The columns of one period at their narrowest, widened in proportion to
// fill `room` when fewer periods leave space.
PeriodColumns ColumnsOf(const ClassSheets& sheets, int room)
{
    PeriodColumns columns = sheets.criterion
                                ? PeriodColumns{{900, 700}, {"得点率", "評価"}, 1}
                                : PeriodColumns{{620, 380, 580, 580}, {"平均点", "順位", "評価", "学級平均"}, 2};
    const int periods = std::max<int>(1, static_cast<int>(sheets.periods.size()));
    const int narrowest = columns.width();
    if (room / periods > narrowest)
        for (int& width : columns.widths)
            width = width * (room / periods) / narrowest;
    return columns;
}

// Where the parts of the summary table are, for the recorded subjects.
struct SheetGeometry {
    SheetGeometry(const ClassSheets& sheets, const PrintArea& area)
        : columns(ColumnsOf(sheets, area.width - 2 * kMargin - kSubjectColumn - kViewpointColumn))
    {
        rows = kViewpoints + (sheets.grades ? 1 : 0);
        blockHeight = rows * kRow + (sheets.criterion ? kCutRow : 0);
        blocks = sheets.subjects;
        right = periodLeft(static_cast<int>(sheets.periods.size()));
    }
    int periodLeft(int column) const { return kMargin + kSubjectColumn + kViewpointColumn + column * columns.width(); }
    int blockTop(int index) const { return kTableTop + kPeriodHeadRow + kSubHeadRow + index * blockHeight; }
    int rowTop(int index, int row) const { return blockTop(index) + row * kRow; }
    int bottom() const { return blockTop(static_cast<int>(blocks.size())); }
    int blockIndex(int subject) const
    {
        const auto at = std::find(blocks.begin(), blocks.end(), subject);
        return at == blocks.end() ? -1 : static_cast<int>(at - blocks.begin());
    }

    PeriodColumns columns;
    int rows = 0;
    int blockHeight = 0;
    std::vector<int> blocks;  // recorded subjects, in order
    int right = 0;
};

SheetPoint LetterPoint(const SheetGeometry& g, int index, int row, int column)
{
    // Centred in the letter column: a letter is half as wide as its height.
    const int left = g.periodLeft(column) + g.columns.offset(g.columns.letter);
    const int x = left + (g.columns.widths[g.columns.letter] - static_cast<int>(kLetterPoints * 10)) / 2;
    return {x, TextTop(g.rowTop(index, row), kRow, kLetterPoints)};
}

// One row of the test list: a subject's head row (test < 0) or a test.
struct TestLine {
    int subject = 0;
    int test = -1;
    bool continued = false;  // the first of a subject in a further column
};

// A column of the test list on a page.
struct TestBox {
    int page = 0;
    int left = 0;
    int top = 0;
    int bottom = 0;
};

class SheetWriter {
public:
    SheetWriter(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area)
        : sheets_(sheets), date_(dateText), area_(area), geometry_(sheets, area)
    {
        contentRight_ = area.width - kMargin;
        testColumnWidth_ = (contentRight_ - kMargin - kTestColumnGap) / 2;
    }

    void write(const StudentSheet& student, PageDocument& pages)
    {
        pages_ = &pages;
        first_ = pages.size();
        newPage();
        text(kMargin, 0, sheets_.title, kTitlePoints);
        text(contentRight_ - TextWidth(date_, kDatePoints), 100, date_, kDatePoints);
        writeHeader(student);
        writeTable(student);
        int y = writeNotes(student);
        text(kMargin, y, "試験の記録", kHeadPoints);
        const int legendTop = writeFoot();
        writeTests(WithRecordRows(student), y + 300, legendTop - kGap);
    }

private:
    Page& page(std::size_t index) { return (*pages_)[first_ + index]; }
    void newPage()
    {
        Page page;
        page.landscape = false;
        page.lineWidthTwips = kPrinterDotTwips;
        pages_->push_back(std::move(page));
        current_ = pages_->size() - first_ - 1;
    }
    void text(int x, int y, const std::string& text, double points)
    {
        if (!text.empty())
            page(current_).items.push_back(PageText{x, y, text, kTableFont, points, kBlack});
    }
    // A text made to fit `room`: smaller type, then cut short with "…".
    void fitted(int x, int y, const std::string& value, double points, int room)
    {
        const double size = FittedHeaderPoints({value}, points, room);
        std::string shown = value;
        if (TextWidth(shown, size) > room) {
            const std::string ellipsis = "…";
            while (!shown.empty() && TextWidth(shown + ellipsis, size) > room) {
                // Drop the last character with all its bytes.
                std::size_t end = shown.size() - 1;
                while (end > 0 && (static_cast<unsigned char>(shown[end]) & 0xC0) == 0x80)
                    --end;
                shown.erase(end);
            }
            shown += ellipsis;
        }
        text(x, y, shown, size);
    }
    void line(int x1, int y1, int x2, int y2, int width)
    {
        page(current_).items.push_back(PageLine{x1, y1, x2, y2, width, false, kBlack});
    }
    void frame(int x1, int y1, int x2, int y2, int width)
    {
        page(current_).items.push_back(PageRect{x1, y1, x2, y2, width, kBlack, false, kBlack});
    }

    // 学級, 出席番号, 氏名 and 担任, each in its labelled cell.
    void writeHeader(const StudentSheet& student)
    {
        const int width = contentRight_ - kMargin;
        const struct {
            const char* label;
            std::string value;
            int share;  // of 100
        } cells[] = {{"学級", sheets_.className, 38},
                     {"出席番号", std::to_string(student.number), 14},
                     {"氏名", student.name, 30},
                     {"担任", sheets_.teacher, 18}};
        int x = kMargin;
        for (const auto& cell : cells) {
            const int cellWidth = width * cell.share / 100;
            frame(x, kHeaderTop, x + cellWidth, kHeaderTop + kHeaderHeight, kThin);
            text(x + kInset, TextTop(kHeaderTop, kHeaderHeight, kLabelPoints), cell.label, kLabelPoints);
            const int valueLeft = x + kInset + TextWidth(cell.label, kLabelPoints) + 2 * kInset;
            const int room = x + cellWidth - kInset - valueLeft;
            const double size = FittedHeaderPoints({cell.value}, kValuePoints, room);
            fitted(valueLeft, TextTop(kHeaderTop, kHeaderHeight, size), cell.value, kValuePoints, room);
            x += cellWidth;
        }
    }

    void writeTable(const StudentSheet& student)
    {
        const SheetGeometry& g = geometry_;
        const PeriodColumns& columns = g.columns;
        if (g.blocks.empty())
            return;  // no subject has a test: the notes below say so
        const int headBottom = kTableTop + kPeriodHeadRow + kSubHeadRow;
        const int subHead = kTableTop + kPeriodHeadRow;
        text(kMargin + kInset, TextTop(kTableTop, kPeriodHeadRow + kSubHeadRow, kHeadPoints), "教科", kHeadPoints);
        text(kMargin + kSubjectColumn + kInset, TextTop(kTableTop, kPeriodHeadRow + kSubHeadRow, kHeadPoints), "観点",
             kHeadPoints);
        for (std::size_t c = 0; c < sheets_.periods.size(); ++c) {
            const int x = g.periodLeft(static_cast<int>(c));
            text(x + kInset, TextTop(kTableTop, kPeriodHeadRow, kHeadPoints), sheets_.periodNames[sheets_.periods[c]],
                 kHeadPoints);
            for (std::size_t k = 0; k < columns.widths.size(); ++k)
                fitted(x + columns.offset(static_cast<int>(k)) + kInset, TextTop(subHead, kSubHeadRow, kSmallPoints),
                       columns.heads[k], kSmallPoints, columns.widths[k] - 2 * kInset);
            if (c > 0)
                line(x, kTableTop, x, headBottom, kThick);
            for (std::size_t k = 1; k < columns.widths.size(); ++k)
                line(x + columns.offset(static_cast<int>(k)), subHead, x + columns.offset(static_cast<int>(k)),
                     headBottom, kThin);
        }
        line(g.periodLeft(0), subHead, g.right, subHead, kThin);
        line(kMargin, headBottom, g.right, headBottom, kThick);
        for (std::size_t i = 0; i < g.blocks.size(); ++i)
            writeBlock(static_cast<int>(i), student.subjects[g.blocks[i]]);
        line(kMargin + kSubjectColumn, kTableTop, kMargin + kSubjectColumn, g.bottom(), kThin);
        frame(kMargin, kTableTop, g.right, g.bottom(), kFrame);
    }

    void writeBlock(int index, const SheetSubject& subject)
    {
        const SheetGeometry& g = geometry_;
        const PeriodColumns& columns = g.columns;
        const int top = g.blockTop(index);
        const int rowsBottom = g.rowTop(index, g.rows);
        fitted(kMargin + kInset, TextTop(top, rowsBottom - top, kCellPoints), subject.name, kCellPoints,
               kSubjectColumn - 2 * kInset);
        for (int row = 0; row < g.rows; ++row) {
            const int y = g.rowTop(index, row);
            const bool gradeRow = row == kSheetGradeRow;
            fitted(kMargin + kSubjectColumn + kInset, TextTop(y, kRow, kCellPoints),
                   gradeRow ? std::string("評定") : subject.viewpoints[row].name, kCellPoints,
                   kViewpointColumn - 2 * kInset);
            for (std::size_t c = 0; c < sheets_.periods.size(); ++c) {
                const int p = sheets_.periods[c];
                const int x = g.periodLeft(static_cast<int>(c));
                const std::string& letter = gradeRow ? subject.grade[p] : subject.viewpoints[row].marks[p].letter;
                const SheetPoint at = LetterPoint(g, index, row, static_cast<int>(c));
                const int letterRoom = columns.widths[columns.letter] - 2 * kInset;
                if (!letter.empty())
                    text(at.x, at.y, letter, kLetterPoints);
                else
                    fitted(x + columns.offset(columns.letter) + kInset, TextTop(y, kRow, kMarkPoints), kNoEvaluation, kMarkPoints,
                           letterRoom);
                if (!gradeRow)
                    writeFigures(subject.viewpoints[row].marks[p], x, y);
            }
            if (row > 0)
                line(kMargin + kSubjectColumn, y, g.right, y, gradeRow ? kThick : kThin);
        }
        // The period columns stop above the cut line under the block.
        line(kMargin + kSubjectColumn + kViewpointColumn, top, kMargin + kSubjectColumn + kViewpointColumn, rowsBottom,
             kThick);
        for (std::size_t c = 0; c < sheets_.periods.size(); ++c) {
            const int x = g.periodLeft(static_cast<int>(c));
            if (c > 0)
                line(x, top, x, rowsBottom, kThick);
            for (std::size_t k = 1; k < columns.widths.size(); ++k)
                line(x + columns.offset(static_cast<int>(k)), top, x + columns.offset(static_cast<int>(k)),
                     rowsBottom, kThin);
        }
        if (!subject.cuts.empty()) {
            line(kMargin + kSubjectColumn, rowsBottom, g.right, rowsBottom, kThin);
            fitted(kMargin + kSubjectColumn + kInset, TextTop(rowsBottom, kCutRow, kSmallPoints), subject.cuts, kSmallPoints,
                   g.right - kMargin - kSubjectColumn - 2 * kInset);
        }
        line(kMargin, top + g.blockHeight, g.right, top + g.blockHeight, kThick);
    }

    // The figure, rank and class average of a viewpoint in its period columns.
    void writeFigures(const SheetMark& mark, int x, int y)
    {
        const PeriodColumns& columns = geometry_.columns;
        const std::string figure = sheets_.criterion && !mark.figure.empty() ? mark.figure + "%" : mark.figure;
        // Padded to one width and centred, so the decimal points line up.
        const int characters = sheets_.criterion ? 7 : 6;  // "*100.0%", "*100.0"
        const std::string padded = std::string(std::max<int>(0, characters - HalfWidthUnits(figure)), ' ') + figure;
        const int left = std::max(kInset, (columns.widths[0] - TextWidth(padded, kFigurePoints)) / 2);
        if (!figure.empty())
            text(x + left, TextTop(y, kRow, kFigurePoints), padded, kFigurePoints);
        if (sheets_.criterion)
            return;
        text(x + columns.offset(1) + kInset, TextTop(y, kRow, kFigurePoints), mark.rank, kFigurePoints);
        if (!mark.classAverage.empty())
            text(x + columns.offset(3) + kInset, TextTop(y, kRow, kSmallPoints), "(" + mark.classAverage + ")",
                 kSmallPoints);
    }

    // The subjects without tests and the reasons for 評価なし; gives the
    // top of what follows.
    int writeNotes(const StudentSheet& student)
    {
        int y = geometry_.bottom() + kGap;
        const int room = contentRight_ - kMargin;
        if (!sheets_.unrecorded.empty()) {
            fitted(kMargin, y, sheets_.unrecorded, kNotePoints, room);
            y += kNoteLine;
        }
        const std::string label = "評価なしの理由　";
        const int indent = TextWidth(label, kNotePoints);
        for (std::size_t i = 0; i < student.missing.size(); ++i) {
            if (i == 0)
                text(kMargin, y, label, kNotePoints);
            fitted(kMargin + indent, y, student.missing[i], kNotePoints, room - indent);
            y += kNoteLine;
        }
        return y + kGap;
    }

    // The legend and the 所見 and 出欠 boxes at the foot of the first page;
    // gives the legend's top.
    int writeFoot()
    {
        const int boxTop = area_.height - kBoxHeight;
        const int width = contentRight_ - kMargin;
        const int split = kMargin + width * 68 / 100;
        frame(kMargin, boxTop, split - kGap, area_.height - kThick, kThick);
        frame(split, boxTop, contentRight_, area_.height - kThick, kThick);
        text(kMargin + kInset, boxTop + kInset, "所見", kNotePoints);
        text(split + kInset, boxTop + kInset, "出欠", kNotePoints);
        const int legendTop = boxTop - kGap - static_cast<int>(sheets_.legend.size()) * kLegendLine;
        int y = legendTop;
        for (const std::string& entry : sheets_.legend) {
            fitted(kMargin, y, entry, kSmallPoints, width);
            y += kLegendLine;
        }
        return legendTop;
    }

    void writeTests(const StudentSheet& student, int top, int bottom)
    {
        std::vector<TestLine> lines;
        for (int s : geometry_.blocks)
            for (int t = -1; t < static_cast<int>(student.subjects[s].tests.size()); ++t)
                lines.push_back({s, t, false});
        std::vector<TestBox> boxes;
        auto box = [&](std::size_t index) -> const TestBox& {
            while (boxes.size() <= index) {
                const std::size_t n = boxes.size();
                const int page = static_cast<int>(n / 2);
                const int left = kMargin + static_cast<int>(n % 2) * (testColumnWidth_ + kTestColumnGap);
                boxes.push_back(page == 0 ? TestBox{0, left, top, bottom}
                                          : TestBox{page, left, kContinuedTop, area_.height});
            }
            return boxes[index];
        };
        std::size_t at = 0;
        int y = box(0).top;
        int lastSubject = -1;
        for (const TestLine& entry : lines) {
            TestLine next = entry;
            const bool head = entry.test < 0;
            // A head needs one test below it; a test at the top of a column
            // gets its subject's head again.
            const int need = head ? kTestHead + kTestRow : kTestRow;
            if (y + need > box(at).bottom) {
                y = box(++at).top;
                if (!head) {
                    writeTestLine(student, {entry.subject, -1, true}, box(at), y);
                    y += kTestHead;
                    next.continued = true;  // names its semester again
                }
            } else if (head && lastSubject >= 0) {
                y += kGap;
            }
            writeTestLine(student, next, box(at), y);
            y += head ? kTestHead : kTestRow;
            lastSubject = entry.subject;
        }
    }

    void writeTestLine(const StudentSheet& student, const TestLine& entry, const TestBox& box, int y)
    {
        while (current_ < static_cast<std::size_t>(box.page)) {
            newPage();
            text(kMargin, 0, sheets_.title + "　つづき", kHeadPoints);
            text(kMargin, 280, "出席番号" + Str(student.number) + "　" + student.name, kHeadPoints);
        }
        const SheetSubject& subject = student.subjects[entry.subject];
        const int partsLeft = box.left + kSemesterWidth + kDateWidth + kTitleWidth;
        const int partWidth = (testColumnWidth_ - (partsLeft - box.left)) / kViewpoints;
        const int right = box.left + testColumnWidth_;
        if (entry.test < 0) {
            line(box.left, y, right, y, kThin);
            fitted(box.left + kInset, TextTop(y, kTestHead, kNotePoints),
                   subject.name + (entry.continued ? "（つづき）" : ""), kNotePoints, partsLeft - box.left - kInset);
            for (int v = 0; v < kViewpoints; ++v)
                fitted(partsLeft + v * partWidth, TextTop(y, kTestHead, kTestPoints), subject.viewpoints[v].name,
                       kTestPoints, partWidth - kInset);
            line(box.left, y + kTestHead, right, y + kTestHead, kThin);
            return;
        }
        const SheetTest& test = subject.tests[entry.test];
        const int textTop = TextTop(y, kTestRow, kTestPoints);
        if (entry.test == 0 || subject.tests[entry.test - 1].semester != test.semester || entry.continued)
            fitted(box.left + kInset, TextTop(y, kTestRow, kTestSmallPoints), sheets_.periodNames[test.semester],
                   kTestSmallPoints, kSemesterWidth - kInset);
        // Few texts per row keep 40 sheets quick to draw: a short date is
        // padded (the font's half-width characters are all one width) and
        // shares its text with the title, the points theirs with the class
        // average.
        const int dateUnits = HalfWidthUnits(test.date);
        if (dateUnits <= kDateUnits) {
            fitted(box.left + kSemesterWidth, textTop, test.date + std::string(kDateUnits + 1 - dateUnits, ' ') + test.title,
                   kTestPoints, kDateWidth + kTitleWidth - kInset);
        } else {
            fitted(box.left + kSemesterWidth, textTop, test.date, kTestPoints, kDateWidth - kInset);
            fitted(box.left + kSemesterWidth + kDateWidth, textTop, test.title, kTestPoints, kTitleWidth - kInset);
        }
        for (int v = 0; v < kViewpoints; ++v) {
            const SheetTestPart& part = test.parts[v];
            fitted(partsLeft + v * partWidth, textTop,
                   part.points + (part.classAverage.empty() ? "" : " (" + part.classAverage + ")"), kTestPoints,
                   partWidth - kInset);
        }
    }

    const ClassSheets& sheets_;
    const std::string& date_;
    const PrintArea area_;
    const SheetGeometry geometry_;
    int contentRight_ = 0;
    int testColumnWidth_ = 0;
    PageDocument* pages_ = nullptr;
    std::size_t first_ = 0;
    std::size_t current_ = 0;
};

} // namespace

SheetPoint SheetLetterPoint(const ClassSheets& sheets, const PrintArea& area, int subject, int row, int column)
{
    const SheetGeometry geometry(sheets, area);
    const int index = geometry.blockIndex(subject);
    return index < 0 ? SheetPoint{-1, -1} : LetterPoint(geometry, index, row, column);
}

PageDocument LayoutStudentSheets(const ClassSheets& sheets, const std::string& dateText, const PrintArea& area)
{
    PageDocument pages;
    SheetWriter writer(sheets, dateText, area);
    for (const StudentSheet& student : sheets.students)
        writer.write(student, pages);
    return pages;
}

} // namespace miravel
