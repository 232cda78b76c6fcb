#include "file/CompanionFile.h"

#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/IniText.h"
#include "file/RecordSettings.h"
#include "file/ReportNotesSettings.h"
#include "file/SafeWrite.h"
#include "file/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace miravel {

namespace {

constexpr char kExtension[] = ".miravel";

// A whole number made of 1..3 digits.
bool ReadWhole(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return true;
}

// "2.5" or "2" or "2.25" as hundredths; no locale is involved.
bool ReadHundredths(const std::string& text, int& value)
{
    const auto dot = text.find('.');
    int whole = 0, fraction = 0;
    if (!ReadWhole(text.substr(0, dot), whole))
        return false;
    if (dot != std::string::npos) {
        std::string digits = text.substr(dot + 1);
        if (digits.empty() || digits.size() > 2 || !ReadWhole(digits, fraction))
            return false;
        if (digits.size() == 1)
            fraction *= 10;
    }
    value = whole * 100 + fraction;
    return true;
}

std::string HundredthsText(int value)
{
    std::string text = std::to_string(value / 100) + "." + std::to_string(value / 10 % 10);
    if (value % 10)
        text += std::to_string(value % 10);
    return text;
}

// True only when nothing at all is at `path` (a broken link is something).
bool NothingAt(const std::string& path)
{
    FileStatus info; // through the system calls: a long path on Windows too
    const int error = PathStatus(path, info, false);
    return error == ENOENT || error == ENOTDIR;
}

FileError Refused(int line, const std::string& reason) { return FileError{line, reason}; }

bool OwnSection(const std::string& section)
{
    return section == "evaluation" || section == "criterion" || section == "grade" || section == "check" ||
           section == "students" || IsRecordSection(section) || IsNotesSection(section);
}

// A "[name]" line of what is kept. A kept "key=value" line never has that
// shape: the reader would have taken it as a section.
bool IsHeaderLine(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// Where the kept sections begin: the blank line before the first header,
// or the end when there is none.
std::size_t FirstHeaderAt(const std::string& other)
{
    for (std::size_t at = 0; at < other.size(); at = other.find('\n', at) + 1) {
        const std::size_t end = other.find('\n', at);
        if (IsHeaderLine(other.substr(at, end - at)))
            return at == 0 ? 0 : at - 1;
        if (end == std::string::npos)
            break;
    }
    return other.size();
}

// The header line of the last kept section; empty when there is none.
std::string LastHeader(const std::string& other)
{
    std::string last;
    for (std::size_t at = 0; at < other.size();) {
        const std::size_t end = std::min(other.find('\n', at), other.size());
        if (IsHeaderLine(other.substr(at, end - at)))
            last = other.substr(at, end - at);
        at = end + 1;
    }
    return last;
}

// Keeps `line` of what this version does not read: before any section
// (`top`) or under `section`, opening it when it is not the last one kept;
// no line keeps the header alone.
void KeepUnread(bool top, const std::string& section, const std::string& line, EvaluationSettings& s)
{
    std::string& other = s.OtherSettings;
    if (top) {
        // Written first, a key that starts with the byte-order mark would read back as the mark.
        if (FirstHeaderAt(other) == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            return;
        other.insert(FirstHeaderAt(other), line + "\n");
        return;
    }
    if (LastHeader(other) != "[" + section + "]")
        other += "\n[" + section + "]\n";
    if (!line.empty())
        other += line + "\n";
}

FileResult ReadSetting(bool top, const std::string& section, const std::string& key, const std::string& value,
                       int line, EvaluationSettings& s)
{
    if (section == "evaluation" && key == "mode") {
        if (value != "relative" && value != "criterion")
            return Refused(line, "mode は relative か criterion です。");
        s.Mode = value == "criterion" ? EvaluationMode::Criterion : EvaluationMode::Relative;
    } else if (section == "evaluation" && key == "terms") {
        if (value != "3" && value != "2")
            return Refused(line, "terms は 3 か 2 です。");
        s.Terms = value == "2" ? 2 : 3;
    } else if (section == "criterion" && key.size() == 4 && key[0] == 's' && key[2] == 'v' && key[1] >= '1' &&
               key[1] <= '6' && key[3] >= '1' && key[3] <= '3') {
        const auto slash = value.find('/');
        CriterionCut cut;
        if (slash == std::string::npos || !ReadWhole(value.substr(0, slash), cut.a) ||
            !ReadWhole(value.substr(slash + 1), cut.c) || cut.a > 100 || cut.a <= cut.c)
            return Refused(line, key + " は A/C の百分率（0〜100、A が C より大きい）です。");
        s.Cuts[(key[1] - '1') * 3 + (key[3] - '1')] = cut;
    } else if (section == "check" && key.size() >= 2 && key.size() <= 3 && key[0] == 'n' &&
               key.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::stoi(key.substr(1));
        if (n < 1 || n > kStudents || value.find_first_not_of("ABC123-") != std::string::npos)
            return Refused(line, key + " は評価と評定の記録（A, B, C, 1, 2, 3, -）です。");
        s.CheckedLetters.resize(kStudents);
        s.CheckedLetters[n - 1] = value;
    } else if (section == "students" && (key.rfind("code", 0) == 0 || key.rfind("account", 0) == 0)) {
        const bool code = key[0] == 'c';
        const std::string number = key.substr(code ? 4 : 7);
        int n = 0;
        if (!ReadWhole(number, n) || n < 1 || n > kStudentRecords || number[0] == '0')
            return Refused(line, key + " の番号は 1 から 40 までです。");
        // One line of printable text: a control character would break the line.
        for (unsigned char c : value)
            if (c < 0x20 || c == 0x7F)
                return Refused(line, key + " に使えない文字があります。");
        (code ? s.StudentCodes : s.StudentAccounts)[n - 1] = value;
    } else if (section == "grade" && (key == "a3" || key == "c1")) {
        int hundredths = 0;
        if (!ReadHundredths(value, hundredths) || hundredths < 100 || hundredths > 300)
            return Refused(line, key + " は 1.0 から 3.0 までの数です。");
        (key == "a3" ? s.GradeA3 : s.GradeC1) = hundredths;
    } else if (IsNotesKey(section, key)) {
        return ReadNotesSetting(line, section, key, value, s.Notes);
    } else {
        KeepUnread(top, section, key + "=" + value, s);
    }
    return std::nullopt;
}

} // namespace

std::string CompanionPath(const std::string& bookPath)
{
    const auto slash = bookPath.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = bookPath.find_last_of('.');
    // A leading dot starts a hidden name, not an extension.
    if (dot == std::string::npos || dot <= nameStart)
        return bookPath + kExtension;
    return bookPath.substr(0, dot) + kExtension;
}

std::string EvaluationSettingsText(const EvaluationSettings& s)
{
    // What this version does not read goes back where it was: lines before
    // any section first, the sections last.
    const std::string& other = s.OtherSettings;
    const std::size_t sections = FirstHeaderAt(other);
    std::string text = other.substr(0, sections) + (sections ? "\n" : "") + "[evaluation]\n";
    text += std::string("mode=") + (s.Criterion() ? "criterion" : "relative") + "\n";
    text += "terms=" + std::to_string(s.Terms) + "\n\n[criterion]\n";
    for (int k = 0; k < kCriterionCuts; ++k)
        text += "s" + std::to_string(k / 3 + 1) + "v" + std::to_string(k % 3 + 1) + "=" +
                std::to_string(s.Cuts[k].a) + "/" + std::to_string(s.Cuts[k].c) + "\n";
    text += ExtraCutLines(s);
    text += "\n[grade]\na3=" + HundredthsText(s.GradeA3) + "\nc1=" + HundredthsText(s.GradeC1) + "\n";
    // The check list's record of letters, one line per student it knew.
    if (!s.CheckedLetters.empty())
        text += "\n[check]\n";
    for (std::size_t i = 0; i < s.CheckedLetters.size(); ++i)
        if (!s.CheckedLetters[i].empty())
            text += "n" + std::to_string(i + 1) + "=" + s.CheckedLetters[i] + "\n";
    std::string students;
    for (int i = 0; i < kStudentRecords; ++i) {
        if (!s.StudentCodes[i].empty())
            students += "code" + std::to_string(i + 1) + "=" + s.StudentCodes[i] + "\n";
        if (!s.StudentAccounts[i].empty())
            students += "account" + std::to_string(i + 1) + "=" + s.StudentAccounts[i] + "\n";
    }
    if (!students.empty())
        text += "\n[students]\n" + students;
    text += RecordSettingsText(s.Records);
    text += ReportNotesText(s.Notes);
    return text + other.substr(sections);
}

FileResult ParseEvaluationSettings(const std::string& text, EvaluationSettings& settings)
{
    EvaluationSettings read;
    IniReader reader;
    reader.commentsAfterValues = true;
    bool top = true;  // no section line yet: an unread key stays before the sections
    reader.section = [&](int, const std::string& section) -> FileResult {
        // A record of nobody's letters is still a record, as written.
        if (section == "check")
            read.CheckedLetters.resize(kStudents);
        top = false;
        if (!OwnSection(section))
            KeepUnread(false, section, "", read);
        return std::nullopt;
    };
    RecordSettingsReader records;
    reader.entry = [&](int line, const std::string& section, const std::string& key, const std::string& value) {
        if (std::optional<FileResult> result = records.Entry(section, key, value, line, read))
            return *result;
        return ReadSetting(top, section, key, value, line, read);
    };
    FileResult error = ReadIniText(text, reader);
    if (!error)
        error = records.Finish(read);
    if (!error && read.GradeC1 > read.GradeA3)
        error = Refused(0, "c1 が a3 より大きくなっています。");
    settings = error ? EvaluationSettings{} : read;
    return error;
}

FileResult ReadCompanion(const std::string& bookPath, EvaluationSettings& settings)
{
    settings = EvaluationSettings{};
    const std::string path = CompanionPath(bookPath);
    // A book named like a settings file would be read as its own settings.
    if (IsSettingsFileName(bookPath) || NothingAt(path))
        return std::nullopt;
    std::string text;
    if (FileResult error = ReadWholeFile(path, text))
        return error;
    return ParseEvaluationSettings(text, settings);
}

std::optional<std::string> SettingsFileBytes(const std::string& bookPath, const EvaluationSettings& settings)
{
    if (IsSettingsFileName(bookPath) || (settings.IsDefault() && NothingAt(CompanionPath(bookPath))))
        return std::nullopt;
    return EvaluationSettingsText(settings);
}

FileResult WriteCompanion(const std::string& bookPath, const EvaluationSettings& settings, unsigned mode)
{
    const std::optional<std::string> bytes = SettingsFileBytes(bookPath, settings);
    return bytes ? WriteFileAtomically(CompanionPath(bookPath), *bytes, mode ? mode : BookFileMode(bookPath))
                 : std::nullopt;
}

} // namespace miravel
