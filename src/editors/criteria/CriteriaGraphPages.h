#pragma once
// Where the criteria editors put the distribution graphs of one subject:
// on the window (one graph per viewpoint) and on the printed page (the
// three graphs under the class line and a title). `period` is a semester
// 0..2 or kYearRoundPeriod.

#include "core/GradeBook.h"
#include "print/PageLayout.h"

#include <string>

namespace miravel {

// A4 portrait, 210 mm.
constexpr int kPortraitPageWidth = 11906;

// The score slot whose averages a graph shows: the year-round or the
// semester summary of the viewpoint.
int CriteriaGraphSlot(int period, int subject, int viewpoint);

// One viewpoint's graph as the editor window draws it.
constexpr int kScreenGraphLeft = 3975;
int ScreenGraphTop(int period, int viewpoint);
Page ScreenGraph(const GradeBook& book, int period, int subject, int viewpoint, int countA, int countC);

// The printed page of the three graphs with the stored counts. `date` is
// today's date as the desktop writes it, put 1000 twips left of the right
// edge of a page `pageWidth` twips wide.
Page CriteriaGraphPage(const GradeBook& book, int period, int subject, const std::string& date, int pageWidth);
Page YearRoundGraphPage(const GradeBook& book, int subject, const std::string& date = std::string(),
                        int pageWidth = kPortraitPageWidth);
Page SemesterGraphPage(const GradeBook& book, int subject, int semester, const std::string& date = std::string(),
                       int pageWidth = kPortraitPageWidth);

} // namespace miravel
