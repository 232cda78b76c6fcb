#include "editors/criteria/CriteriaGraphPages.h"

#include "editors/criteria/DistributionGraph.h"
#include "grades/GridBase.h"

namespace miravel {

namespace {

constexpr char kMincho[] = "ＭＳ 明朝";
constexpr char kVersionLine[] = "Miravel Ver1.2.0";
constexpr Rgb kBlue = 0x0000FF;

constexpr int kPrintedGraphLeft = 3000;
constexpr int kPrintedGraphTops[kViewpoints] = {2340, 6860, 11280};
constexpr int kYearRoundGraphTops[kViewpoints] = {1060, 3460, 5860};
constexpr int kSemesterGraphTops[kViewpoints] = {340, 2860, 5280};

// A printed text ends its line: the next one starts a line of its own font
// size lower (a point is 20 twips).
int LineHeight(double points) { return static_cast<int>(points * 20); }

int Count(const CheckedArray<CheckedArray<Integer, kSubjectViewpoints>, kPeriods>& counts, int period, int subject,
          int viewpoint)
{
    return counts[period][subject * kViewpoints + viewpoint];
}

} // namespace

int CriteriaGraphSlot(int period, int subject, int viewpoint)
{
    return period == kYearRoundPeriod ? YearRoundSlot(subject, viewpoint)
                                      : SemesterSummarySlot(period, subject, viewpoint);
}

int ScreenGraphTop(int period, int viewpoint)
{
    return period == kYearRoundPeriod ? kYearRoundGraphTops[viewpoint] : kSemesterGraphTops[viewpoint];
}

Page ScreenGraph(const GradeBook& book, int period, int subject, int viewpoint, int countA, int countC)
{
    Page page;
    DrawDistributionGraph(page, GraphTarget::Screen, book, CriteriaGraphSlot(period, subject, viewpoint),
                          kScreenGraphLeft, ScreenGraphTop(period, viewpoint), countA, countC, subject, viewpoint);
    return page;
}

Page CriteriaGraphPage(const GradeBook& book, int period, int subject, const std::string& date, int pageWidth)
{
    Page page;
    page.landscape = false;
    // Printed line widths are the printer's own dots, as on the table page;
    // in screen pixels the axes would come out a millimetre thick.
    page.lineWidthTwips = kPrinterDotTwips;
    auto& items = page.items;
    items.push_back(PageText{pageWidth - 1000, 400, date, kMincho, 10.5, kButtonText});
    items.push_back(PageText{2000, 440, kVersionLine, kMincho, 12, kBlue});
    // An empty 16 pt line, then the class line and the title in 16 pt.
    int y = 440 + LineHeight(12) + LineHeight(16);
    items.push_back(PageText{2000, y, CaptionLine(book), kMincho, 16, kButtonText});
    y += LineHeight(16);
    const std::string& name = book.SubjectTable[subject][0];
    const std::string title = period == kYearRoundPeriod ? name + " 通年の集計グラフ"
                                                         : name + " " + book.SemesterNames[period] + "の集計グラフ";
    items.push_back(PageText{2000, y, title, kMincho, 16, kButtonText});

    for (int v = 0; v < kViewpoints; ++v)
        DrawDistributionGraph(page, GraphTarget::Printer, book, CriteriaGraphSlot(period, subject, v),
                              kPrintedGraphLeft, kPrintedGraphTops[v], Count(book.RankCountA, period, subject, v),
                              Count(book.RankCountC, period, subject, v), subject, v);
    return page;
}

Page YearRoundGraphPage(const GradeBook& book, int subject, const std::string& date, int pageWidth)
{
    return CriteriaGraphPage(book, kYearRoundPeriod, subject, date, pageWidth);
}

Page SemesterGraphPage(const GradeBook& book, int subject, int semester, const std::string& date, int pageWidth)
{
    return CriteriaGraphPage(book, semester, subject, date, pageWidth);
}

} // namespace miravel
