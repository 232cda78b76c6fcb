// The evaluation list and the mode switch. Run with
// --benchmark_filter=Evaluation; compare the medians.
//   BM_EvaluationList*: the list of 40 students x 6 subjects for one period,
//     drawn into a table (criterion and relative mode).
//   BM_EvaluationModeSwitch: the main window showing a semester table, the
//     mode switched as 評価の方法's 登録 does, and the table redrawn on screen.

#include "core/GradeBook.h"
#include "file/GradeBookFile.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "grades/EvaluationList.h"
#include "platform/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;

void ListOfOnePeriod(benchmark::State& state, EvaluationMode mode)
{
    auto book = bench::FullBook();
    book->Evaluation.Mode = mode;
    TablePane pane;
    int period = 0;
    for (auto _ : state) {
        ShowEvaluationListView(*book, pane, period);
        period = (period + 1) % kPeriods;
        benchmark::DoNotOptimize(pane.Grid.TextMatrix(2, 5));
    }
}

void BM_EvaluationListCriterion(benchmark::State& state) { ListOfOnePeriod(state, EvaluationMode::Criterion); }
void BM_EvaluationListRelative(benchmark::State& state) { ListOfOnePeriod(state, EvaluationMode::Relative); }

void BM_EvaluationModeSwitch(benchmark::State& state)
{
    auto fresh = std::make_unique<GradeBook>();
    Book() = std::move(*fresh);
    ScriptedPlatform platform;
    frmMain window(platform);
    window.show();
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("full.txt")).toStdString();
    WriteGradeBook(path, *bench::FullBook());
    window.openFile(QString::fromStdString(path));
    window.TreeView1_NodeClick(window.TreeView1->NodeByKey(QStringLiteral("1 2 0")));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        GradeBook& book = Book();
        book.Evaluation.Mode = book.Evaluation.Criterion() ? EvaluationMode::Relative : EvaluationMode::Criterion;
        book.MarkChanged();
        window.EvaluationSettingsChanged(false);
        window.Form_Activate();
        QCoreApplication::processEvents();  // the grid repaints
    }
}

} // namespace

BENCHMARK(BM_EvaluationListCriterion)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EvaluationListRelative)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EvaluationModeSwitch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
