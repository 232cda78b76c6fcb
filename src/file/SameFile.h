#pragma once
// Whether two paths name the same file, however they are spelled: compared
// by device and inode, through "./", "..", symbolic and hard links.

#include <string>

namespace miravel {

// True when both paths name the same file. A path that names nothing yet is
// compared by the place it would be created at (its folder's device and
// inode, and its name).
bool SameFile(const std::string& a, const std::string& b);

// True when saving to `output` (which also replaces the backup of
// `output`) would overwrite the grade book `book` or the grade book's backup.
// Exports and printouts check this before they write anything.
bool WouldOverwriteBook(const std::string& output, const std::string& book);

} // namespace miravel
