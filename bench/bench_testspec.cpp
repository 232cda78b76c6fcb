// The test editor: CommitEntries with its recompute of averages and ranks on
// a class of 40; Enter in an entry field through to the repainted score
// table; registration with both summaries and the main window's redraw.
// Run with --benchmark_filter=TestSpec; compare the medians.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "editors/Editors.h"
#include "editors/testspec/FormTestSpec.h"
#include "editors/testspec/ScoreEntry.h"
#include "editors/testspec/ScoreTable.h"
#include "file/GradeBookFile.h"
#include "mainwindow/FlexGrid.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QKeyEvent>

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

// A full book whose edited test (国語, 一学期, 第1回) holds scores the
// editor accepts, so every student can be committed.
std::unique_ptr<GradeBook> EditableBook()
{
    auto book = FullBook();
    for (int k = 0; k < kParts; ++k)
        for (int i = 0; i < kStudents; ++i)
            book->Scores[TestSlot(0, 0, 0, k)][i] = k < 3 ? static_cast<float>((i * 7 + k * 11) % 34) : 0.0f;
    return book;
}

void BM_TestSpecCommitEntries(benchmark::State& state)
{
    auto book = EditableBook();
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    RecomputeAveragesAndRanks(*book, grid);
    int n = 0;
    for (auto _ : state) {
        book->CurrentStudentNo = static_cast<Integer>(n % kStudents + 1);
        const std::string score = std::to_string(n % 101);
        const EntryCheck check = CommitEntries(*book, grid, {score, "8 5", n % 2 ? "" : "*"}, {"", "", ""});
        benchmark::DoNotOptimize(check.accepted);
        ++n;
    }
}

// The main window on the offscreen desktop with the editable book open and
// its first test node selected.
struct OpenBook {
    OpenBook()
    {
        auto fresh = std::make_unique<GradeBook>();
        Book() = std::move(*fresh);
        InitDefaults(Book());
        window = std::make_unique<frmMain>(platform);
        RegisterEditors(*window);
        window->show();
        QCoreApplication::processEvents();
        const std::string path = dir.filePath(QStringLiteral("book.txt")).toStdString();
        WriteGradeBook(path, *EditableBook());
        window->openFile(QString::fromStdString(path));
        window->TreeView1_NodeClick(window->TreeView1->NodeByKey(QStringLiteral("2 0 0 0")));
        QCoreApplication::processEvents();
    }

    FormTestSpec* edit()
    {
        window->mnuEditProperty_Click();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<FormTestSpec*>(widget); form && form->isVisible())
                return form;
        return nullptr;
    }

    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmMain> window;
};

void BM_TestSpecEnterToRepaintedTable(benchmark::State& state)
{
    OpenBook open;
    FormTestSpec* editor = open.edit();
    if (!editor) {
        state.SkipWithError("the editor did not open");
        return;
    }
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (Book().CurrentStudentNo == kStudents)
            editor->Combo2_Click(0);
        editor->Entries[0]->setText(QString::number(n % 101));
        state.ResumeTiming();

        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor->Entries[0], &enter);
        editor->MSFlexGrid1->viewport()->repaint();
        ++n;
    }
    editor->Command2_Click();
    open.settle();
}

void BM_TestSpecRegistrationAndRedraw(benchmark::State& state)
{
    OpenBook open;
    for (auto _ : state) {
        state.PauseTiming();
        FormTestSpec* editor = open.edit();
        if (!editor) {
            state.SkipWithError("the editor did not open");
            return;
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();

        editor->Command1_Click();
        QCoreApplication::processEvents();  // the main window's activation redraws
        open.window->MSFlexGrid1->viewport()->repaint();

        state.PauseTiming();
        open.settle();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_TestSpecCommitEntries)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TestSpecEnterToRepaintedTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TestSpecRegistrationAndRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
