#pragma once
// The grade-book data file: code page 932, CR LF, always 1655 lines.

#include "core/GradeBook.h"
#include "file/FileError.h"
#include "file/SafeWrite.h"

#include <string>
#include <string_view>

namespace miravel {

constexpr int kGradeBookLines = 1655;

// The file's exact bytes for a document. Refuses a text the format cannot
// carry (";" inside a field list, a line break, or a character without a
// code page 932 form), `bytes` then left empty.
FileResult EncodeGradeBook(const GradeDocument& document, std::string& bytes);

// Parses a file's bytes into `document`, which is only meaningful on success.
FileResult ParseGradeBook(std::string_view bytes, GradeDocument& document);

// Writes the document to `path`, keeping the previous file as its backup;
// `report` tells whether the backup could be made.
FileResult WriteGradeBook(const std::string& path, const GradeDocument& document);
FileResult WriteGradeBook(const std::string& path, const GradeDocument& document, SaveReport& report);

// Reads `path` into `document`; on failure `document` is left unchanged.
FileResult ReadGradeBook(const std::string& path, GradeDocument& document);

} // namespace miravel
