#include "file/GradeBookFile.h"

#include "core/TextRules.h"
#include "file/Cp932.h"
#include "file/Cp932Characters.h"
#include "file/SafeWrite.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace miravel {

namespace {

// Line numbers of the file (1-based).
constexpr int kNamesLine = 6;
constexpr int kRankCountALine = 7;
constexpr int kRankCountCLine = 11;
constexpr int kSemesterNamesLine = 15;
constexpr int kSubjectTableLine = 16;
constexpr int kSubjectCatalogueLine = 22;
constexpr int kViewpointCatalogueLine = 23;
constexpr int kScoresLine = 24;
constexpr int kTitlesLine = 24 + kSlots;

// ---------------------------------------------------------------- writing

// What a text of the document is, in words a teacher understands.
std::string slotName(const GradeDocument& d, int slot)
{
    if (slot >= YearRoundSlot(0, 0))
        return d.SubjectTable[(slot - YearRoundSlot(0, 0)) / kParts][0] + " 通年";
    const int semester = slot / 264, subject = slot % 264 / 44, test = slot % 44 / 4;
    std::string name = d.SubjectTable[subject][0] + " " + d.SemesterNames[semester];
    return test < kTests ? name + " " + std::to_string(test + 1) + "回目の試験" : name + " 平均";
}

// Writes the lines of the file straight in code page 932, checking every
// text as it goes. `what` describes a text in words a teacher understands;
// it is only called for a text that cannot be stored.
class LineWriter {
public:
    explicit LineWriter(std::string& bytes) : bytes(bytes)
    {
        bytes.clear();
        bytes.reserve(256 * 1024);
    }

    std::string& bytes;
    FileResult misplaced;  // the first text holding ";" in a field list, or a line break
    FileResult unstorable; // the first text with a character code page 932 cannot store

    template <class What>
    void wholeLine(const std::string& value, What what)
    {
        put(value, false, what);
        bytes += "\r\n";
    }
    template <class What>
    void field(const std::string& value, What what)
    {
        put(value, true, what);
        bytes += ';';
    }
    void number(std::string_view value)
    {
        bytes += value;
        bytes += ';';
    }
    void endLine() { bytes += "\r\n"; }

private:
    template <class What>
    void put(const std::string& value, bool inList, What what)
    {
        bool separator = false, lineBreak = false; // one look at each byte
        for (char c : value) {
            separator = separator || c == ';';
            lineBreak = lineBreak || c == '\r' || c == '\n';
        }
        if (!misplaced && inList && separator)
            misplaced = FileError{0, what() + "に「;」が含まれています。「;」はファイルに保存できません。"};
        else if (!misplaced && lineBreak)
            misplaced = FileError{0, what() + "に改行が含まれています。改行はファイルに保存できません。"};
        const std::size_t start = bytes.size();
        if (CharacterwiseUtf8ToCp932(value, bytes))
            return;
        bytes.resize(start);
        std::string offending; // the system's converter names the character
        if (const auto converted = Utf8ToCp932(value, &offending))
            bytes += *converted;
        else if (!unstorable)
            unstorable = FileError{0, what() + "の文字「" + offending + "」はファイルに保存できません。"};
    }
};

// The longest score text: the largest single-precision value has 39 digits.
constexpr int kScoreRoom = 48;

// A score with one decimal, exactly as OneDecimal writes it, at `out`
// (room for kScoreRoom characters); gives the end. A file holds 36720 of them.
// Ten times a single-precision value is exact in a double, so rounding that
// to a whole number, halves to the even neighbour, gives the same digits as
// rounding the exact value.
char* putScore(char* out, Single value)
{
    const double tenfold = static_cast<double>(value) * 10.0;
    if (!(std::fabs(tenfold) < 1e15)) { // not finite, or too long for the quick way
        const std::string text = OneDecimal(value);
        return std::copy(text.begin(), text.end(), out);
    }
    long long units = static_cast<long long>(std::nearbyint(tenfold));
    if (units < 0) { // a negative value rounding to 0 is written as 0.0
        *out++ = '-';
        units = -units;
    }
    const long long whole = units / 10;
    if (whole < 10) { // most scores: one or two digits, no division loop
        *out++ = static_cast<char>('0' + whole);
    } else if (whole < 100) {
        *out++ = static_cast<char>('0' + whole / 10);
        *out++ = static_cast<char>('0' + whole % 10);
    } else {
        out = std::to_chars(out, out + kScoreRoom, whole).ptr;
    }
    *out++ = '.';
    *out++ = static_cast<char>('0' + (units - whole * 10));
    return out;
}

// A row of scores, each followed by ";", appended at once.
void appendScores(LineWriter& w, const CheckedArray<Single, kColumns>& row)
{
    char line[kColumns * (kScoreRoom + 1)];
    char* end = line;
    for (Single value : row) {
        end = putScore(end, value);
        *end++ = ';';
    }
    w.bytes.append(line, static_cast<std::size_t>(end - line));
}

void writeDocument(const GradeDocument& d, LineWriter& w)
{
    auto named = [](const char* what) { return [what] { return std::string(what); }; };
    w.wholeLine(d.SchoolYear, named("年度"));
    w.wholeLine(d.GradeLevel, named("学年"));
    w.wholeLine(d.ClassName, named("学級"));
    w.wholeLine(d.TeacherName, named("担任の氏名"));
    w.bytes += Str(d.StudentCount) + "\r\n";

    for (int i = 0; i < kStudents; ++i)
        w.field(d.StudentNames[i], [i] { return "出席番号" + std::to_string(i + 1) + "の氏名"; });
    w.endLine();
    for (const auto* counts : {&d.RankCountA, &d.RankCountC})
        for (int p = 0; p < kPeriods; ++p) {
            for (int k = 0; k < kSubjectViewpoints; ++k)
                w.number(Str((*counts)[p][k]));
            w.endLine();
        }
    for (int m = 0; m < kSemesters; ++m)
        w.field(d.SemesterNames[m], named("学期名"));
    w.endLine();
    for (int s = 0; s < kSubjects; ++s) {
        w.field(d.SubjectTable[s][0], named("科目名"));
        for (int v = 1; v <= kViewpoints; ++v)
            w.field(d.SubjectTable[s][v], [&d, s] { return d.SubjectTable[s][0] + "の観点名"; });
        w.endLine();
    }
    for (const auto& name : d.SubjectCatalogue)
        w.field(name, named("科目の候補"));
    w.endLine();
    for (const auto& name : d.ViewpointCatalogue)
        w.field(name, named("観点の候補"));
    w.endLine();
    for (const auto& row : d.Scores) {
        appendScores(w, row);
        w.endLine();
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        w.field(d.SlotTitles[slot][0], [&d, slot] { return slotName(d, slot) + "の日付"; });
        w.field(d.SlotTitles[slot][1], [&d, slot] { return slotName(d, slot) + "の題名"; });
        w.endLine();
    }
}

// ---------------------------------------------------------------- reading

FileError lineError(int line, const std::string& reason) { return FileError{line, reason}; }

std::string shortFileReason()
{
    return "ファイルが途中で終わっています（成績ファイルは" + std::to_string(kGradeBookLines) + "行です）。";
}

std::string missingFields(int count, std::size_t found)
{
    return "項目が足りません（" + std::to_string(count) + "個のところ" + std::to_string(found) + "個です）。";
}

// The lines of a text, each without its line end. The byte just past a
// line is always readable and is its CR, its LF or the text's final NUL,
// so a parser may look one byte beyond a line without a bounds check.
class LineReader {
public:
    explicit LineReader(const std::string& text)
    {
        lines_.reserve(kGradeBookLines);
        std::size_t start = 0;
        while (start < text.size() && static_cast<int>(lines_.size()) < kGradeBookLines) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string_view line(text.data() + start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    int lineCount() const { return static_cast<int>(lines_.size()); }
    std::string_view line(int number) const { return lines_[number - 1]; }

    // The first `count` fields of a line, each the text before a ";".
    FileResult fields(int number, int count, std::vector<std::string_view>& out) const
    {
        out.clear();
        const std::string_view text = line(number);
        std::size_t fieldStart = 0;
        for (std::size_t i = 0; i < text.size() && static_cast<int>(out.size()) < count; ++i)
            if (text[i] == ';') {
                out.push_back(text.substr(fieldStart, i - fieldStart));
                fieldStart = i + 1;
            }
        if (static_cast<int>(out.size()) < count)
            return lineError(number, missingFields(count, out.size()));
        return std::nullopt;
    }

private:
    std::vector<std::string_view> lines_;
};

FileResult readInteger(int line, std::string_view field, Integer& value)
{
    const auto number = ToInt16(LeadingNumber(field));
    if (!number)
        return lineError(line, "整数が範囲（-32768～32767）を超えています。");
    value = *number;
    return std::nullopt;
}

// A row of scores in one pass, each field read where it stands. The usual
// field ("85.0", "-1.0": an optional "-", then at most 15 digits with at
// most one ".") is an exact whole number divided by an exact power of ten,
// and that one division rounds as strtod does; any other field takes the
// leading-number rule.
FileResult readScores(const LineReader& reader, int line, CheckedArray<Single, kColumns>& row)
{
    static const double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const std::string_view text = reader.line(line);
    const char* at = text.data();
    const char* const end = at + text.size();
    auto isDigit = [](char c) { return static_cast<unsigned char>(c - '0') < 10; };
    bool tooLarge = false;
    for (int c = 0; c < kColumns; ++c, ++at) {
        const char* const start = at;
        // The byte at `end` is readable and ends any number (see LineReader).
        const bool negative = *at == '-';
        at += negative;
        std::uint64_t whole = 0;
        const char* const digits = at;
        while (isDigit(*at))
            whole = whole * 10 + static_cast<std::uint64_t>(*at++ - '0');
        long decimals = 0, point = 0;
        if (*at == '.') {
            const char* const fraction = ++at;
            while (isDigit(*at))
                whole = whole * 10 + static_cast<std::uint64_t>(*at++ - '0');
            decimals = at - fraction;
            point = 1;
        }
        const long count = at - digits - point;
        Single& value = row.begin()[c];
        if (*at == ';' && count > 0 && count <= 15) {
            const double number = static_cast<double>(whole) / powersOfTen[decimals];
            value = static_cast<Single>(negative ? -number : number);
            continue;
        }
        const std::string_view rest(start, static_cast<std::size_t>(end - start));
        const std::size_t semicolon = rest.find(';');
        if (semicolon == std::string_view::npos)
            return lineError(line, missingFields(kColumns, c));
        value = static_cast<Single>(LeadingNumber(rest.substr(0, semicolon)));
        tooLarge = tooLarge || !std::isfinite(value);
        at = start + semicolon;
    }
    if (tooLarge)
        return lineError(line, "数値が大きすぎます。");
    return std::nullopt;
}

template <class Store>
FileResult readList(const LineReader& reader, int line, int count, Store store)
{
    thread_local std::vector<std::string_view> fields; // reused: 1650 lines a file
    if (auto error = reader.fields(line, count, fields))
        return error;
    for (int i = 0; i < count; ++i)
        if (auto error = store(i, fields[i]))
            return error;
    return std::nullopt;
}

FileResult parseLines(const LineReader& r, GradeDocument& d)
{
    if (r.lineCount() < kGradeBookLines)
        return lineError(r.lineCount() + 1, shortFileReason());
    // No text may hold a line break; a stray carriage return would make a
    // text this program could not save again.
    for (int line = 1; line <= kGradeBookLines; ++line)
        if (r.line(line).find('\r') != std::string_view::npos)
            return lineError(line, "行の途中に改行文字（CR）があります。");
    d.SchoolYear = r.line(1);
    d.GradeLevel = r.line(2);
    d.ClassName = r.line(3);
    d.TeacherName = r.line(4);
    if (auto error = readInteger(5, r.line(5), d.StudentCount))
        return error;
    if (d.StudentCount < 0 || d.StudentCount > kStudents)
        return lineError(5, "生徒数は0から40までです。");

    auto text = [](auto& target) {
        return [&target](int i, std::string_view field) -> FileResult {
            target[i] = std::string(field);
            return std::nullopt;
        };
    };
    FileResult error;
    if ((error = readList(r, kNamesLine, kStudents, text(d.StudentNames))))
        return error;
    for (int p = 0; p < kPeriods; ++p) {
        for (auto [line, counts] : {std::pair{kRankCountALine + p, &d.RankCountA[p]},
                                    std::pair{kRankCountCLine + p, &d.RankCountC[p]}}) {
            error = readList(r, line, kSubjectViewpoints, [&, line = line, counts = counts](int k, std::string_view f) {
                return readInteger(line, f, (*counts)[k]);
            });
            if (error)
                return error;
        }
    }
    if ((error = readList(r, kSemesterNamesLine, kSemesters, text(d.SemesterNames))))
        return error;
    for (int s = 0; s < kSubjects; ++s)
        if ((error = readList(r, kSubjectTableLine + s, 4, text(d.SubjectTable[s]))))
            return error;
    if ((error = readList(r, kSubjectCatalogueLine, kSubjectCatalogueSize, text(d.SubjectCatalogue))))
        return error;
    if ((error = readList(r, kViewpointCatalogueLine, kViewpointCatalogueSize, text(d.ViewpointCatalogue))))
        return error;
    for (int slot = 0; slot < kSlots; ++slot)
        if ((error = readScores(r, kScoresLine + slot, d.Scores[slot])))
            return error;
    for (int slot = 0; slot < kSlots; ++slot)
        if ((error = readList(r, kTitlesLine + slot, 2, text(d.SlotTitles[slot]))))
            return error;
    return std::nullopt;
}

} // namespace

FileResult EncodeGradeBook(const GradeDocument& document, std::string& bytes)
{
    LineWriter writer(bytes);
    writeDocument(document, writer);
    // A misplaced separator or line break is named before a character
    // without a code page 932 form.
    if (FileResult error = writer.misplaced ? writer.misplaced : writer.unstorable) {
        bytes.clear(); // a text the format cannot carry never reaches a file
        return error;
    }
    return std::nullopt;
}

FileResult ParseGradeBook(std::string_view bytes, GradeDocument& document)
{
    // Whatever follows the last line is ignored, whatever bytes it holds.
    // (A line feed byte never occurs inside a code page 932 character.)
    std::size_t end = 0;
    int lines = 0;
    while (lines < kGradeBookLines && end < bytes.size()) {
        const std::size_t lineFeed = bytes.find('\n', end);
        end = lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1;
        ++lines;
    }
    // A file cut short is refused before a byte of it is decoded.
    if (lines < kGradeBookLines)
        return lineError(lines + 1, shortFileReason());
    std::string text;
    if (auto error = DecodeCp932File(bytes.substr(0, end), text))
        return error;
    return parseLines(LineReader(text), document);
}

FileResult WriteGradeBook(const std::string& path, const GradeDocument& document, SaveReport& report)
{
    report = SaveReport{};
    std::string bytes;
    if (auto error = EncodeGradeBook(document, bytes))
        return error;
    // Saving what the file already holds would turn the backup into a second
    // copy of it and lose the version before: nothing is written then.
    std::string onDisk;
    if (!ReadWholeFile(path, onDisk) && onDisk == bytes) {
        report.unchanged = true;
        return std::nullopt;
    }
    return WriteFileWithBackup(path, bytes, report);
}

FileResult WriteGradeBook(const std::string& path, const GradeDocument& document)
{
    SaveReport ignored;
    return WriteGradeBook(path, document, ignored);
}

FileResult ReadGradeBook(const std::string& path, GradeDocument& document)
{
    std::string bytes;
    if (auto error = ReadWholeFile(path, bytes))
        return error;
    // Parsed into a fresh document so a refused file leaves the caller's as it was.
    auto fresh = std::make_unique<GradeDocument>();
    if (auto error = ParseGradeBook(bytes, *fresh))
        return error;
    document = std::move(*fresh);
    return std::nullopt;
}

} // namespace miravel
