// Undo, redo and saved versions with a full 40-student book: one step
// recorded, undo or redo through to the redrawn table of a semester view in
// the window, and what keeping a version adds to a save (encoding the book
// to compare, reading the old file, writing the version and dropping the
// oldest of 30; fsync left out, as in the save benchmark). Medians over 10
// repetitions.

#include "core/UndoHistory.h"
#include "file/BookSave.h"
#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "file/SavedVersions.h"
#include "file/SystemCalls.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "grades/TreeNodes.h"
#include "platform/ScriptedPlatform.h"

#include "FullBook.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

void BM_HistoryRecordStep(benchmark::State& state)
{
    auto book = FullBook();
    UndoHistory history;
    history.Reset(*book);
    int k = 0;
    for (auto _ : state) {
        book->Scores[0][0] = static_cast<Single>(++k % 100);
        history.Record("算数 一学期 第 3回 試験の登録", *book);
    }
}
BENCHMARK(BM_HistoryRecordStep)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_HistoryUndoRedoToTheTable(benchmark::State& state)
{
    QTemporaryDir dir;
    *static_cast<GradeDocument*>(&Book()) = *FullBook();
    ScriptedPlatform platform;
    frmMain window(platform);
    window.show();
    const QString file = dir.filePath(QStringLiteral("full.txt"));
    WriteGradeBook(file.toStdString(), *FullBook());
    window.openFile(file);
    window.TreeView1_NodeClick(window.TreeView1->NodeByKey(QString::fromStdString(SemesterNodeKey(1, 0))));
    Book().Scores[0][0] = 12;
    Book().MarkChanged("算数 一学期 第 1回 試験の登録");
    QCoreApplication::processEvents();
    bool undo = true;
    for (auto _ : state) {
        (undo ? window.mnuEditUndo : window.mnuEditRedo)->trigger();
        QCoreApplication::processEvents();  // the tree and the table repaint
        undo = !undo;
    }
}
BENCHMARK(BM_HistoryUndoRedoToTheTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_HistoryKeepVersion(benchmark::State& state)
{
    QTemporaryDir dir;
    SystemCalls calls = RealSystemCalls();
    calls.fsync = [](int) { return 0; };
    const ScopedSystemCalls noFsync(calls);
    BookSave save;
    save.path = dir.filePath(QStringLiteral("3年1組.txt")).toStdString();
    save.versionFolder = VersionFolderOf(VersionsRoot(dir.path().toStdString()), save.path);
    save.time = "2025/04/07 09:30:15";
    save.description = "算数 一学期 第 3回 試験の登録";
    auto document = FullBook();
    WriteGradeBook(save.path, *document);
    int k = 0;
    // A whole save: encoding, the old file read once, both files and the version.
    for (auto _ : state) {
        document->Scores[0][0] = static_cast<Single>(++k % 100);  // every save changes the book
        EncodeGradeBook(*document, save.book);
        save.settings = EvaluationSettingsText(document->Evaluation);
        SaveBook(save);
    }
}
BENCHMARK(BM_HistoryKeepVersion)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
