// Each grade view drawn into the table model for a full class of 40 students
// with every test and summary score set.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "grades/GradeViews.h"
#include "grades/GridBase.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

template <void (*View)(GradeBook&, TablePane&)>
void BM_View(benchmark::State& state)
{
    auto book = FullBook();
    book->CurrentSubject = 2;
    book->CurrentSemester = 1;
    book->CurrentTest = 3;
    book->CurrentViewpoint = 1;
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
