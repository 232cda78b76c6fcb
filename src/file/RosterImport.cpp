#include "file/RosterImport.h"

#include "file/Cp932.h"
#include "file/SafeWrite.h"

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

} // namespace miravel
