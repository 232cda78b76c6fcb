// Reading and writing a fully populated grade book.

#include "core/Defaults.h"
#include "file/GradeBookFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace miravel;

std::unique_ptr<GradeBook> fullBook()
{
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    book->SchoolYear = "2026";
    book->GradeLevel = "4年";
    book->ClassName = "2組";
    book->TeacherName = "山田 花子";
    book->StudentCount = 40;
    for (int i = 0; i < kStudents; ++i)
        book->StudentNames[i] = "生徒" + std::to_string(i + 1) + " 名前";
    for (int slot = 0; slot < kSlots; ++slot)
        for (int c = 0; c < kColumns; ++c)
            book->Scores[slot][c] = static_cast<float>((slot * 7 + c * 13) % 1000) / 10.0f;
    for (int p = 0; p < kPeriods; ++p)
        for (int k = 0; k < kSubjectViewpoints; ++k) {
            book->RankCountA[p][k] = 12;
            book->RankCountC[p][k] = 4;
        }
    return book;
}

void BM_EncodeGradeBook(benchmark::State& state)
{
    const auto book = fullBook();
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
    EncodeGradeBook(*fullBook(), bytes);
    auto document = std::make_unique<GradeDocument>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseGradeBook(bytes, *document));
}
BENCHMARK(BM_ParseGradeBook)->Unit(benchmark::kMillisecond);

// Whole read from disk (file in the page cache).
void BM_ReadGradeBook(benchmark::State& state)
{
    const std::string path = "/tmp/miravel-bench-" + std::to_string(::getpid()) + ".txt";
    WriteGradeBook(path, *fullBook());
    auto document = std::make_unique<GradeDocument>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadGradeBook(path, *document));
    std::remove(path.c_str());
    std::remove(("/tmp/miravel-bench-" + std::to_string(::getpid()) + ".bak").c_str());
}
BENCHMARK(BM_ReadGradeBook)->Unit(benchmark::kMillisecond);

// Whole save to disk with backup copy, rename and fsync (for the record;
// the fsync dominates and depends on the disk).
void BM_WriteGradeBook(benchmark::State& state)
{
    const std::string path = "/tmp/miravel-bench-w" + std::to_string(::getpid()) + ".txt";
    const auto book = fullBook();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGradeBook(path, *book));
    std::remove(path.c_str());
    std::remove(("/tmp/miravel-bench-w" + std::to_string(::getpid()) + ".bak").c_str());
}
BENCHMARK(BM_WriteGradeBook)->Unit(benchmark::kMillisecond);

} // namespace
