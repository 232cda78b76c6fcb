#pragma once
// The small INI form of the settings file and of hand-off profiles: lines
// of "[section]" and "key=value", blank lines and lines starting with "#"
// or ";" passed over, an optional UTF-8 BOM first.

#include "file/FileError.h"

#include <functional>
#include <string>

namespace miravel {

std::string TrimmedIniText(const std::string& text);

struct IniReader {
    // Called for each line before it is read (its number and its trimmed text).
    std::function<FileResult(int line, const std::string& content)> checkLine;
    std::function<FileResult(int line, const std::string& section)> section;
    std::function<FileResult(int line, const std::string& section, const std::string& key, const std::string& value)>
        entry;
    bool commentsAfterValues = false;  // " #" after a value starts a comment
};

// Reads `text` line by line into `reader`; the first refusal ends it. A
// line that is neither a section nor "key=value" is refused with its number.
FileResult ReadIniText(const std::string& text, const IniReader& reader);

} // namespace miravel
