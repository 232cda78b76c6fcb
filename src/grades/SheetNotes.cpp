#include "grades/SheetNotes.h"

#include "grades/HandoffNoteFields.h"
#include "grades/NoteChecks.h"

namespace miravel {

namespace {

// The written subjects by their full names, as a parent reads them.
const char* const kSheetTitles[kNoteTexts] = {"所見", "道徳", "総合的な学習の時間", "外国語活動"};

std::string Days(std::optional<int> days) { return days ? std::to_string(*days) : std::string(); }

} // namespace

SheetNotes GatherSheetNotes(const GradeBook& book, int lastPeriod, int n)
{
    SheetNotes sheet;
    const int period = NotesPeriodOf(book, lastPeriod);
    if (!NotesStarted(book, period))
        return sheet;
    const ReportNotes& notes = book.Evaluation.Notes;
    const PeriodNotes& p = notes.Periods[period - 1];
    const StudentNotes& s = p.Students[n - 1];
    sheet.shown = true;
    sheet.periodName = book.SemesterNames[period - 1];
    for (int t = 0; t < kNoteTexts; ++t)
        if (notes.Uses[t] || t == static_cast<int>(NoteText::Remarks))
            sheet.texts.push_back({kSheetTitles[t], s.Texts[t]});
    sheet.attendance = {{"授業日数", Days(p.SchoolDays)},
                        {"出席停止・忌引等", p.SchoolDays ? std::to_string(s.Excused) : ""},
                        {"出席しなければならない日数", Days(DaysRequired(p.SchoolDays, s.Excused))},
                        {"欠席日数", p.SchoolDays ? std::to_string(s.Absent) : ""},
                        {"出席日数", Days(DaysAttended(p.SchoolDays, s.Excused, s.Absent))},
                        {"備考", s.AttendanceNote}};
    for (int i = 0; i < kConductItems; ++i) {
        sheet.conductItems[i] = notes.ConductItems[i];
        sheet.conduct[i] = s.Conduct[i];
    }
    return sheet;
}

} // namespace miravel
