#include "grades/NoteChecks.h"

#include "core/EvaluationRules.h"
#include "core/ReportNotes.h"
#include "file/Cp932.h"
#include "file/FieldText.h"

#include <unordered_map>

namespace miravel {

namespace {

const char* const kClassKey = "HomeRoom";  // the notes are kept with the class

bool Named(const GradeBook& book, int n) { return !book.StudentNames[n - 1].empty(); }

std::string Label(const GradeBook& book, int n) { return "出席番号 " + std::to_string(n) + " " + book.StudentNames[n - 1]; }

std::string PeriodName(const GradeBook& book, int period) { return book.SemesterNames[period - 1]; }

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Blanks, half and full width, at both ends.
std::string_view Trimmed(std::string_view text)
{
    for (bool changed = true; changed;) {
        changed = false;
        for (std::string_view blank : {std::string_view(" "), std::string_view("\t"), std::string_view("\r"),
                                       std::string_view("\xE3\x80\x80")}) {
            if (text.substr(0, blank.size()) == blank) {
                text.remove_prefix(blank.size());
                changed = true;
            }
            if (EndsWith(text, blank)) {
                text.remove_suffix(blank.size());
                changed = true;
            }
        }
    }
    return text;
}

const StudentNotes& Notes(const GradeBook& book, int period, int n) { return book.Evaluation.Notes.Student(period, n); }

void CheckLimits(const GradeBook& book, int period, int n, std::vector<GradeFinding>& findings)
{
    const ReportNotes& notes = book.Evaluation.Notes;
    const StudentNotes& s = Notes(book, period, n);
    auto over = [&](const std::string& what, const std::string& text, int limit) {
        const int length = NoteLength(text);
        if (length > limit)
            findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) + "の" + what + "が " +
                                               std::to_string(length) + " 字で、上限の " + std::to_string(limit) +
                                               " 字を超えています"});
    };
    for (int t = 0; t < kNoteTexts; ++t)
        over(NoteTextName(static_cast<NoteText>(t)), s.Texts[t], notes.Limits[t]);
    over("出欠の備考", s.AttendanceNote, kAttendanceNoteLimit);
}

void CheckDays(const GradeBook& book, int period, std::vector<GradeFinding>& findings)
{
    const std::optional<int> days = book.Evaluation.Notes.Periods[period - 1].SchoolDays;
    if (!days) {
        findings.push_back({kClassKey, PeriodName(book, period) + "：授業日数がありません"});
        return;
    }
    const std::string beyond = "が授業日数（" + std::to_string(*days) + " 日）を超えています";
    for (int n = 1; n <= book.StudentCount; ++n) {
        const StudentNotes& s = Notes(book, period, n);
        if (!Named(book, n))
            continue;
        const std::string who = Label(book, n) + "：" + PeriodName(book, period) + "の";
        if (s.Excused > *days)
            findings.push_back({kClassKey, who + "出席停止・忌引等の日数（" + std::to_string(s.Excused) + " 日）" + beyond});
        if (s.Absent > *days)
            findings.push_back({kClassKey, who + "欠席日数（" + std::to_string(s.Absent) + " 日）" + beyond});
        if (s.Excused <= *days && s.Absent <= *days && *DaysAttended(days, s.Excused, s.Absent) < 0)
            findings.push_back({kClassKey, who + "出席停止・忌引等と欠席の日数の合計（" +
                                               std::to_string(s.Excused + s.Absent) + " 日）" + beyond});
    }
}

void CheckSharedSentences(const GradeBook& book, int period, std::vector<GradeFinding>& findings)
{
    std::unordered_map<std::string, std::vector<int>> students;
    std::vector<std::string> order;  // the sentences in the order first seen
    for (int n = 1; n <= book.StudentCount; ++n) {
        if (!Named(book, n))
            continue;
        for (std::string& sentence : NoteSentences(Notes(book, period, n).Text(NoteText::Remarks))) {
            if (NoteLength(sentence) < kSharedSentenceLength)
                continue;
            std::vector<int>& who = students[sentence];
            if (who.empty())
                order.push_back(sentence);
            if (who.empty() || who.back() != n)
                who.push_back(n);
        }
    }
    for (const std::string& sentence : order) {
        const std::vector<int>& who = students[sentence];
        if (who.size() < 2)
            continue;
        std::string names;
        for (int n : who)
            names += (names.empty() ? "" : "、") + Label(book, n);
        findings.push_back({kClassKey, PeriodName(book, period) + "の所見：同じ文が " + names + " にあります（「" +
                                           sentence + "」）"});
    }
}

void CheckOtherNames(const GradeBook& book, int period, int n, std::vector<GradeFinding>& findings)
{
    std::string text = Notes(book, period, n).Text(NoteText::Remarks);
    if (text.empty())
        return;
    // The student's own name may stand in it, also inside a longer one
    // (小山田 holds 山田): those places are taken out first.
    const std::vector<std::string> own = NameParts(book.StudentNames[n - 1]);
    for (const std::string& part : own)
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            text.replace(at, part.size(), "\n");
    for (int m = 1; m <= book.StudentCount; ++m) {
        if (m == n || !Named(book, m))
            continue;
        std::string found;
        for (const std::string& part : NameParts(book.StudentNames[m - 1]))
            if (text.find(part) != std::string::npos)
                found += (found.empty() ? "" : "、") + part;
        if (!found.empty())
            findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) + "の所見に " +
                                               Label(book, m) + " の名前（" + found + "）があります"});
    }
}

} // namespace

bool NotesStarted(const GradeBook& book, int period)
{
    if (period < 1 || period > ShownSemesters(book))
        return false;
    const PeriodNotes& p = book.Evaluation.Notes.Periods[period - 1];
    if (p.SchoolDays)
        return true;
    for (const StudentNotes& s : p.Students)
        if (!s.IsEmpty())
            return true;
    return false;
}

std::vector<std::string> NoteSentences(std::string_view text)
{
    static const std::string_view ends[] = {"。", "．", "！", "？", "!", "?", "\n"};
    std::vector<std::string> sentences;
    while (!text.empty()) {
        std::size_t cut = text.size(), mark = 0;
        for (std::string_view end : ends) {
            const std::size_t at = text.find(end);
            if (at < cut) {
                cut = at;
                mark = end.size();
            }
        }
        const std::string_view sentence = Trimmed(text.substr(0, cut));
        if (!sentence.empty())
            sentences.emplace_back(sentence);
        text.remove_prefix(std::min(text.size(), cut + mark));
    }
    return sentences;
}

WritingStyle StyleOf(std::string_view text)
{
    static const std::string_view polite[] = {"です", "ます", "でした", "ました", "ません", "でしょう", "ましょう"};
    static const std::string_view plain[] = {"である", "であった", "であろう", "だ", "だった", "だろう"};
    bool isPolite = false, isPlain = false;
    for (const std::string& sentence : NoteSentences(text)) {
        for (std::string_view end : polite)
            isPolite = isPolite || EndsWith(sentence, end);
        for (std::string_view end : plain)
            isPlain = isPlain || EndsWith(sentence, end);
    }
    return isPolite && isPlain ? WritingStyle::Mixed
           : isPolite          ? WritingStyle::Polite
           : isPlain           ? WritingStyle::Plain
                               : WritingStyle::None;
}

std::vector<std::string> NameParts(const std::string& name)
{
    std::vector<std::string> parts;
    std::string part;
    auto keep = [&] {
        if (NoteLength(part) >= 2)
            parts.push_back(part);
        part.clear();
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == ' ' || name[i] == '\t')
            keep();
        else if (name.compare(i, 3, "\xE3\x80\x80") == 0) {
            keep();
            i += 2;
        } else
            part += name[i];
    }
    keep();
    return parts;
}

std::vector<GradeFinding> CheckNotes(const GradeBook& book)
{
    std::vector<GradeFinding> findings;
    for (int period = 1; period <= kNotePeriods; ++period) {
        if (!NotesStarted(book, period))
            continue;
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n) && Notes(book, period, n).Text(NoteText::Remarks).empty())
                findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) + "の所見がありません"});
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n))
                CheckLimits(book, period, n, findings);
        CheckDays(book, period, findings);
        CheckSharedSentences(book, period, findings);
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n) && StyleOf(Notes(book, period, n).Text(NoteText::Remarks)) == WritingStyle::Mixed)
                findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) +
                                                   "の所見に「です・ます」と「である」が混じっています"});
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n))
                CheckOtherNames(book, period, n, findings);
    }
    return findings;
}

std::vector<GradeFinding> CheckNotesForCp932(const GradeBook& book)
{
    std::vector<GradeFinding> findings;
    for (int period = 1; period <= kNotePeriods; ++period) {
        if (!NotesStarted(book, period))
            continue;
        for (int n = 1; n <= book.StudentCount; ++n) {
            if (!Named(book, n))
                continue;
            const StudentNotes& s = Notes(book, period, n);
            auto check = [&](const std::string& what, const std::string& text) {
                std::string offending;
                // The file is written with the forms code page 932 has (〜 as ～).
                if (!text.empty() && !Utf8ToCp932(WithCp932Forms(text), &offending))
                    findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) + "の" + what +
                                                       "の「" + offending + "」はシフトJIS（cp932）の書き出しファイルに書けません"});
            };
            for (int t = 0; t < kNoteTexts; ++t)
                check(NoteTextName(static_cast<NoteText>(t)), s.Texts[t]);
            check("出欠の備考", s.AttendanceNote);
        }
    }
    return findings;
}

} // namespace miravel
