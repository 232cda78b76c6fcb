#pragma once
// Reading a roster from a file of names separated by ";" or ",".

#include "file/FileError.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// All names in file order (UTF-8 text in, every non-empty field out).
std::vector<std::string> ParseRosterNames(std::string_view text);

// Reads a code page 932 name file.
FileResult ReadRosterFile(const std::string& path, std::vector<std::string>& names);

} // namespace miravel
