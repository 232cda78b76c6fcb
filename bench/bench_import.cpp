// Names and scores from other programs: a 40 x 3 spreadsheet block pasted
// into the test editor up to its repainted table, the roster preview of a
// 40-row school export, and the matching of a 40-row quiz export.
// Run with --benchmark_filter=Import; compare the medians.

#include "core/GradeBook.h"
#include "editors/testspec/FormTestSpec.h"
#include "editors/testspec/ScoreImport.h"
#include "editors/testspec/ScoreTable.h"
#include "mainwindow/RosterImportWindow.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;
using miravel::bench::FullBook;

std::string Account(int n) { return "s2501" + std::to_string(100 + n).substr(1) + "@school.example.jp"; }

// A school roster export of the full class, as read from its file.
CsvTableFile SchoolExport()
{
    std::string text = "児童コード,学年,組,出席番号,氏名,氏名かな,性別\n";
    for (int n = 1; n <= kStudents; ++n)
        text += "S2025" + std::to_string(100 + n) + ",5,1," + std::to_string(n) + ",生徒　" + std::to_string(n) +
                ",せいと,女\n";
    return {ParseCsv(text, ','), TextEncoding::Utf8Bom};
}

void BM_ImportPasteBlockToRepaintedTable(benchmark::State& state)
{
    auto fresh = FullBook();
    Book() = std::move(*fresh);
    Book().CurrentNodeKey = "2 0 0 0";
    ScriptedPlatform platform;
    FormTestSpec editor(platform);
    editor.show();
    QCoreApplication::processEvents();
    QString blocks[2];
    for (int b = 0; b < 2; ++b)
        for (int n = 1; n <= kStudents; ++n)
            blocks[b] += QStringLiteral("%1\t%2\t%3\n").arg((n + b) % 101).arg((n * 3 + b) % 101).arg((n * 7 + b) % 101);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(blocks[round++ % 2]);
        editor.Combo2_Click(0);
        platform.messages.clear();
        state.ResumeTiming();

        editor.PasteScores(0);
        editor.MSFlexGrid1->viewport()->repaint();
    }
    editor.Command2_Click();
}

void BM_ImportRosterPreview40(benchmark::State& state)
{
    const CsvTableFile file = SchoolExport();
    const GradeDocument empty;
    for (auto _ : state) {
        RosterImportWindow preview(file, QStringLiteral("school-roster.csv"), empty, false);
        benchmark::DoNotOptimize(preview.Plan().stored);
    }
}

void BM_ImportMatch40Rows(benchmark::State& state)
{
    auto book = FullBook();
    for (int n = 1; n <= kStudents; n += 2)
        book->Evaluation.StudentAccounts[n - 1] = Account(n);
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    std::string text = "タイムスタンプ,メールアドレス,スコア,名前\n";
    for (int n = kStudents; n >= 1; --n)
        text += "2025/06/12 9:10:00," + Account(n) + "," + std::to_string(n % 11) + " / 10,生徒 " + std::to_string(n) + "\n";
    const auto rows = ParseCsv(text, ',');
    const ViewpointChecks checks{true, true, true};
    const ScoreColumns columns = DetectScoreColumns(rows, checks);
    for (auto _ : state) {
        const ScoreImportPlan plan = PlanScoreImport(*book, grid, rows, columns, checks, {"", "", ""});
        benchmark::DoNotOptimize(plan.taken);
    }
}

} // namespace

BENCHMARK(BM_ImportPasteBlockToRepaintedTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportRosterPreview40)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportMatch40Rows)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
