#include "file/IniText.h"

namespace miravel {

std::string TrimmedIniText(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

FileResult ReadIniText(const std::string& text, const IniReader& reader)
{
    std::string section;
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (int line = 1; start <= text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string content = text.substr(start, end - start);
        start = end + 1;
        if (reader.commentsAfterValues) {
            if (const auto comment = content.find(" #"); comment != std::string::npos)
                content.erase(comment);
        }
        content = TrimmedIniText(content);
        if (reader.checkLine) {
            if (FileResult error = reader.checkLine(line, content))
                return error;
        }
        if (content.empty() || content[0] == '#' || content[0] == ';')
            continue;
        if (content.front() == '[' && content.back() == ']') {
            section = TrimmedIniText(content.substr(1, content.size() - 2));
            if (FileResult error = reader.section(line, section))
                return error;
            continue;
        }
        const auto equals = content.find('=');
        if (equals == std::string::npos)
            return FileError{line, "「キー=値」の形ではありません。"};
        if (FileResult error = reader.entry(line, section, TrimmedIniText(content.substr(0, equals)),
                                            TrimmedIniText(content.substr(equals + 1))))
            return error;
    }
    return std::nullopt;
}

} // namespace miravel
