// The 平常の記録 grid: a mark typed into a class of 40 with 20 records,
// from the key press to the repainted table.
// Run with --benchmark_filter=Records; compare the medians.

#include "core/GradeBook.h"
#include "editors/records/FormRecords.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;

void BM_RecordsMarkToRepaintedGrid(benchmark::State& state)
{
    Book() = std::move(*bench::FullBook());
    auto& list = Book().Evaluation.Records.Of(1, 0);
    for (int k = 0; k < kRecordsPerPeriod; ++k) {
        ClassRecord record;
        record.title = "ノート" + std::to_string(k + 1);
        record.viewpoint = k % 3;
        for (int i = 0; i < kRecordStudents; ++i)
            record.values[i] = (i + k) % 4 == 0 ? kRecordEmpty : (i + k) % 3 + 1;
        list.push_back(record);
    }
    ScriptedPlatform platform;
    auto* form = new FormRecords(platform, {1, 0});
    form->show();
    QCoreApplication::processEvents();
    const char* keys[] = {"3", "2", "1"};
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (n % kStudents == 0)
            form->tblRecords->setCurrentCell(0, 2 + (n / kStudents) % kRecordsPerPeriod);
        state.ResumeTiming();

        const QString text = QString::fromLatin1(keys[n % 3]);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1 + (2 - n % 3), Qt::NoModifier, text);
        QApplication::sendEvent(form->tblRecords, &press);
        form->tblRecords->viewport()->repaint();
        ++n;
    }
    delete form;
}

} // namespace

BENCHMARK(BM_RecordsMarkToRepaintedGrid)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
