// The year-round criteria editor on the offscreen desktop: one count typed
// into a box through to the window repainted with the new graph (the
// change rule, the B count, the graph's numbers and layout, and the paint
// of all three graphs). Run with --benchmark_filter=Criteria.

#include "core/GradeBook.h"
#include "editors/criteria/FormSubjectSpec.h"
#include "platform/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace miravel;

void BM_CriteriaCountChangeRedrawsGraph(benchmark::State& state)
{
    Book() = *bench::FullBook();
    Book().CurrentSubject = 2;
    ScriptedPlatform platform;
    auto form = std::make_unique<FormSubjectSpec>(platform);
    form->show();
    QCoreApplication::processEvents();
    int count = 0;
    for (auto _ : state) {
        count = (count + 1) % 20;
        form->Text1->setText(QString::number(count));
        form->repaint();
    }
    if (!platform.messages.empty())
        state.SkipWithError("a count was refused");
}
BENCHMARK(BM_CriteriaCountChangeRedrawsGraph)->Unit(benchmark::kMillisecond);

} // namespace
