#include "file/RosterImport.h"

#include "core/StepNames.h"
#include "file/Cp932.h"
#include "file/SafeWrite.h"

#include <algorithm>

namespace miravel {

namespace {

// Splits one line: at each step the text up to the first ";" is a name if
// the rest has a ";" at all, otherwise up to the first ",".
void splitLine(std::string_view rest, std::vector<std::string>& names)
{
    while (!rest.empty()) {
        std::string_view name;
        auto cut = rest.find(';');
        if (cut == std::string_view::npos)
            cut = rest.find(',');
        if (cut == std::string_view::npos) {
            name = rest;
            rest = {};
        } else {
            name = rest.substr(0, cut);
            rest.remove_prefix(cut + 1);
        }
        if (!name.empty())
            names.emplace_back(name);
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
