// The recovery copy of unsaved work: writing the copy of a full 40-student
// book (the copy and its side record, fsync left out: it depends on the
// disk, not on the program), and how often copies are written while changes
// come as fast as the program can make them. Medians over 10 repetitions.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/RecoveryCopy.h"
#include "file/SystemCalls.h"
#include "mainwindow/RecoveryKeeper.h"

#include "FullBook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

// The real system calls, but fsync returns at once.
SystemCalls withoutFsync()
{
    SystemCalls calls = RealSystemCalls();
    calls.fsync = [](int) { return 0; };
    return calls;
}

void BM_WriteRecoveryCopy(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto book = FullBook();
    RecoveryRecord record = RecoveryFilesFor(dir.filePath(QStringLiteral("recovery")).toStdString(),
                                             "/home/先生/成績/3年1組.txt", 1234);
    record.time = "2025/04/07 09:30:15";
    const SystemCalls calls = withoutFsync();
    const ScopedSystemCalls noFsync(calls);
    for (auto _ : state) {
        if (WriteRecoveryCopy(record, *book))
            state.SkipWithError("the recovery copy could not be written");
    }
}
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// One second of changes, one after another with the event loop running in
// between (as an editor registering a change on every keystroke would):
// the copies written stay at one per 250 ms.
void BM_RecoveryCopiesPerSecondOfChanges(benchmark::State& state)
{
    QTemporaryDir dir;
    auto fresh = std::make_unique<GradeBook>();
    Book() = std::move(*fresh);
    InitDefaults(Book());
    *static_cast<GradeDocument*>(&Book()) = *FullBook();
    const SystemCalls calls = withoutFsync();
    const ScopedSystemCalls noFsync(calls);
    double copiesPerSecond = 0;
    long changes = 0;
    for (auto _ : state) {
        RecoveryKeeper keeper(dir.filePath(QStringLiteral("recovery")),
                              [] { return QStringLiteral("2025/04/07 09:30:15"); }, [](const QString&) {});
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) {
            keeper.DocumentChanged();
            ++changes;
            QCoreApplication::processEvents();
        }
        copiesPerSecond = keeper.CopiesWritten() * 1000.0 / static_cast<double>(clock.elapsed());
        keeper.Forget();
    }
    state.counters["copies_per_s"] = copiesPerSecond;
    state.counters["changes"] = benchmark::Counter(static_cast<double>(changes), benchmark::Counter::kAvgIterations);
    if (copiesPerSecond > 1000.0 / RecoveryKeeper::kShortestGapMs + 1)
        state.SkipWithError("copies are written more often than once per 250 ms");
}
BENCHMARK(BM_RecoveryCopiesPerSecondOfChanges)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
