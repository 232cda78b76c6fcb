// The notes editor (所見と出欠) on a class of 40 with a full 所見 each: a keystroke in
// the 所見 box through to its updated count, and the list tab filled and
// painted. Run with --benchmark_filter=Notes; compare the medians.

#include "core/GradeBook.h"
#include "editors/notes/FormNotes.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>

#include "FullBook.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace miravel;

// Every student's 所見 of 190 characters in three lines, and the written subjects.
void FillNotes(GradeBook& book)
{
    std::string remarks;
    for (int i = 0; i < 190; ++i)
        remarks += i % 64 == 63 ? "\n" : "あ";
    for (int n = 1; n <= kStudents; ++n) {
        StudentNotes& student = book.Evaluation.Notes.Student(1, n);
        student.Text(NoteText::Remarks) = remarks;
        student.Text(NoteText::Moral) = "友達の気持ちを考えて行動しようとしていました。";
        student.Absent = n % 4;
    }
}

struct OpenNotes {
    OpenNotes()
    {
        Book() = std::move(*bench::FullBook());
        FillNotes(Book());
        form = std::make_unique<FormNotes>(platform);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        QCoreApplication::processEvents();
    }

    ScriptedPlatform platform;
    std::unique_ptr<FormNotes> form;
};

void BM_NotesKeystrokeToCount(benchmark::State& state)
{
    OpenNotes open;
    QPlainTextEdit* remarks = open.form->Texts[0];
    remarks->setFocus();
    remarks->moveCursor(QTextCursor::End);
    int n = 0;
    for (auto _ : state) {
        // A character typed, then taken back: the text stays near the limit.
        const bool typing = n++ % 2 == 0;
        QKeyEvent press(QEvent::KeyPress, typing ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                        typing ? QStringLiteral("い") : QString());
        QApplication::sendEvent(remarks, &press);
        open.form->Counts[0]->repaint();
        benchmark::DoNotOptimize(open.form->Counts[0]->text());
    }
}

void BM_NotesListOf40(benchmark::State& state)
{
    OpenNotes open;
    open.form->Tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        open.form->ShowList();
        open.form->List->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(BM_NotesKeystrokeToCount)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_NotesListOf40)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
