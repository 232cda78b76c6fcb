#include "grades/HandoffNoteFields.h"

#include "core/EvaluationRules.h"
#include "core/ReportNotes.h"

namespace miravel {

namespace {

std::string Days(std::optional<int> days) { return days ? std::to_string(*days) : std::string(); }

} // namespace

int NotesPeriodOf(const GradeBook& book, int handoffPeriod)
{
    return handoffPeriod >= 0 && handoffPeriod < kSemesters ? handoffPeriod + 1 : ShownSemesters(book);
}

std::string NoteFieldText(const GradeBook& book, int period, const HandoffProfile& profile, int column, int n)
{
    const PeriodNotes& notes = book.Evaluation.Notes.Periods[period - 1];
    const StudentNotes& s = notes.Students[n - 1];
    auto text = [&](const std::string& t) { return WithHandoffNewlines(t, profile.newline, profile.newlineText); };
    if (column >= static_cast<int>(NoteColumn::Conduct1))
        return s.Conduct[column - static_cast<int>(NoteColumn::Conduct1)] ? profile.mark : std::string();
    switch (static_cast<NoteColumn>(column)) {
    case NoteColumn::Remarks:
    case NoteColumn::Moral:
    case NoteColumn::Integrated:
    case NoteColumn::Foreign:
        return text(s.Texts[column]);
    case NoteColumn::SchoolDays:
        return Days(notes.SchoolDays);
    case NoteColumn::Excused:
        return std::to_string(s.Excused);
    case NoteColumn::Required:
        return Days(DaysRequired(notes.SchoolDays, s.Excused));
    case NoteColumn::Absent:
        return std::to_string(s.Absent);
    case NoteColumn::Attended:
        return Days(DaysAttended(notes.SchoolDays, s.Excused, s.Absent));
    case NoteColumn::AttendanceNote:
        return text(s.AttendanceNote);
    case NoteColumn::Conduct1:
        break;
    }
    return std::string();
}

} // namespace miravel
