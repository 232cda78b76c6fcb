// One printed table page of a full class of 40: laid out as data, and laid
// out and drawn into a PDF (the work of the print command and --print-pdf).

#include "core/GradeBook.h"
#include "grades/GradeViews.h"
#include "grades/GridBase.h"
#include "grades/TreeNodes.h"
#include "platform/JapaneseFonts.h"
#include "print/PdfFile.h"
#include "print/TablePage.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

struct SemesterTable {
    std::unique_ptr<GradeBook> book = FullBook();
    TablePane pane;
    std::string key = SemesterNodeKey(2, 1);

    SemesterTable()
    {
        MSFlexGrid1_init(*book, pane.Grid);
        ShowNodeView(*book, pane, SelectNodeIndexes(*book, key));
    }

    PageDocument layOut(const PrintArea& area) const
    {
        return LayoutTablePages({pane.Grid, pane.Caption, book->ShownColumnCount, key, "2025/04/07"}, area);
    }
};

void BM_TablePageLayout(benchmark::State& state)
{
    const SemesterTable table;
    const PrintArea area = PrintAreaOf(PdfPageLayout(true));
    for (auto _ : state)
        benchmark::DoNotOptimize(table.layOut(area));
}
BENCHMARK(BM_TablePageLayout)->Unit(benchmark::kMicrosecond);

void BM_TablePageIntoPdf(benchmark::State& state)
{
    InstallFontSubstitutions();
    const SemesterTable table;
    const QPageLayout paper = PdfPageLayout(true);
    const PrintArea area = PrintAreaOf(paper);
    std::string bytes;
    for (auto _ : state) {
        const PageDocument pages = table.layOut(area);
        if (!RenderPdf(pages, paper, table.pane.Caption, bytes))
            state.SkipWithError("the PDF could not be drawn");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_TablePageIntoPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
