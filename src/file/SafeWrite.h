#pragma once
// Writing a whole file so that it is never left half-written.

#include "file/FileError.h"

#include <string>

namespace miravel {

// The backup of a path: everything after the first "." of the file name is
// replaced by "bak"; a name without "." gets ".bak" appended.
std::string BackupPath(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk,
// copies the previous file (if any) to its backup and renames the temporary
// file over `path`. On failure the previous file is left exactly as it was.
FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes);

// Reads a whole file.
FileResult ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace miravel
