#include "grades/NoteChecks.h"

#include "core/EvaluationRules.h"
#include "core/ReportNotes.h"
#include "file/Cp932.h"
#include "file/FieldText.h"

#include <algorithm>
#include <map>
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
std::size_t CharacterEnd(const std::string& text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

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

// Every name part of the class by its first character, so a 所見 is read
// once instead of once per other student.
struct NamePart {
    std::string text;
    int student = 0;
    int index = 0;  // among the student's parts
};
using NameIndex = std::unordered_map<std::string, std::vector<NamePart>>;

NameIndex IndexNames(const GradeBook& book)
{
    NameIndex index;
    for (int m = 1; m <= book.StudentCount; ++m) {
        if (!Named(book, m))
            continue;
        const std::vector<std::string> parts = NameParts(book.StudentNames[m - 1]);
        for (std::size_t i = 0; i < parts.size(); ++i)
            index[parts[i].substr(0, CharacterEnd(parts[i], 0))].push_back({parts[i], m, static_cast<int>(i)});
    }
    return index;
}

void CheckOtherNames(const GradeBook& book, int period, int n, const NameIndex& names,
                     std::vector<GradeFinding>& findings)
{
    std::string text = Notes(book, period, n).Text(NoteText::Remarks);
    if (text.empty())
        return;
    // The student's own name may stand in it, also inside a longer one
    // (小山田 holds 山田): those places are taken out first.
    for (const std::string& part : NameParts(book.StudentNames[n - 1]))
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            text.replace(at, part.size(), "\n");
    std::map<int, std::vector<std::string>> found;  // other student -> parts, in name order
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = CharacterEnd(text, at);
        const auto candidates = names.find(text.substr(at, end - at));
        if (candidates != names.end())
            for (const NamePart& part : candidates->second)
                if (part.student != n && text.compare(at, part.text.size(), part.text) == 0) {
                    std::vector<std::string>& parts = found[part.student];
                    parts.resize(std::max<std::size_t>(parts.size(), part.index + 1));
                    parts[part.index] = part.text;
                }
        at = end;
    }
    for (const auto& [m, parts] : found) {
        std::string listed;
        for (const std::string& part : parts)
            if (!part.empty())
                listed += (listed.empty() ? "" : "、") + part;
        findings.push_back({kClassKey, Label(book, n) + "：" + PeriodName(book, period) + "の所見に " +
                                           Label(book, m) + " の名前（" + listed + "）があります"});
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
    std::size_t start = 0;
    // One pass, a character at a time.
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t width = 1;
        while (at + width < text.size() && (static_cast<unsigned char>(text[at + width]) & 0xC0) == 0x80)
            ++width;
        const std::string_view c = at < text.size() ? text.substr(at, width) : std::string_view("\n");
        if (std::find(std::begin(ends), std::end(ends), c) != std::end(ends)) {
            const std::string_view sentence = Trimmed(text.substr(start, at - start));
            if (!sentence.empty())
                sentences.emplace_back(sentence);
            start = at + width;
        }
        at += width;
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
        const NameIndex names = IndexNames(book);
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n))
                CheckOtherNames(book, period, n, names, findings);
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
                // The file is written with the forms code page 932 has (〜 as ～);
                // most texts need none, and converting them first is the slow part.
                if (!text.empty() && !Utf8ToCp932(text) && !Utf8ToCp932(WithCp932Forms(text), &offending))
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
