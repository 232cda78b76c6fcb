#include "file/RosterImport.h"

#include "core/StepNames.h"
#include "file/Cp932.h"
#include "file/FieldText.h"
#include "file/SafeWrite.h"

#include <algorithm>
#include <optional>

namespace miravel {

namespace {

// Where the field at the start of `rest` ends: the first ";" if the text has
// a ";" at all, otherwise the first ",".
std::size_t FieldEnd(std::string_view rest)
{
    const auto cut = rest.find(';');
    return cut != std::string_view::npos ? cut : rest.find(',');
}

// A field that starts with a double quote and has its closing quote is one
// name, commas included: the quotes go, a doubled quote inside is one quote,
// and a ";" becomes "；" as in a typed name (the file separates with ";").
// Reads it off the front of `rest`; nothing when it is no such field.
std::optional<std::string> TakeQuotedName(std::string_view& rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::nullopt;
    std::string name;
    for (std::size_t at = 1; at < rest.size(); ++at) {
        if (rest[at] != '"') {
            name += rest[at];
        } else if (at + 1 < rest.size() && rest[at + 1] == '"') {
            name += '"';
            ++at;
        } else {
            rest.remove_prefix(at + 1);
            return StorableFieldText(name);
        }
    }
    return std::nullopt; // no closing quote: the field is taken as written
}

// Splits one line: at each step the text up to the first ";" is a name if
// the rest has a ";" at all, otherwise up to the first ",".
void splitLine(std::string_view rest, std::vector<std::string>& names)
{
    while (!rest.empty()) {
        std::string name = TakeQuotedName(rest).value_or(std::string());
        // Text after a closing quote up to the separator belongs to the name.
        const auto cut = FieldEnd(rest);
        name += rest.substr(0, cut);
        rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut + 1);
        // Tabs and other control characters never enter the book.
        name = StorableFieldText(name);
        if (!name.empty())
            names.push_back(std::move(name));
    }
}

} // namespace

std::vector<std::string> ParseRosterNames(std::string_view text)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        // A name never holds a line break: CR and LF both end a line.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        splitLine(text.substr(start, end - start), names);
        start = end + 1;
    }
    return names;
}

FileResult ReadRosterFile(const std::string& path, std::vector<std::string>& names)
{
    std::string bytes;
    if (auto error = ReadWholeFile(path, bytes))
        return error;
    std::string text;
    if (auto error = DecodeCp932File(bytes, text))
        return error;
    names = ParseRosterNames(text);
    return std::nullopt;
}

RosterImportResult ImportRoster(GradeBook& book, const std::vector<std::string>& names)
{
    RosterImportResult result;
    result.imported = static_cast<int>(std::min<std::size_t>(names.size(), kStudents));
    result.leftOut = names.size() - static_cast<std::size_t>(result.imported);
    bool changed = book.StudentCount != result.imported;
    for (int i = 0; i < result.imported; ++i) {
        const std::string& name = names[static_cast<std::size_t>(i)];
        changed = changed || book.StudentNames[i] != name;
        book.StudentNames[i] = name;
    }
    book.StudentCount = static_cast<Integer>(result.imported);
    if (changed)
        book.MarkChanged(RosterImportStep());
    return result;
}

} // namespace miravel
