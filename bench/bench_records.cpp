// The evaluation list with records. Run with --benchmark_filter=Records.
//   BM_RecordsEvaluationList: 40 students, the six subjects with their tests
//     and four more, every subject with 20 records in each period (half
//     marks, half points), drawn into a table by the criteria; the period
//     cycles through the semesters and 通年.

#include "core/ClassRecords.h"
#include "grades/EvaluationList.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;

void BM_RecordsEvaluationList(benchmark::State& state)
{
    auto book = bench::FullBook();
    book->Evaluation.Mode = EvaluationMode::Criterion;
    ClassRecords& records = book->Evaluation.Records;
    const char* const names[kExtraSubjects] = {"音楽", "図画工作", "外国語", "体育"};
    for (int e = 0; e < kExtraSubjects; ++e)
        records.extra[e].name = names[e];
    for (int s = 0; s < kRecordSubjects; ++s)
        for (int p = 0; p < kRecordPeriods; ++p)
            for (int k = 0; k < kRecordsPerPeriod; ++k) {
                ClassRecord record;
                record.title = "記録" + std::to_string(k + 1);
                record.viewpoint = k % kRecordViewpoints;
                record.kind = k % 2 ? RecordKind::Points : RecordKind::Mark;
                record.full = k % 2 ? 10 : kMarkFullPoints;
                for (int n = 0; n < kRecordStudents; ++n)
                    record.values[n] = (n + k) % 11 == 0 ? kRecordAbsent : (n + k) % (k % 2 ? 11 : 3) + (k % 2 ? 0 : 1);
                records.Of(s, p).push_back(record);
            }
    TablePane pane;
    int period = 0;
    for (auto _ : state) {
        ShowEvaluationListView(*book, pane, period);
        period = (period + 1) % kPeriods;
        benchmark::DoNotOptimize(pane.Grid.TextMatrix(2, 41));
    }
}

} // namespace

BENCHMARK(BM_RecordsEvaluationList)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
