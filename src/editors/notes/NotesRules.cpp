#include "editors/notes/NotesRules.h"

#include "core/EvaluationRules.h"

namespace miravel {

namespace {

bool Named(const GradeDocument& book, int number) { return !book.StudentNames[number - 1].empty(); }

// The length of the UTF-8 sequence a lead byte starts (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

} // namespace

std::string CountCaption(int count, int limit)
{
    return std::to_string(count) + "／" + std::to_string(limit) + "字";
}

std::vector<std::string> PeriodNames(const GradeDocument& book)
{
    std::vector<std::string> names;
    for (int p = 0; p < ShownSemesters(book) && p < kNotePeriods; ++p)
        names.push_back(book.SemesterNames[p]);
    return names;
}

int OpeningPeriod(const GradeBook& book)
{
    const int shown = static_cast<int>(PeriodNames(book).size());
    return book.CurrentSemester >= 0 && book.CurrentSemester < shown ? book.CurrentSemester + 1 : 1;
}

int NextNamedStudent(const GradeDocument& book, int number, int step)
{
    for (int n = number + step; n >= 1 && n <= kStudents; n += step)
        if (Named(book, n))
            return n;
    return number;
}

int FirstNamedStudent(const GradeDocument& book)
{
    for (int n = 1; n <= kStudents; ++n)
        if (Named(book, n))
            return n;
    return 1;
}

std::vector<NoteText> TextsInUse(const ReportNotes& notes)
{
    std::vector<NoteText> texts;
    for (NoteText t : {NoteText::Remarks, NoteText::Moral, NoteText::Integrated, NoteText::Foreign})
        if (t == NoteText::Remarks || notes.Used(t))
            texts.push_back(t);
    return texts;
}

std::string DerivedDaysCaption(const PeriodNotes& period, const StudentNotes& student)
{
    const std::optional<int> required = DaysRequired(period.SchoolDays, student.Excused);
    const std::optional<int> attended = DaysAttended(period.SchoolDays, student.Excused, student.Absent);
    if (!required || !attended)
        return "授業日数が未入力です";
    if (*required < 0)
        return "出席停止・忌引等の日数が授業日数より多くなっています";
    if (*attended < 0)
        return "欠席日数が出席しなければならない日数より多くなっています";
    return "出席しなければならない日数 " + std::to_string(*required) + "日\n出席日数 " + std::to_string(*attended) +
           "日";
}

std::string FirstLineOf(std::string_view text, int width)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    std::size_t at = 0;
    int characters = 0;
    while (at < line.size() && characters < width) {
        at += SequenceLength(static_cast<unsigned char>(line[at]));
        ++characters;
    }
    const bool cut = at < line.size() || end != std::string_view::npos;
    return std::string(line.substr(0, at)) + (cut ? "…" : "");
}

std::vector<NotesListRow> NotesList(const GradeDocument& book, const ReportNotes& notes, int period)
{
    constexpr int kFirstLineWidth = 24;
    const std::vector<NoteText> texts = TextsInUse(notes);
    std::vector<NotesListRow> rows;
    for (int n = 1; n <= book.StudentCount && n <= kStudents; ++n) {
        NotesListRow row;
        row.number = n;
        if (!Named(book, n)) {
            rows.push_back(std::move(row));
            continue;
        }
        row.name = book.StudentNames[n - 1];
        const StudentNotes& student = notes.Student(period, n);
        row.firstLine = FirstLineOf(student.Text(NoteText::Remarks), kFirstLineWidth);
        std::vector<std::string> missing;
        bool over = false;
        for (NoteText t : texts) {
            const int count = NoteCharacterCount(student.Text(t));
            row.counts.push_back(std::to_string(count) + "／" + std::to_string(notes.Limit(t)));
            over = over || CountOverLimit(count, notes.Limit(t));
            if (student.Text(t).empty())
                missing.push_back(std::string(NoteTextName(t)) + "なし");
        }
        if (over)
            missing.push_back("字数超過");
        row.absent = student.Absent ? std::to_string(student.Absent) : std::string();
        for (std::size_t i = 0; i < missing.size(); ++i)
            row.missing += (i ? "、" : "") + missing[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ClassSettingsProblem(const ReportNotes& notes)
{
    for (int i = 0; i < kConductItems; ++i) {
        const std::string& name = notes.ConductItems[i];
        if (name.find_first_not_of(" ") == std::string::npos)
            return "行動の記録の " + std::to_string(i + 1) + " 番目の項目に名前を入れてください。";
    }
    return std::string();
}

std::string NotesRegistrationStep() { return "所見と出欠の登録"; }

bool RegisterNotes(GradeBook& book, const ReportNotes& notes)
{
    if (book.Evaluation.Notes == notes)
        return false;
    book.Evaluation.Notes = notes;
    book.MarkChanged(NotesRegistrationStep());
    return true;
}

} // namespace miravel
