#pragma once
// What the notes editor (所見と出欠) does with the book: the periods it
// offers, moving between students, the counts beside each text, the days
// derived from 出欠, the rows of the class list and 登録. The editor works
// on a copy of the book's ReportNotes; FormNotes only wires controls to these.

#include "core/GradeBook.h"
#include "core/ReportNotes.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// The characters a limit counts (line breaks do not).
inline int NoteCharacterCount(std::string_view text) { return NoteLength(text); }

// "123／200字" beside a text box.
std::string CountCaption(int count, int limit);
// The count turns red only past the limit: 200 of 200 is still fine.
inline bool CountOverLimit(int count, int limit) { return count > limit; }

// The periods of the book's term system, by their semester names
// (一学期…三学期, or 前期 and 後期); entry p - 1 names period p.
std::vector<std::string> PeriodNames(const GradeDocument& book);

// The period the editor opens on: the semester selected in the tree (kept
// 0-based there), or the first when it is one the term system does not show.
int OpeningPeriod(const GradeBook& book);

// The named student `step` places on from `number` (+1 next, -1 previous),
// passing numbers without a name; `number` itself when there is none.
int NextNamedStudent(const GradeDocument& book, int number, int step);

// The first named number, 1 when the roster is empty.
int FirstNamedStudent(const GradeDocument& book);

// The texts the class writes, in reading order: 所見 always, then the
// written subjects it uses.
std::vector<NoteText> TextsInUse(const ReportNotes& notes);

// 出席しなければならない日数 and 出席日数 as shown beside the 出欠 fields:
// "出席しなければならない日数 66日\n出席日数 64日"; "授業日数が未入力です"
// before the class's days are entered; which number is too large when a
// day count would fall below zero.
std::string DerivedDaysCaption(const PeriodNotes& period, const StudentNotes& student);

// One row of the class list.
struct NotesListRow {
    int number = 0;
    std::string name;
    std::string firstLine;            // of the 所見, shortened
    std::vector<std::string> counts;  // "123／200" per text in use
    std::string absent;               // 欠席日数, "" for none
    std::string missing;              // what is not done: "所見なし、字数超過", "" when done
    bool operator==(const NotesListRow& o) const
    {
        return number == o.number && name == o.name && firstLine == o.firstLine && counts == o.counts &&
               absent == o.absent && missing == o.missing;
    }
};

// Rows for attendance numbers 1..StudentCount of period `period` (1..3);
// a number without a name has only its number.
std::vector<NotesListRow> NotesList(const GradeDocument& book, const ReportNotes& notes, int period);

// The first line of a text, cut to `width` characters with "…".
std::string FirstLineOf(std::string_view text, int width);

// Refuses a 行動 item without a name: the sheet and the hand-off would show
// an empty heading. Gives the message, "" when accepted.
std::string ClassSettingsProblem(const ReportNotes& notes);

// "所見と出欠の登録": the undo step of 登録.
std::string NotesRegistrationStep();

// 登録: the notes go into the book as one undo step. False, and no step,
// when they are the book's already.
bool RegisterNotes(GradeBook& book, const ReportNotes& notes);

} // namespace miravel
