#include "file/HandoffProfile.h"

#include "file/IniText.h"
#include "file/SafeWrite.h"
#include "file/TextFileDecoding.h"

#include <map>
#include <set>

namespace miravel {

const char* const kHandoffProfileExtension = ".miravel-profile";

namespace {

constexpr int kMaxColumns = 200;
const char* const kLetterKeys[] = {"A", "B", "C"};
const char* const kGradeKeys[] = {"3", "2", "1"};
const char* const kPlainFields[] = {"学年", "組", "出席番号", "コード", "氏名"};

// "1" .. "200" without a leading zero; 0 for anything else.
int ColumnNumber(const std::string& key)
{
    if (key.empty() || key.size() > 3 || key[0] == '0' || key.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int n = std::stoi(key);
    return n <= kMaxColumns ? n : 0;
}

int IndexOf(const char* const* names, int count, const std::string& key)
{
    for (int i = 0; i < count; ++i)
        if (key == names[i])
            return i;
    return -1;
}

// What one profile text holds while it is read.
struct Reading {
    HandoffProfile profile;
    std::set<std::string> seen;       // "section/key", to refuse a key given twice
    std::map<int, std::string> headers;
    std::map<int, int> headerLines;
    bool hasEncoding = false, hasHeader = false;
};

FileResult ReadEntry(const std::string& section, const std::string& key, const std::string& value, int line,
                     Reading& r)
{
    auto refuse = [line](const std::string& reason) { return FileResult(FileError{line, reason}); };
    if (!r.seen.insert(section + "/" + key).second)
        return refuse("[" + section + "] の " + key + " が二度あります。");
    HandoffProfile& p = r.profile;
    if (section == "profile" && key == "name") {
        p.name = value;
    } else if (section == "profile" && key == "encoding") {
        const HandoffEncoding all[] = {HandoffEncoding::Utf8Bom, HandoffEncoding::Utf8, HandoffEncoding::Cp932};
        r.hasEncoding = false;
        for (HandoffEncoding e : all)
            if (value == HandoffEncodingName(e)) {
                p.encoding = e;
                r.hasEncoding = true;
            }
        if (!r.hasEncoding)
            return refuse("encoding は utf-8-bom、utf-8、cp932 のどれかです（「" + value + "」は使えません）。");
    } else if (section == "profile" && key == "header") {
        if (value != "yes" && value != "no")
            return refuse("header は yes か no です（「" + value + "」は使えません）。");
        p.header = value == "yes";
        r.hasHeader = true;
    } else if (section == "symbols" && (IndexOf(kLetterKeys, 3, key) >= 0 || IndexOf(kGradeKeys, 3, key) >= 0)) {
        const int letter = IndexOf(kLetterKeys, 3, key);
        (letter >= 0 ? p.letters[letter] : p.grades[IndexOf(kGradeKeys, 3, key)]) = value;
    } else if (section == "symbols" && key == "none") {
        p.none = value;
    } else if (section == "columns" && ColumnNumber(key) > 0) {
        const auto n = static_cast<std::size_t>(ColumnNumber(key));
        if (p.columns.size() < n)
            p.columns.resize(n, HandoffColumn{HandoffField::Fixed, -1, -1, "", ""});  // -1 marks a gap
        if (!ParseHandoffColumn(value, p.columns[n - 1]))
            return refuse("列 " + key + " の「" + value +
                          "」は使えません（学年、組、出席番号、コード、氏名、s1v1〜s6v3、s1評定〜s6評定、\"固定の文字\"）。");
    } else if (section == "headers" && ColumnNumber(key) > 0) {
        r.headers[ColumnNumber(key)] = value;
        r.headerLines[ColumnNumber(key)] = line;
    } else if (section.empty()) {
        return refuse("キーの前に [profile] などの見出しがありません。");
    } else {
        return refuse("[" + section + "] に「" + key + "」というキーはありません。");
    }
    return std::nullopt;
}

// What a read profile must have besides well-formed lines.
FileResult Complete(Reading& r)
{
    auto refuse = [](int line, const std::string& reason) { return FileResult(FileError{line, reason}); };
    for (const char* const* keys : {kLetterKeys, kGradeKeys})
        for (int i = 0; i < 3; ++i)
            if (!r.seen.count(std::string("symbols/") + keys[i]))
                return refuse(0, std::string("[symbols] に ") + keys[i] + " の記号がありません。");
    if (!r.hasEncoding)
        return refuse(0, "[profile] に encoding がありません。");
    if (!r.hasHeader)
        return refuse(0, "[profile] に header がありません。");
    std::vector<HandoffColumn>& columns = r.profile.columns;
    if (columns.empty())
        return refuse(0, "[columns] に列がありません。");
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].subject < 0)
            return refuse(0, "[columns] に列 " + std::to_string(i + 1) + " がありません（列は 1 から抜けなく並べます）。");
    for (const auto& [n, header] : r.headers) {
        if (static_cast<std::size_t>(n) > columns.size())
            return refuse(r.headerLines[n], "[headers] の " + std::to_string(n) + " という列はありません。");
        columns[n - 1].header = header;
    }
    return std::nullopt;
}

} // namespace

const char* HandoffEncodingName(HandoffEncoding encoding)
{
    switch (encoding) {
    case HandoffEncoding::Utf8:
        return "utf-8";
    case HandoffEncoding::Cp932:
        return "cp932";
    case HandoffEncoding::Utf8Bom:
        break;
    }
    return "utf-8-bom";
}

std::string HandoffColumnKey(const HandoffColumn& column)
{
    const std::string subject = "s" + std::to_string(column.subject + 1);
    switch (column.field) {
    case HandoffField::Letter:
        return subject + "v" + std::to_string(column.viewpoint + 1);
    case HandoffField::SubjectGrade:
        return subject + "評定";
    case HandoffField::Fixed: {
        std::string quoted = "\"";
        for (char ch : column.text)
            quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        return quoted + "\"";
    }
    default:
        return kPlainFields[static_cast<int>(column.field)];
    }
}

bool ParseHandoffColumn(const std::string& value, HandoffColumn& column)
{
    HandoffColumn read;
    read.header = column.header;
    if (const int plain = IndexOf(kPlainFields, 5, value); plain >= 0) {
        read.field = static_cast<HandoffField>(plain);
    } else if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        read.field = HandoffField::Fixed;
        for (std::size_t i = 1; i + 1 < value.size(); ++i) {
            if (value[i] == '"' && (i + 2 >= value.size() || value[++i] != '"'))
                return false;  // a lone quote inside
            read.text += value[i];
        }
    } else if (value.size() >= 3 && value[0] == 's' && value[1] >= '1' && value[1] <= '9') {
        // s1 .. s6 the book's subjects, s7 .. s10 those evaluated from records.
        const bool tenth = value.compare(1, 2, "10") == 0;
        read.subject = tenth ? 9 : value[1] - '1';
        const std::string rest = value.substr(tenth ? 3 : 2);
        if (rest == "評定")
            read.field = HandoffField::SubjectGrade;
        else if (rest.size() == 2 && rest[0] == 'v' && rest[1] >= '1' && rest[1] <= '3')
            read.field = HandoffField::Letter, read.viewpoint = rest[1] - '1';
        else
            return false;
    } else {
        return false;
    }
    column = read;
    return true;
}

FileResult ParseHandoffProfile(const std::string& text, HandoffProfile& profile)
{
    Reading reading;
    IniReader reader;
    reader.checkLine = [](int line, const std::string& content) -> FileResult {
        if (!IsValidUtf8(content))
            return FileError{line, "UTF-8 の文字ではありません（書式ファイルは UTF-8 で保存します）。"};
        return std::nullopt;
    };
    reader.section = [](int line, const std::string& section) -> FileResult {
        if (section != "profile" && section != "symbols" && section != "columns" && section != "headers")
            return FileError{line, "「[" + section + "]」という見出しはありません。"};
        return std::nullopt;
    };
    reader.entry = [&reading](int line, const std::string& section, const std::string& key, const std::string& value) {
        return ReadEntry(section, key, value, line, reading);
    };
    if (FileResult error = ReadIniText(text, reader))
        return error;
    if (FileResult error = Complete(reading))
        return error;
    profile = reading.profile;
    return std::nullopt;
}

std::string HandoffProfileText(const HandoffProfile& p)
{
    std::string text = "[profile]\nname=" + p.name + "\nencoding=" + HandoffEncodingName(p.encoding) +
                       "\nheader=" + (p.header ? "yes" : "no") + "\n\n[symbols]\n";
    for (int i = 0; i < 3; ++i)
        text += std::string(kLetterKeys[i]) + "=" + p.letters[i] + "\n";
    text += "none=" + p.none + "\n";
    for (int i = 0; i < 3; ++i)
        text += std::string(kGradeKeys[i]) + "=" + p.grades[i] + "\n";
    std::string headers;
    text += "\n[columns]\n";
    for (std::size_t i = 0; i < p.columns.size(); ++i) {
        text += std::to_string(i + 1) + "=" + HandoffColumnKey(p.columns[i]) + "\n";
        if (!p.columns[i].header.empty())
            headers += std::to_string(i + 1) + "=" + p.columns[i].header + "\n";
    }
    if (!headers.empty())
        text += "\n[headers]\n" + headers;
    return text;
}

FileResult ReadHandoffProfile(const std::string& path, HandoffProfile& profile)
{
    std::string text;
    if (FileResult error = ReadWholeFile(path, text))
        return error;
    return ParseHandoffProfile(text, profile);
}

FileResult WriteHandoffProfile(const std::string& path, const HandoffProfile& profile)
{
    return WriteFileAtomically(path, HandoffProfileText(profile));
}

} // namespace miravel
