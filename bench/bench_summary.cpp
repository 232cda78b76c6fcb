// 学年の集計. Run with --benchmark_filter=GradeSummary; compare the medians.
//   BM_GradeSummaryTable: six books of 40 students already read, every
//     subject: the summary of the year (letters, 評定, marks, students) and
//     its CSV. Aim: 30 ms at most.
//   BM_GradeSummaryProcess: the whole `miravel --grade-summary` process for
//     six plain books on disk, started without a shell and waited for.
//     Aim: 300 ms at most.

#include "file/GradeBookFile.h"
#include "grades/GradeSummary.h"
#include "grades/SummaryTexts.h"

#include <QTemporaryDir>

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace miravel;

// Six classes: every other one graded by criteria, the scores shifted per
// class so their letters differ.
std::vector<std::unique_ptr<GradeBook>> SixClasses()
{
    std::vector<std::unique_ptr<GradeBook>> books;
    for (int c = 0; c < 6; ++c) {
        auto book = bench::FullBook();
        book->ClassName = std::to_string(c + 1) + "組";
        if (c % 2 == 1)
            book->Evaluation.Mode = EvaluationMode::Criterion;
        for (auto& slot : book->Scores)
            for (int i = 0; i < kStudents; ++i)
                if (slot[i] >= 0 && slot[i] < 90)
                    slot[i] += static_cast<float>(c);
        books.push_back(std::move(book));
    }
    return books;
}

void BM_GradeSummaryTable(benchmark::State& state)
{
    const auto classes = SixClasses();
    std::vector<SummaryBook> books;
    for (const auto& book : classes)
        books.push_back({book->ClassName + ".txt", book.get()});
    for (auto _ : state) {
        const GradeSummary summary = SummarizeGrade(books, kYearRoundPeriod);
        benchmark::DoNotOptimize(SummaryCsv(summary).size());
    }
}

void BM_GradeSummaryProcess(benchmark::State& state)
{
    QTemporaryDir dir;
    std::vector<std::string> args{MIRAVEL_PROGRAM, "--grade-summary", dir.filePath(QStringLiteral("集計.csv")).toStdString(),
                                  "--period", "4"};
    for (const auto& book : SixClasses()) {
        book->Evaluation.Mode = EvaluationMode::Relative;  // plain books without settings files
        args.push_back(dir.filePath(QString::fromStdString(book->ClassName + ".txt")).toStdString());
        WriteGradeBook(args.back(), *book);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        int status = -1;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("miravel --grade-summary failed");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_GradeSummaryTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_GradeSummaryProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
