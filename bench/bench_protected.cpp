// Password-protected books: deriving the key (once per open), a save of a
// changed book against a plain save, and the sealed recovery copy against the
// plain one; fsync left out (its cost is the disk's, not the program's).

#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/RecoveryCopy.h"
#include "file/SystemCalls.h"

#include "FullBook.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

SystemCalls withoutFsync()
{
    SystemCalls calls = RealSystemCalls();
    calls.fsync = [](int) { return 0; };
    return calls;
}

void BM_ProtectedDeriveKey(benchmark::State& state)
{
    FileResult error;
    for (auto _ : state)
        benchmark::DoNotOptimize(BookKey::Create("password1", DefaultKdfCost(), error));
}
BENCHMARK(BM_ProtectedDeriveKey)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);

// A save of a book changed since the last one (a score toggles), as the
// window saves it: plain (book, then its settings file) or sealed.
void BM_ProtectedSaveChanged(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("3年1組.txt")).toStdString();
    const auto book = FullBook();
    book->Evaluation.Mode = EvaluationMode::Criterion;
    FileResult error;
    const auto key = state.range(0) ? BookKey::Create("password1", LowestKdfCost(), error) : nullptr;
    const SystemCalls calls = withoutFsync();
    const ScopedSystemCalls noFsync(calls);
    SaveReport report;
    for (auto _ : state) {
        book->Scores[0][0] = book->Scores[0][0] == 50.0f ? 60.0f : 50.0f;
        const bool failed = key ? WriteProtectedBook(path, *book, *key, report).has_value()
                                : WriteGradeBook(path, *book, report) || WriteCompanion(path, book->Evaluation);
        if (failed)
            state.SkipWithError("the book could not be saved");
    }
}
BENCHMARK(BM_ProtectedSaveChanged)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_ProtectedRecoveryCopy(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto book = FullBook();
    RecoveryRecord record = RecoveryFilesFor(dir.filePath(QStringLiteral("recovery")).toStdString(),
                                             "/home/先生/成績/3年1組.mrvl", 1234);
    record.time = "2025/04/07 09:30:15";
    FileResult error;
    const auto key = state.range(0) ? BookKey::Create("password1", LowestKdfCost(), error) : nullptr;
    const SystemCalls calls = withoutFsync();
    const ScopedSystemCalls noFsync(calls);
    for (auto _ : state)
        if (WriteRecoveryCopy(record, *book, 0, key.get()))
            state.SkipWithError("the recovery copy could not be written");
}
BENCHMARK(BM_ProtectedRecoveryCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
