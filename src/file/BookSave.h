#pragma once
// One save of a book: the book file and its settings file written together,
// with the backup, the saved version and the stamp of what is now on disk.
// Both new files are written and flushed before either replaces its file,
// so a full disk or a folder of the settings file's name stops the save
// before anything changed. The bytes come from the caller: the book's
// encoding is not this operation's business.

#include "file/DiskStamp.h"
#include "file/FileError.h"
#include "file/SafeWrite.h"

#include <optional>
#include <string>

namespace miravel {

// True for a name the settings file of some book has (*.miravel): a book
// under it would be its own settings file, so it has none (it opens with the
// defaults) and is saved only under another name.
bool IsSettingsFileName(const std::string& path);

// True for a book that Save must not write in place: a settings file's
// name, or a backup (*.bak), whose settings file belongs to another book.
bool SavesOnlyThroughSaveAs(const std::string& path);

// Where a settings file that could not be read is kept before defaults
// replace it: 3年1組.miravel -> 3年1組.miravel.bak.
std::string DamagedSettingsPath(const std::string& settingsPath);

// The permission bits of an existing book (for the files made for it), or
// those of a new file; read and write for the owner always.
unsigned BookFileMode(const std::string& bookPath);

// The backup a save of the book at `path` keeps: a protected book's
// (ProtectedBackupPath) is never the plain one's (BackupPath).
std::string BookBackupPath(const std::string& path, bool sealed);

struct BookSave {
    std::string path;                     // the book; links are followed
    std::string book;                     // its new bytes
    std::optional<std::string> settings;  // its settings file's new bytes; none: the book has no settings file
    std::string versionFolder;            // empty: no version is kept
    std::string time;                     // "2025/04/07 09:30:15", for the version
    std::string description;              // the steps the version's record names
    // The book as last read or written; a file that differs from it is not
    // replaced (ChangedOnDisk). Null: replaced whatever it holds.
    const DiskStamp* expected = nullptr;
    // The permission bits of the book these bytes come from, for both files
    // (0: the book's own, or a new file's).
    unsigned mode = 0;
};

enum class SaveStep {
    Saved,           // both files hold the new bytes
    Unchanged,       // both already held them: nothing was written
    ChangedOnDisk,   // another program changed the book since `expected`
    Failed,          // nothing was replaced (`error` says why)
    SettingsFailed,  // the book was saved, its settings file was not (`error` says why)
};

struct BookSaveResult {
    SaveStep step = SaveStep::Failed;
    FileResult error;
    SaveReport report;         // the book's backup
    DiskStamp stamp;           // the book on disk after Saved, Unchanged and SettingsFailed
    FileResult versionError;   // the replaced content could not be kept as a version
    bool damagedSettingsKept = false; // an unreadable settings file was kept at DamagedSettingsPath
};

BookSaveResult SaveBook(const BookSave& request);

} // namespace miravel
