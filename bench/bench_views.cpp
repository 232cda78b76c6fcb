// Each grade view drawn into the table model for a full class of 40 students
// with every test and summary score set.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "mainwindow/views/GradeViews.h"
#include "mainwindow/views/GridBase.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace miravel;

std::unique_ptr<GradeBook> FullBook()
{
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    book->SchoolYear = "2024";
    book->GradeLevel = "5年";
    book->ClassName = "2組";
    book->TeacherName = "山田 花子";
    book->StudentCount = kStudents;
    for (int i = 0; i < kStudents; ++i)
        book->StudentNames[i] = "生徒" + std::to_string(i + 1);
    for (int slot = 0; slot < kSlots; ++slot) {
        for (int i = 0; i < kStudents; ++i)
            book->Scores[slot][i] = static_cast<float>((slot * 7 + i * 13) % 100) + (i % 3 == 0 ? 0.5f : 0.0f);
        book->Scores[slot][3] = 10000.0f + 55.3f; // an average with an absence
        book->Scores[slot][kAverageColumn] = 61.7f;
    }
    for (auto& period : book->RankCountA)
        period.fill(12);
    for (auto& period : book->RankCountC)
        period.fill(4);
    book->CurrentSubject = 2;
    book->CurrentSemester = 1;
    book->CurrentTest = 3;
    book->CurrentViewpoint = 1;
    return book;
}

template <void (*View)(GradeBook&, TablePane&)>
void BM_View(benchmark::State& state)
{
    auto book = FullBook();
    TablePane pane;
    MSFlexGrid1_init(*book, pane.Grid);
    for (auto _ : state) {
        View(*book, pane);
        benchmark::DoNotOptimize(pane.Grid.Revision());
    }
}

void BM_TestView(benchmark::State& state) { BM_View<ShowTestView>(state); }
void BM_SemesterView(benchmark::State& state) { BM_View<ShowSemesterView>(state); }
void BM_YearRoundView(benchmark::State& state) { BM_View<ShowYearRoundView>(state); }
void BM_ViewpointView(benchmark::State& state) { BM_View<ShowViewpointView>(state); }

} // namespace

BENCHMARK(BM_TestView);
BENCHMARK(BM_SemesterView);
BENCHMARK(BM_YearRoundView);
BENCHMARK(BM_ViewpointView);
