// The report notes' checks. Run with --benchmark_filter=NoteChecks.
//   BM_NoteChecks: every check of a class of 40 with a full 所見 (200
//     characters) and the written subjects (100 each) in all three terms,
//     the code page 932 check of the hand-off included.

#include "grades/NoteChecks.h"

#include "FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace miravel;

// `length` characters of sentences that differ from student to student.
std::string FullText(int student, int period, int length)
{
    static const char* const pieces[] = {"算数の文章題に粘り強く取り組み", "図や式を使って考えを説明し",
                                         "友だちの意見をよく聞いて", "理科の観察で気づいたことを記録し",
                                         "係の仕事に責任をもって取り組み", "音読では場面の様子を思い浮かべて"};
    std::string text;
    for (int k = 0; NoteLength(text) < length - 20; ++k)
        text += std::string(pieces[(student + k * 5 + period) % 6]) + "、第" + std::to_string(student * 7 + k) +
                "回もよく頑張りました。";
    while (NoteLength(text) < length)
        text += "。";
    return text;
}

void BM_NoteChecks(benchmark::State& state)
{
    auto book = bench::FullBook();
    static const char* const family[] = {"山田", "田中", "佐藤", "鈴木", "高橋", "伊藤", "渡辺", "中村"};
    static const char* const given[] = {"花子", "一郎", "美咲", "大翔", "結衣"};
    for (int n = 1; n <= kStudents; ++n)
        book->StudentNames[n - 1] = std::string(family[(n - 1) % 8]) + " " + given[(n - 1) / 8];
    ReportNotes& notes = book->Evaluation.Notes;
    notes.Uses.fill(true);
    for (int p = 1; p <= kNotePeriods; ++p) {
        notes.Periods[p - 1].SchoolDays = 68;
        for (int n = 1; n <= kStudents; ++n) {
            StudentNotes& s = notes.Student(p, n);
            s.Text(NoteText::Remarks) = FullText(n, p, 200);
            for (NoteText t : {NoteText::Moral, NoteText::Integrated, NoteText::Foreign})
                s.Text(t) = FullText(n + 40, p, 100);
            s.Absent = n % 4;
            s.AttendanceNote = "かぜ " + std::to_string(n % 4);
        }
    }
    for (auto _ : state) {
        std::vector<GradeFinding> findings = CheckNotes(*book);
        std::vector<GradeFinding> cp932 = CheckNotesForCp932(*book);
        benchmark::DoNotOptimize(findings.size() + cp932.size());
    }
}

} // namespace

BENCHMARK(BM_NoteChecks)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
