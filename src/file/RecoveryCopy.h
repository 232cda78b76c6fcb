#pragma once
// The recovery copy of unsaved work. While a document has changes that are
// not saved, the program keeps a copy of it in the grade-book format in a
// folder of its own, with a side record naming the original file and the
// time of the copy. A program that ends without saving (a crash, a power
// cut, a killed process) leaves both behind, and the next start offers them.
//
// In the folder, per document:
//   <key>.txt        the copy, exactly the bytes Save would write (a sealed
//                    copy takes the book's own extension: <key>.mrvl)
//   <key>.recovery   the side record (UTF-8 lines "time=", "pid=", "start=" when
//                    the system tells when the process started, "behind=1"
//                    when later copies failed, "path=")
//   <key>.miravel    the evaluation settings, as beside the book (when any)
// The copy of a password-protected book is one protected file holding book
// and settings, sealed with the book's key: nothing of it is ever in plain.
// A copy the teacher chose not to restore is kept as <name>-<date>-<time>.txt
// with its record as <name>-<date>-<time>.info. On Windows the record holds
// the book's path with the system's own "\\" separators.

#include "core/GradeBook.h"
#include "file/FileError.h"

#include <string>
#include <vector>

namespace miravel {

class BookKey;

struct RecoveryRecord {
    std::string copyPath;      // the copy in the grade-book format
    std::string recordPath;    // its side record
    std::string originalPath;  // empty for a book that was never saved
    std::string time;          // "2025/04/07 09:30:15", when the copy was written
    long processId = 0;        // the program that wrote it
    std::string started;       // when that program started (ProcessStartMark), if known
    bool behind = false;       // later changes could not be copied
};

// Where the copy of a document lives: keyed by the book and the process, so
// two programs running at once never overwrite each other's copy. A copy
// that will be sealed takes the extension of a protected book.
RecoveryRecord RecoveryFilesFor(const std::string& folder, const std::string& originalPath, long processId,
                                bool sealed = false);

// The extension of a copy: ".txt", or sealed the book's own (".mrvl" for a
// book without one).
std::string RecoveryCopyExtension(const std::string& originalPath, bool sealed);

// Writes the copy, then its record, each whole or not at all (the folder is
// made when missing, open to this user alone). The files get `mode` (0: the
// default): the permission bits of the book they copy. With a key, the copy
// is sealed with it.
FileResult WriteRecoveryCopy(const RecoveryRecord& record, const GradeDocument& document, unsigned mode = 0,
                             const BookKey* key = nullptr);

// Rewrites the record of a copy that could not be brought up to date, so
// the restore question can say that later changes are missing. Best effort.
void MarkRecoveryCopyBehind(const RecoveryRecord& record);

// Removes the copy and its record; a missing one is no failure.
void RemoveRecoveryCopy(const RecoveryRecord& record);

// The copies left in the folder by programs no longer running, newest first.
std::vector<RecoveryRecord> FindRecoveryCopies(const std::string& folder);

// The copy of `originalPath` left by a program no longer running, if any.
bool FindRecoveryCopyOf(const std::string& folder, const std::string& originalPath, RecoveryRecord& found);

// True unless the original file was changed after the copy was written (or
// true when it is gone). The same moment counts as not older: Windows tells
// these file times to the second, and a copy is better offered than lost.
bool CopyIsNotOlderThanOriginal(const RecoveryRecord& record);

// Renames the copy and its record to dated names in the same folder, so
// they are no longer offered but nothing is lost. Gives the kept copy's path.
FileResult KeepDatedCopy(const RecoveryRecord& record, std::string& keptPath);

// A stable file name for a path (64-bit FNV-1a in hex), and a book's file
// name without its extension ("新規" for a book never saved): the recovery
// copies and the saved versions are kept under these.
std::string PathKey(const std::string& path);
std::string BookNameOf(const std::string& originalPath);
// A time as part of a file name: "2025/04/07 09:30:15" -> "20250407-093015".
std::string FileStampOf(const std::string& time);

// The side record's text, and back. False when the text is not a record.
std::string RecoveryRecordText(const RecoveryRecord& record);
bool ParseRecoveryRecord(const std::string& text, RecoveryRecord& record);

} // namespace miravel
