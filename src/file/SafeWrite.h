#pragma once
// Writing a whole file so that it is never left half-written, and reading
// one without ever blocking or swallowing more than a grade book can be.

#include "file/FileError.h"
#include "file/SystemCalls.h"

#include <cstddef>
#include <string>

namespace miravel {

// No file this program reads is larger; anything bigger is refused unread.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// The backup of a path: a name with one "." has its extension replaced by
// "bak", a name with more keeps all but its last extension
// (3年1組.1学期.txt -> 3年1組.1学期.bak), a name without "." gets ".bak"
// appended. Leading dots do not count, so ".grades.txt" keeps ".grades.bak".
std::string BackupPath(const std::string& path);

// The backup of a protected book: its whole name and ".bak"
// (3年1組.mrvl -> 3年1組.mrvl.bak), never the plain book's 3年1組.bak, so a
// plain and a protected book in one folder each keep their own.
std::string ProtectedBackupPath(const std::string& path);

// The backup of an exported table or printout: its whole name and ".bak"
// (3年1組.csv -> 3年1組.csv.bak), so an export never takes the place of the
// grade book's backup (3年1組.bak).
std::string ExportBackupPath(const std::string& path);

// The file a path finally names once symbolic links are followed (the path
// itself when it is no link or names nothing yet).
std::string FinalTarget(const std::string& path);

// What a save did besides writing the file.
struct SaveReport {
    bool previousExisted = false; // there was a previous file to back up
    bool backupMade = false;      // its content is now the backup
    bool unchanged = false;       // the file already held these bytes: nothing was written
    // The save went on without keeping the previous content.
    bool BackupMissing() const { return previousExisted && !backupMade; }
};

// Writes `bytes` to a temporary file beside the file `path` names (through
// symbolic links), flushes it to disk, keeps the previous file as its
// backup and renames the temporary file over it. The file keeps its
// permission bits (and its owner when run as root). A read-only file, a
// folder or anything else that is not a regular file is refused.
// On failure the file is left exactly as it was, and the backup either as
// it was or holding the previous content, never anything partial.
FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes);
FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes, SaveReport& report);

// The same safe write for exports, keeping the backup at ExportBackupPath;
// `mode` non-zero: the bits of the book the export comes from.
FileResult WriteExportWithBackup(const std::string& path, const std::string& bytes, SaveReport& report,
                                 unsigned mode = 0);

// The same safe write without any backup (for copies of the program's own);
// `mode` non-zero gives the file those permission bits.
FileResult WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned mode = 0);

// A safe write in two steps, so that several files can all be written and
// flushed before any of them replaces its file.
struct PreparedFile {
    std::string target;     // the file, links followed
    std::string temporary;  // written and flushed; empty once committed or dropped
    FileStatus previous;
    bool exists = false;
};
using BackupRule = std::string (*)(const std::string&);
// Writes the temporary; refuses what WriteFileWithBackup refuses. `mode`
// non-zero gives the new file those bits, else it keeps the previous ones.
FileResult PrepareReplacement(const std::string& path, const std::string& bytes, unsigned mode,
                              PreparedFile& prepared);
// Keeps the backup (`backupOf` null: none) and renames the temporary over
// the file; on failure the temporary is removed and the file is as it was.
FileResult CommitReplacement(PreparedFile& prepared, BackupRule backupOf, SaveReport& report);
void DropReplacement(PreparedFile& prepared);

// Reads a whole regular file of at most kMaxFileBytes; every read is checked,
// so an I/O error is reported as one and never taken for a short file.
FileResult ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace miravel
