// The main window on the offscreen desktop: start-up to the first shown
// window, a tree rebuild of a full book, Open of a full book (reading the
// file and rebuilding the tree) and a node click through to the grid widget.
// Run with --benchmark_filter=Window for these only; compare the medians.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/GradeBookFile.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "platform/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

void ResetBook()
{
    auto fresh = std::make_unique<GradeBook>();
    Book() = std::move(*fresh);
    InitDefaults(Book());
}

// A shown main window holding a full book.
struct OpenWindow {
    OpenWindow()
    {
        ResetBook();
        window = std::make_unique<frmMain>(platform);
        window->show();
        QCoreApplication::processEvents();
        path = dir.filePath(QStringLiteral("full.txt")).toStdString();
        WriteGradeBook(path, *FullBook());
        window->openFile(QString::fromStdString(path));
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmMain> window;
    std::string path;
};

void BM_WindowStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        ResetBook();
        ScriptedPlatform platform;
        auto window = std::make_unique<frmMain>(platform);
        InitDefaults(Book());
        window->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_WindowTreeRebuild(benchmark::State& state)
{
    OpenWindow open;
    for (auto _ : state) {
        open.window->TreeView1_refresh();
        QCoreApplication::processEvents();  // the tree lays out and repaints
        benchmark::DoNotOptimize(open.window->TreeView1->NodeCount());
    }
}

void BM_WindowOpenFullBook(benchmark::State& state)
{
    OpenWindow open;
    const QString path = QString::fromStdString(open.path);
    for (auto _ : state) {
        open.window->openFile(path);
        QCoreApplication::processEvents();
    }
}

void BM_WindowNodeClick(benchmark::State& state)
{
    OpenWindow open;
    NavigationTree* tree = open.window->TreeView1;
    // Alternate between two tests so every click redraws the table.
    QTreeWidgetItem* nodes[] = {tree->NodeByKey(QStringLiteral("2 1 0 3")), tree->NodeByKey(QStringLiteral("2 4 2 7"))};
    int next = 0;
    for (auto _ : state) {
        open.window->TreeView1_NodeClick(nodes[next]);
        next = 1 - next;
        QCoreApplication::processEvents();  // the grid repaints
    }
}

} // namespace

BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowTreeRebuild)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowOpenFullBook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowNodeClick)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
