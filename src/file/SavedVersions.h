#pragma once
// Saved versions of a book. When a save has replaced a book file, the
// content it replaced is kept in the per-user data folder, in a folder of
// the book's own (named from its absolute path), with the time of the save
// and what was done since the save before. The newest 30 versions of a book
// are kept; they outlive the book until deleted.
//
// In a book's folder, per version:
//   v<n>-<stamp>.txt      the replaced file, byte for byte
//   v<n>-<stamp>.info     UTF-8 lines "time=" and "description="
//   v<n>-<stamp>.miravel  the settings file beside the replaced file, when it had one
// where <n> counts the versions kept (six digits) and <stamp> is the time of
// saving ("20250407-093015"). The count, not the clock, orders them: a clock
// set back never makes a new version look old. Versions kept before the
// count existed are named <stamp> alone and come before every counted one.

#include "file/FileError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace miravel {

constexpr std::size_t kKeptVersions = 30;

struct SavedVersion {
    std::string path;         // the kept book file
    std::string time;         // "2025/04/07 09:30:15"
    std::string description;  // the steps done since the save before
    std::uintmax_t size = 0;  // bytes
};

// What a version holds: the book file, and its settings file when it had one.
struct VersionContent {
    std::string book;
    std::optional<std::string> settings;
    bool operator==(const VersionContent& other) const { return book == other.book && settings == other.settings; }
};

// Where the versions of every book are kept: "versions" in the per-user
// data folder, beside the recovery copies.
std::string VersionsRoot(const std::string& dataFolder);

// The folder under `root` that keeps the versions of `bookPath`, named from
// the book's absolute path (a relative one is taken from the working folder).
std::string VersionFolderOf(const std::string& root, const std::string& bookPath);

// Keeps `replaced` as the newest version in `folder`, unless the newest
// kept already holds exactly that. Versions past the newest `keep` are
// removed. Files get `mode` (0: the default), the folder the same bits with
// search access where reading is allowed. Call only once the save that
// replaced it has succeeded.
FileResult KeepVersion(const std::string& folder, const VersionContent& replaced, const std::string& time,
                       const std::string& description, unsigned mode = 0, std::size_t keep = kKeptVersions);

// The versions in `folder`, newest first; an empty or missing folder has none.
std::vector<SavedVersion> ListVersions(const std::string& folder);

// Removes every version in `folder`, and the folder once it is empty.
FileResult DeleteVersions(const std::string& folder);

// The place of a version file's stem in the order versions were kept: its
// count, 0 for a version from before the count; false for a name that is
// no version's.
bool VersionNumberOf(const std::string& stem, unsigned long& number);

// A version's record ("Miravel saved version", "time=", "description="),
// read into `version`; false when the text is not one.
bool ParseVersionInfo(const std::string& text, SavedVersion& version);

// What a version holds, as the lists show it: the time it was the saved book
// and the steps that led to it. A version's own record names the save that
// replaced it, so both come from the record of the version before it (the
// save that wrote this content); the oldest kept version has none before it.
struct VersionDescription {
    std::string savedTime;  // "2025/04/07 09:30:15", or "不明"
    std::string steps;      // or "（記録がありません）"
};
VersionDescription DescribeVersion(const std::vector<SavedVersion>& newestFirst, std::size_t at);

// One line per version, newest first: the time it was the saved book, its
// size in bytes and the steps that led to it, separated by tabs.
std::string VersionLines(const std::vector<SavedVersion>& versions);

// Folder bits for files of `mode`: search access wherever reading is allowed.
unsigned FolderModeFor(unsigned mode);

} // namespace miravel
