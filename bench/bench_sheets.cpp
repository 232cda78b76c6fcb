// The per-student sheets of a full class (40 pages) laid out and drawn into
// a PDF, and the check list of a full book.

#include "grades/LetterChecks.h"
#include "grades/StudentSheets.h"
#include "platform/JapaneseFonts.h"
#include "print/PdfFile.h"
#include "print/StudentSheetPage.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

void BM_StudentSheetsIntoPdf(benchmark::State& state)
{
    InstallFontSubstitutions();
    auto book = FullBook();
    const QPageLayout paper = PdfPageLayout(false);
    std::string bytes;
    for (auto _ : state) {
        const ClassSheets sheets = GatherStudentSheets(*book, NamedStudents(*book));
        const PageDocument pages = LayoutStudentSheets(sheets, "2025/07/18", PrintAreaOf(paper));
        // A full book's test list runs over to a second page for everyone.
        if (pages.size() < kStudents || pages.size() > 2 * kStudents || !RenderPdf(pages, paper, sheets.caption, bytes))
            state.SkipWithError("the sheets could not be drawn");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_StudentSheetsIntoPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CheckList(benchmark::State& state)
{
    auto book = FullBook();
    book->Evaluation.CheckedLetters = RecordLetters(*book);  // a record to compare with
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<GradeFinding> findings = CheckGrades(*book);
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = static_cast<double>(found);
}
BENCHMARK(BM_CheckList)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
