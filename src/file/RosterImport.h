#pragma once
// Reading a roster from a file of names separated by ";" or ",".

#include "core/GradeBook.h"
#include "file/FileError.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// All names in file order (UTF-8 text in, every non-empty field out). A field
// in double quotes is one name, as the table export writes it.
std::vector<std::string> ParseRosterNames(std::string_view text);

// Reads a code page 932 name file.
FileResult ReadRosterFile(const std::string& path, std::vector<std::string>& names);

struct RosterImportResult {
    int imported = 0;         // the new StudentCount
    std::size_t leftOut = 0;  // names past the 40th
};

// Puts the names into the roster from attendance number 1 on; names at
// higher numbers keep their values. The roster holds 40 names, the rest are
// left out. The book counts as changed when a name or the count changed.
RosterImportResult ImportRoster(GradeBook& book, const std::vector<std::string>& names);

} // namespace miravel
