#include "editors/criteria/DistributionGraph.h"

#include "core/TextRules.h"
#include "grades/CellRules.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace miravel {

namespace {

// Lengths in twips; the printer draws everything 1.8 times larger, except
// the label row stagger and the scale label offset, which suit its fonts.
struct Geometry {
    int tx, ty;        // title text
    int ox, oy;        // origin (bottom of the vertical axis)
    int axis;          // base-line length
    int pitch;         // column pitch
    int bx, box, unit; // square offset, side, stack unit
    int lx, ly, stagger;
    int sx, scale;     // scale labels: x offset, height of 5 students
    int axisWidth;     // drawing width of the two axes
};

constexpr Geometry kScreen{1200, 300, 485, 2000, 3150, 150, 25, 100, 100, 5, 10, 150, 10, 500, 2};
constexpr Geometry kPrinter{2160, 540, 873, 3600, 5670, 270, 45, 180, 180, 9, 18, 135, 72, 900, 4};

constexpr char kMincho[] = "ＭＳ 明朝";
constexpr char kGothic[] = "ＭＳ ゴシック";

// Summary values of 10000 and more carry the absence mark.
double WithoutAbsenceMark(float value)
{
    return value >= kAbsenceMark ? static_cast<double>(value) - kAbsenceMark : static_cast<double>(value);
}

// Student columns 0..StudentCount: one beyond the highest attendance
// number, a reserved column that stays -1; names are not consulted.
int LastRangeColumn(const GradeBook& book) { return std::clamp<int>(book.StudentCount, 0, kStudents); }

// The semester or year-round column the graph's slot stands for, with the
// views' base: the enrolled students.
LetterRule GraphLetterRule(const GradeBook& book, int slot, int countA, int countC)
{
    const int yearRound = YearRoundSlot(0, 0);
    const int semesterBlock = TestSlot(1, 0, 0, 0);
    const int subjectBlock = TestSlot(0, 1, 0, 0);
    const int period = slot >= yearRound ? kYearRoundPeriod : slot / semesterBlock;
    const int subject = slot >= yearRound ? (slot - yearRound) / kParts : slot % semesterBlock / subjectBlock;
    return {period, subject, slot % kParts, countA, countC, book.CountEnrolledStudents()};
}

Rgb LetterFill(const std::string& letter)
{
    return letter == "A" ? kGraphA : letter == "C" ? kGraphC : kGraphB;
}

void CountLetter(GraphNumbers& g, const std::string& letter)
{
    ++(letter == "A" ? g.countA : letter == "C" ? g.countC : g.countB);
}

} // namespace

GraphNumbers ComputeGraphNumbers(const GradeBook& book, int slot, int countA, int countC)
{
    GraphNumbers g;
    const auto& scores = book.Scores[slot];

    std::optional<double> largest, smallest;
    for (int i = 0; i <= LastRangeColumn(book); ++i) {
        const double v = WithoutAbsenceMark(scores[i]);
        if (v <= 0)
            continue;
        largest = std::max(largest.value_or(v), v);
        smallest = std::min(smallest.value_or(v), v);
    }
    const double max = largest ? RoundHalfEven(*largest) : 0;
    const double min = smallest ? *smallest : 1000;
    g.hi = static_cast<int>(max) + 1;
    g.lo = min - 1;
    g.hasValues = largest.has_value();
    if (g.hasValues) {
        g.width = static_cast<int>(std::ceil((g.hi - g.lo) / kGraphColumns));
        const int base = static_cast<int>(std::round(g.lo)); // halves away from zero
        for (int i = 0; i < kGraphColumns; ++i)
            g.labels[i] = base + i * g.width;
        if (g.labels[kGraphColumns - 1] < g.hi)
            g.labels[kGraphColumns - 1] = g.hi;
    }

    // Every named student with a value gets the square of the letter the
    // views give him: the same ranking, base and counts.
    const LetterRule rule = GraphLetterRule(book, slot, countA, countC);
    const ColumnGrades grades = GradeColumn(book, slot, &rule);
    struct Placed {
        int column;
        double value;
        Rgb fill;
    };
    std::vector<Placed> placed;
    const int lastStudent = std::min<int>(book.StudentCount, kStudents);
    for (int i = 0; i < lastStudent; ++i) {
        if (book.StudentNames[i].empty() || scores[i] == kNoValue || scores[i] == kAbsent)
            continue;
        const double v = WithoutAbsenceMark(scores[i]);
        // 0 and below go in the first column; the top value and above in the last.
        const int column = g.hasValues ? std::clamp(static_cast<int>(RoundHalfEven((v - g.lo) / g.width)), 0,
                                                    kGraphColumns - 1)
                                       : 0;
        placed.push_back({column, v, LetterFill(grades[i].letter)});
        ++g.counts[column];
        CountLetter(g, grades[i].letter);
    }

    // Each column stacks its students from the lowest value up.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.column != b.column ? a.column < b.column : a.value < b.value;
    });
    int level = 0;
    for (std::size_t k = 0; k < placed.size(); ++k) {
        level = k > 0 && placed[k - 1].column == placed[k].column ? level + 1 : 0;
        g.squares.push_back({placed[k].column, level, placed[k].fill});
    }

    const double average = WithoutAbsenceMark(scores[kAverageColumn]);
    g.hasAverage = average >= 0;
    g.average = average;
    return g;
}

std::string ScreenGraphTitle(const GradeBook& book, int subject, int viewpoint)
{
    return book.SubjectTable[subject][0] + " " + book.SubjectTable[subject][viewpoint + 1] + " 平均点の集計グラフ";
}

int ScreenGraphTitleOffset() { return kScreen.tx; }

void DrawDistributionGraph(Page& target, GraphTarget geometry, const GradeBook& book, int slot, int left, int top,
                           int countA, int countC, int subject, int viewpoint)
{
    const bool printer = geometry == GraphTarget::Printer;
    const Geometry& k = printer ? kPrinter : kScreen;
    const GraphNumbers g = ComputeGraphNumbers(book, slot, countA, countC);
    const std::string& viewpointName = book.SubjectTable[subject][viewpoint + 1];
    auto& items = target.items;

    // The screen uses the window's own font; the printer names its fonts.
    const std::string titleFont = printer ? kMincho : "";
    const double titlePoints = printer ? 12 : 0;
    const std::string labelFont = printer ? kGothic : "";
    const double labelPoints = printer ? 11 : 0;

    const std::string title =
        printer ? viewpointName + "  A:" + Str(g.countA) + "人  B:" + Str(g.countB) + "人  C:" + Str(g.countC) + "人"
                : ScreenGraphTitle(book, subject, viewpoint);
    items.push_back(PageText{left + k.tx, top + k.ty, title, titleFont, titlePoints, kBlack});

    const int x0 = left + k.ox;
    const int y0 = top + k.oy;
    items.push_back(PageLine{x0, y0, x0 + k.axis, y0, k.axisWidth, false, kBlack});
    items.push_back(PageLine{x0, y0, x0, top, k.axisWidth, false, kBlack});

    // Column labels alternate between two rows so neighbours do not collide.
    if (g.hasValues) {
        for (int i = 0; i < kGraphColumns; ++i)
            items.push_back(PageText{x0 + k.lx + k.pitch * i, y0 + k.ly + k.stagger * (i % 2), Str(g.labels[i]),
                                     labelFont, labelPoints, kBlack});
    }
    for (int step = 1; step <= 4; ++step) {
        const std::string text = step == 1 ? "  5人" : Str(5 * step) + "人";
        items.push_back(PageText{left + k.sx, y0 - step * k.scale, text, labelFont, labelPoints, kBlack});
    }

    for (const GraphSquare& square : g.squares) {
        const int x = x0 + k.bx + k.pitch * square.column;
        items.push_back(PageRect{x, y0 - k.unit * square.level, x + k.box, y0 - k.unit * (square.level + 1), 1,
                                 kBlack, true, square.fill});
    }

    if (g.hasValues && g.hasAverage) {
        const int x = x0 + static_cast<int>(std::lround((g.average - g.lo) / g.width * k.pitch));
        items.push_back(PageLine{x, y0, x, top, 1, true, kBlack});
    }
}

} // namespace miravel
