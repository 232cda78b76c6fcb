#pragma once
// The distribution graph of one viewpoint: the students' averages of one
// score slot stacked as squares in 20 columns, each square coloured by the
// letter the views would give the student under the given A and C counts
// (C magenta, B yellow, A green; ties share the letter), with a dotted line at the
// class average and a scale in students. The numbers come from a plain
// function; the drawing is laid out as page items in twips, on the screen
// geometry or the 1.8 times larger printer geometry.

#include "core/GradeBook.h"
#include "print/PageLayout.h"

#include <array>
#include <vector>

namespace miravel {

constexpr int kGraphColumns = 20;

constexpr Rgb kGraphA = kGreen;
constexpr Rgb kGraphB = kYellow;
constexpr Rgb kGraphC = kMagenta;

enum class GraphTarget { Screen, Printer };

// One student's square: its column, its height in the stack (0 on the base
// line) and its colour.
struct GraphSquare {
    int column = 0;
    int level = 0;
    Rgb fill = kGraphB;
};

struct GraphNumbers {
    // False when no value is above 0: no column labels and no average line;
    // squares of students at 0 still stand in the first column.
    bool hasValues = false;
    int hi = 1;         // top value: the largest value rounded, plus 1
    double lo = 999;    // bottom value: the smallest value above 0, minus 1
    int width = 0;      // score units per column
    std::array<int, kGraphColumns> labels{};
    std::array<int, kGraphColumns> counts{};
    // Columns from the lowest up, each stack from the base line up.
    std::vector<GraphSquare> squares;
    // How many squares carry each letter (the printed counts line).
    int countA = 0;
    int countB = 0;
    int countC = 0;
    // The class average without its absence mark; none while it is unset.
    bool hasAverage = false;
    double average = 0;
};

// Reads the student values and the class average of `slot`.
GraphNumbers ComputeGraphNumbers(const GradeBook& book, int slot, int countA, int countC);

// The title the screen graph carries: subject, viewpoint and 平均点の集計グラフ.
std::string ScreenGraphTitle(const GradeBook& book, int subject, int viewpoint);

// Where the screen graph's title starts, right of the graph's left edge, in twips.
int ScreenGraphTitleOffset();

// Appends the graph of viewpoint `viewpoint` of `subject` to `target`, with
// its top-left reference point at (left, top) twips. Nothing is cleared: a
// graph drawn again at the same place covers the old one square for square.
void DrawDistributionGraph(Page& target, GraphTarget geometry, const GradeBook& book, int slot, int left, int top,
                           int countA, int countC, int subject, int viewpoint);

} // namespace miravel
