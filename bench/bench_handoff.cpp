// The hand-off export. Run with --benchmark_filter=Handoff; compare the medians.
//   BM_Handoff{Criterion,Relative}: one file of 40 students x 6 subjects
//     through the code page 932 profile, in process: the check before
//     writing, the rows and the encoding.
//   BM_HandoffWrite: the same with the safe write to disk (flushed, so the
//     disk's own latency dominates).

#include "file/HandoffFile.h"
#include "file/SafeWrite.h"
#include "grades/HandoffCheck.h"
#include "grades/HandoffRows.h"

#include <QTemporaryDir>

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;

void HandoffFile(benchmark::State& state, EvaluationMode mode, bool write)
{
    auto book = bench::FullBook();
    book->Evaluation.Mode = mode;
    for (int i = 0; i < kStudents; ++i)
        book->Evaluation.StudentCodes[i] = "S2025" + std::to_string(100 + i);
    HandoffProfile profile;
    ReadHandoffProfile(MIRAVEL_SOURCE_PROFILES "/marks.miravel-profile", profile);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("提出.csv")).toStdString();
    for (auto _ : state) {
        const std::vector<GradeFinding> findings = CheckBeforeHandoff(*book, profile);
        std::string bytes;
        EncodeHandoffRows(HandoffRows(*book, 0, profile), profile.encoding, bytes);
        SaveReport report;
        if (write)
            WriteExportWithBackup(path, bytes, report);
        benchmark::DoNotOptimize(findings.size());
    }
}

void BM_HandoffCriterion(benchmark::State& state) { HandoffFile(state, EvaluationMode::Criterion, false); }
void BM_HandoffRelative(benchmark::State& state) { HandoffFile(state, EvaluationMode::Relative, false); }
void BM_HandoffWrite(benchmark::State& state) { HandoffFile(state, EvaluationMode::Criterion, true); }

} // namespace

BENCHMARK(BM_HandoffCriterion)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HandoffRelative)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HandoffWrite)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
