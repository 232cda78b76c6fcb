#include "file/ReportNotesSettings.h"

#include <vector>

namespace miravel {

namespace {

// The section stems of the four texts, in NoteText order.
const char* const kTextSections[kNoteTexts] = {"remarks", "moral", "integrated", "foreign"};

// "remarks.2" -> ("remarks", 2); period 0 when the name has no period 1..3.
std::pair<std::string, int> SplitSection(const std::string& section)
{
    const auto dot = section.find('.');
    if (dot == std::string::npos || dot + 2 != section.size() || section[dot + 1] < '1' || section[dot + 1] > '3')
        return {section, 0};
    return {section.substr(0, dot), section[dot + 1] - '0'};
}

int TextIndex(const std::string& stem)
{
    for (int t = 0; t < kNoteTexts; ++t)
        if (stem == kTextSections[t])
            return t;
    return -1;
}

bool IsStudentKey(const std::string& key)
{
    return key.size() >= 2 && key[0] == 'n' && key.find_first_not_of("0123456789", 1) == std::string::npos;
}

// 1..40 without a leading zero; 0 otherwise.
int StudentNumber(const std::string& key)
{
    if (key.size() > 3 || key[1] == '0')
        return 0;
    const int n = std::stoi(key.substr(1));
    return n >= 1 && n <= kNoteStudents ? n : 0;
}

// Plain digits, no sign, at most `max`.
bool ReadCount(const std::string& text, int max, int& value)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value <= max;
}

// Fields split at unescaped `separator`, each unescaped; nothing when an escape is unknown.
std::optional<std::vector<std::string>> SplitEscaped(const std::string& value, char separator)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == separator) {
            fields.emplace_back();
        } else if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == separator) {
            fields.back() += separator;
            ++i;
        } else if (value[i] == '\\') {
            const std::size_t end = std::min(i + 2, value.size());
            const std::optional<std::string> one = UnescapeNoteText(value.substr(i, end - i));
            if (!one)
                return std::nullopt;
            fields.back() += *one;
            i = end - 1;
        } else {
            fields.back() += value[i];
        }
    }
    return fields;
}

FileError Refused(int line, const std::string& section, const std::string& key, const std::string& why)
{
    return FileError{line, "[" + section + "] の " + key + " " + why};
}

const char* const kLimitKeys[kNoteTexts] = {"remarks", "moral", "integrated", "foreign"};

} // namespace

std::string EscapeNoteText(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        case '#': out += "\\#"; break;
        case ' ': out += i == 0 || i + 1 == text.size() ? "\\s" : " "; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> UnescapeNoteText(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 's': out += ' '; break;
        case '\\': out += '\\'; break;
        case '#': out += '#'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

bool IsNotesSection(const std::string& section)
{
    if (section == "conduct" || section == "limits" || section == "written")
        return true;
    const auto [stem, period] = SplitSection(section);
    return period != 0 && (TextIndex(stem) >= 0 || stem == "attendance" || stem == "conduct");
}

bool IsNotesKey(const std::string& section, const std::string& key)
{
    if (section == "conduct")
        return key == "items";
    if (section == "written")
        return key == "uses";
    if (section == "limits")
        return TextIndex(key) >= 0;
    if (!IsNotesSection(section))
        return false;
    return IsStudentKey(key) || (key == "days" && SplitSection(section).first == "attendance");
}

FileResult ReadNotesSetting(int line, const std::string& section, const std::string& key, const std::string& value,
                            ReportNotes& notes)
{
    if (section == "conduct") {
        const auto names = SplitEscaped(value, ',');
        if (!names || names->size() != kConductItems)
            return Refused(line, section, key, "は行動の記録の十項目の名前をコンマで区切ったものです。");
        for (int i = 0; i < kConductItems; ++i)
            notes.ConductItems[i] = (*names)[i];
        return std::nullopt;
    }
    if (section == "limits") {
        int limit = 0;
        if (!ReadCount(value, 9999, limit) || limit < 1)
            return Refused(line, section, key, "は字数の上限（1〜9999）です。");
        notes.Limits[TextIndex(key)] = limit;
        return std::nullopt;
    }
    if (section == "written") {
        CheckedArray<bool, kNoteTexts> uses;
        uses[static_cast<int>(NoteText::Remarks)] = true;
        std::size_t at = 0;
        while (!value.empty() && at <= value.size()) {
            const std::size_t comma = std::min(value.find(',', at), value.size());
            const int t = TextIndex(value.substr(at, comma - at));
            if (t <= 0)
                return Refused(line, section, key, "は moral, integrated, foreign をコンマで区切ったものです。");
            uses[t] = true;
            at = comma + 1;
        }
        notes.Uses = uses;
        return std::nullopt;
    }
    const auto [stem, period] = SplitSection(section);
    PeriodNotes& p = notes.Periods[period - 1];
    if (key == "days") {
        int days = 0;
        if (!ReadCount(value, 999, days))
            return Refused(line, section, key, "は授業日数（0〜999）です。");
        p.SchoolDays = days;
        return std::nullopt;
    }
    const int n = StudentNumber(key);
    if (n == 0)
        return Refused(line, section, key, "の番号は 1 から 40 までです。");
    StudentNotes& student = p.Students[n - 1];
    if (const int t = TextIndex(stem); t >= 0) {
        const std::optional<std::string> text = UnescapeNoteText(value);
        if (!text)
            return Refused(line, section, key, "に読めない「\\」の並びがあります（\\n は改行、\\\\ は「\\」）。");
        student.Texts[t] = *text;
    } else if (stem == "attendance") {
        // 停止等,欠席[,備考]: the 備考 is everything after the second comma.
        const std::size_t first = value.find(',');
        const std::size_t second = first == std::string::npos ? first : value.find(',', first + 1);
        int excused = 0, absent = 0;
        std::optional<std::string> note = std::string();
        if (first != std::string::npos && second != std::string::npos)
            note = UnescapeNoteText(value.substr(second + 1));
        if (first == std::string::npos || !ReadCount(value.substr(0, first), 999, excused) ||
            !ReadCount(value.substr(first + 1, second == std::string::npos ? second : second - first - 1), 999,
                       absent) ||
            !note)
            return Refused(line, section, key, "は「停止等の日数,欠席日数,備考」の形です（日数は 0〜999）。");
        student.Excused = excused;
        student.Absent = absent;
        student.AttendanceNote = *note;
    } else {  // conduct.P
        std::string marks;
        for (std::size_t i = 0; i < value.size(); i += 2) {
            if ((value[i] != '0' && value[i] != '1') || (i + 1 < value.size() && value[i + 1] != ','))
                return Refused(line, section, key, "は行動の記録の十項目の 1（○）か 0 をコンマで区切ったものです。");
            marks += value[i];
        }
        if (marks.size() != kConductItems || value.size() != 2 * kConductItems - 1)
            return Refused(line, section, key, "は行動の記録の十項目の 1（○）か 0 をコンマで区切ったものです。");
        for (int i = 0; i < kConductItems; ++i)
            student.Conduct[i] = marks[i] == '1';
    }
    return std::nullopt;
}

std::string ReportNotesText(const ReportNotes& notes)
{
    const ReportNotes defaults;
    std::string text;
    for (int period = 1; period <= kNotePeriods; ++period) {
        const PeriodNotes& p = notes.Periods[period - 1];
        const std::string suffix = "." + std::to_string(period) + "]\n";
        for (int t = 0; t < kNoteTexts; ++t) {
            std::string lines;
            for (int n = 1; n <= kNoteStudents; ++n)
                if (!p.Students[n - 1].Texts[t].empty())
                    lines += "n" + std::to_string(n) + "=" + EscapeNoteText(p.Students[n - 1].Texts[t]) + "\n";
            if (!lines.empty())
                text += std::string("\n[") + kTextSections[t] + suffix + lines;
        }
        std::string attendance = p.SchoolDays ? "days=" + std::to_string(*p.SchoolDays) + "\n" : "";
        for (int n = 1; n <= kNoteStudents; ++n) {
            const StudentNotes& s = p.Students[n - 1];
            if (s.Excused || s.Absent || !s.AttendanceNote.empty())
                attendance += "n" + std::to_string(n) + "=" + std::to_string(s.Excused) + "," +
                              std::to_string(s.Absent) + "," + EscapeNoteText(s.AttendanceNote) + "\n";
        }
        if (!attendance.empty())
            text += "\n[attendance" + suffix + attendance;
        std::string conduct;
        for (int n = 1; n <= kNoteStudents; ++n) {
            const StudentNotes& s = p.Students[n - 1];
            if (s.Conduct == StudentNotes{}.Conduct)
                continue;
            conduct += "n" + std::to_string(n) + "=";
            for (int i = 0; i < kConductItems; ++i)
                conduct += std::string(i ? "," : "") + (s.Conduct[i] ? "1" : "0");
            conduct += "\n";
        }
        if (!conduct.empty())
            text += "\n[conduct" + suffix + conduct;
    }
    if (notes.ConductItems != defaults.ConductItems) {
        text += "\n[conduct]\nitems=";
        for (int i = 0; i < kConductItems; ++i) {
            std::string name;
            for (char c : EscapeNoteText(notes.ConductItems[i]))
                name += c == ',' ? std::string("\\,") : std::string(1, c);
            text += (i ? "," : "") + name;
        }
        text += "\n";
    }
    if (notes.Limits != defaults.Limits) {
        text += "\n[limits]\n";
        for (int t = 0; t < kNoteTexts; ++t)
            text += std::string(kLimitKeys[t]) + "=" + std::to_string(notes.Limits[t]) + "\n";
    }
    if (notes.Uses != defaults.Uses) {
        text += "\n[written]\nuses=";
        bool first = true;
        for (int t = 1; t < kNoteTexts; ++t)
            if (notes.Uses[t]) {
                text += std::string(first ? "" : ",") + kTextSections[t];
                first = false;
            }
        text += "\n";
    }
    return text;
}

} // namespace miravel
