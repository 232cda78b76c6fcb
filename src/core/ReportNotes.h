#pragma once
// The written half of the report card, per period of the book: 所見 and the
// written subjects (道徳, 総合的な学習の時間, 外国語活動), the 出欠の記録 and
// the 行動の記録. Kept in the settings file like the rest of the book's
// settings, so protected books, recovery copies, versions and undo carry it.

#include "core/CheckedArray.h"

#include <optional>
#include <string>
#include <string_view>

namespace miravel {

// Periods 1..3 (一学期…三学期, or 前期・後期 using 1 and 2).
constexpr int kNotePeriods = 3;
constexpr int kConductItems = 10;
// Attendance numbers 1..40, as kStudentRecords in EvaluationSettings.h.
constexpr int kNoteStudents = 40;

// The four free texts, in the order used by every table indexed by it.
enum class NoteText { Remarks = 0, Moral = 1, Integrated = 2, Foreign = 3 };
constexpr int kNoteTexts = 4;

// 備考 of the 出欠の記録 holds at most this many characters.
constexpr int kAttendanceNoteLimit = 20;

struct StudentNotes {
    // [NoteText]: UTF-8, '\n' for a line break.
    CheckedArray<std::string, kNoteTexts> Texts;
    int Excused = 0;             // 出席停止・忌引等の日数
    int Absent = 0;              // 欠席日数
    std::string AttendanceNote;  // 出欠の備考, e.g. 「かぜ 3」
    CheckedArray<bool, kConductItems> Conduct;  // true = ○

    const std::string& Text(NoteText t) const { return Texts[static_cast<int>(t)]; }
    std::string& Text(NoteText t) { return Texts[static_cast<int>(t)]; }
    bool IsEmpty() const { return *this == StudentNotes{}; }
    bool operator==(const StudentNotes& o) const;
    bool operator!=(const StudentNotes& o) const { return !(*this == o); }
};

struct PeriodNotes {
    std::optional<int> SchoolDays;  // 授業日数; empty until entered (0 is a value)
    CheckedArray<StudentNotes, kNoteStudents> Students;  // [number - 1]

    bool operator==(const PeriodNotes& o) const { return SchoolDays == o.SchoolDays && Students == o.Students; }
    bool operator!=(const PeriodNotes& o) const { return !(*this == o); }
};

struct ReportNotes {
    ReportNotes();

    CheckedArray<PeriodNotes, kNotePeriods> Periods;  // [period - 1]
    CheckedArray<std::string, kConductItems> ConductItems;  // 行動の記録 item names
    CheckedArray<int, kNoteTexts> Limits;  // characters, [NoteText]
    // Which written subjects the class uses ([NoteText]; 所見 always).
    CheckedArray<bool, kNoteTexts> Uses;

    // Period 1..3, attendance number 1..40; out of range throws.
    const StudentNotes& Student(int period, int number) const { return Periods[period - 1].Students[number - 1]; }
    StudentNotes& Student(int period, int number) { return Periods[period - 1].Students[number - 1]; }
    int Limit(NoteText t) const { return Limits[static_cast<int>(t)]; }
    bool Used(NoteText t) const { return Uses[static_cast<int>(t)]; }

    bool IsDefault() const { return *this == ReportNotes{}; }
    bool operator==(const ReportNotes& o) const;
    bool operator!=(const ReportNotes& o) const { return !(*this == o); }
};

// The default names of the ten 行動の記録 items.
const CheckedArray<std::string, kConductItems>& DefaultConductItems();

// 所見, 道徳, 総合, 外国語活動: the short names the program and the hand-off use.
const char* NoteTextName(NoteText t);

// 出席しなければならない日数 = 授業日数 − 出席停止・忌引等; nothing while
// 授業日数 is not entered. May be negative: the checks report that.
std::optional<int> DaysRequired(std::optional<int> schoolDays, int excused);
// 出席日数 = 出席しなければならない日数 − 欠席日数.
std::optional<int> DaysAttended(std::optional<int> schoolDays, int excused, int absent);

// The characters a limit counts: one per character (a Japanese character is
// one, not three bytes); line breaks are layout, not text, and do not count.
// A broken UTF-8 byte counts as one character.
int NoteLength(std::string_view utf8);

} // namespace miravel
