// Reading and writing a fully populated grade book.

#include "core/Defaults.h"
#include "file/GradeBookFile.h"
#include "file/SystemCalls.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

void BM_EncodeGradeBook(benchmark::State& state)
{
    const auto book = FullBook();
    std::string bytes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeGradeBook(*book, bytes));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncodeGradeBook)->Unit(benchmark::kMillisecond);

void BM_ParseGradeBook(benchmark::State& state)
{
    std::string bytes;
    EncodeGradeBook(*FullBook(), bytes);
    auto document = std::make_unique<GradeDocument>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseGradeBook(bytes, *document));
}
BENCHMARK(BM_ParseGradeBook)->Unit(benchmark::kMillisecond);

// Whole read from disk (file in the page cache).
void BM_ReadGradeBook(benchmark::State& state)
{
    const std::string path = "/tmp/miravel-bench-" + std::to_string(::getpid()) + ".txt";
    WriteGradeBook(path, *FullBook());
    auto document = std::make_unique<GradeDocument>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadGradeBook(path, *document));
    std::remove(path.c_str());
    std::remove(("/tmp/miravel-bench-" + std::to_string(::getpid()) + ".bak").c_str());
}
BENCHMARK(BM_ReadGradeBook)->Unit(benchmark::kMillisecond);

// Whole save to disk with backup, renames and cleanup, without the fsyncs
// (their cost is the disk's, not the program's).
void BM_SaveGradeBookWithoutFsync(benchmark::State& state)
{
    const std::string path = "/tmp/miravel-bench-s" + std::to_string(::getpid()) + ".txt";
    const auto book = FullBook();
    SystemCalls unsynced = RealSystemCalls();
    unsynced.fsync = [](int) { return 0; };
    ScopedSystemCalls scoped(unsynced);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGradeBook(path, *book));
    std::remove(path.c_str());
    std::remove(("/tmp/miravel-bench-s" + std::to_string(::getpid()) + ".bak").c_str());
}
BENCHMARK(BM_SaveGradeBookWithoutFsync)->Unit(benchmark::kMillisecond);

// Whole save to disk with backup copy, rename and fsync (for the record;
// the fsync dominates and depends on the disk).
void BM_WriteGradeBook(benchmark::State& state)
{
    const std::string path = "/tmp/miravel-bench-w" + std::to_string(::getpid()) + ".txt";
    const auto book = FullBook();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGradeBook(path, *book));
    std::remove(path.c_str());
    std::remove(("/tmp/miravel-bench-w" + std::to_string(::getpid()) + ".bak").c_str());
}
BENCHMARK(BM_WriteGradeBook)->Unit(benchmark::kMillisecond);

} // namespace
