#pragma once
// Saved versions of a book. Before a save replaces a book file, the content
// it replaces is kept in the per-user data folder, in a folder of the book's
// own (named from its absolute path), with the time of the save and what
// was done since the save before. The newest 30 versions of a book are kept.
//
// In a book's folder, per version:
//   <stamp>.txt      the replaced file, byte for byte
//   <stamp>.info     UTF-8 lines "time=" and "description="
//   <stamp>.miravel  the companion beside the replaced file, when it had one
// where <stamp> is the time of saving ("20250407-093015", "-02" and on for
// more saves within the same second), so name order is time order.

#include "core/GradeBook.h"
#include "file/FileError.h"

#include <cstdint>
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

// Where the versions of every book are kept: "versions" in the per-user
// data folder, beside the recovery copies.
std::string VersionsRoot(const std::string& dataFolder);

// The folder under `root` that keeps the versions of `bookPath`, named from
// the book's absolute path (a relative one is taken from the working folder).
std::string VersionFolderOf(const std::string& root, const std::string& bookPath);

// Keeps the file at `bookPath` as the newest version in `folder`, unless
// there is no such file or it already holds `nextBytes` (the save then
// replaces nothing). Versions past the newest `keep` are removed.
FileResult KeepVersion(const std::string& folder, const std::string& bookPath, const std::string& nextBytes,
                       const std::string& time, const std::string& description, std::size_t keep = kKeptVersions);

// The versions in `folder`, newest first; an empty or missing folder has none.
std::vector<SavedVersion> ListVersions(const std::string& folder);

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

} // namespace miravel
