#include "file/SavedVersions.h"

#include "file/CompanionFile.h"
#include "file/ProtectedBook.h"
#include "file/RecoveryCopy.h"
#include "file/SafeWrite.h"
#include "file/SystemCalls.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace miravel {

namespace fs = std::filesystem;
// Paths are UTF-8 strings; u8path keeps them so on Windows too.

namespace {

constexpr char kBookExtension[] = ".txt";
constexpr char kInfoExtension[] = ".info";
constexpr char kInfoHeading[] = "Miravel saved version\n";
constexpr char kTimeKey[] = "time=";
constexpr char kDescriptionKey[] = "description=";
constexpr std::size_t kNumberDigits = 6;

FileError folderFailure(const std::error_code& error)
{
    return FileError{0, "以前の版を保存するフォルダーに書き込めません（" + SystemErrorText(error.value()) + "）。"};
}

// "time=...\n" at `at`, moving `at` past it.
bool readField(const std::string& text, std::size_t& at, const std::string& key, std::string& value)
{
    if (text.compare(at, key.size(), key) != 0)
        return false;
    const auto end = text.find('\n', at);
    if (end == std::string::npos)
        return false;
    value = text.substr(at + key.size(), end - at - key.size());
    at = end + 1;
    return true;
}

bool allDigits(const std::string& text, std::size_t from, std::size_t count)
{
    if (text.size() < from + count)
        return false;
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// The versions in `folder` in the order they were kept, oldest first.
std::vector<std::pair<unsigned long, std::string>> versionsIn(const std::string& folder)
{
    std::vector<std::pair<unsigned long, std::string>> stems;
    std::error_code error;
    for (fs::directory_iterator entry(fs::u8path(folder), error), end; !error && entry != end;
         entry.increment(error)) {
        unsigned long number = 0;
        const std::string stem = entry->path().stem().u8string();
        if (entry->path().extension() == kInfoExtension && VersionNumberOf(stem, number))
            stems.emplace_back(number, stem);
    }
    std::sort(stems.begin(), stems.end());
    return stems;
}

fs::path fileOf(const std::string& folder, const std::string& stem, const char* extension)
{
    return fs::u8path(folder) / fs::u8path(stem + extension);
}

// A version's settings: the settings name of its kept book file.
fs::path settingsOf(const std::string& folder, const std::string& stem)
{
    return fs::u8path(CompanionPath(fileOf(folder, stem, kBookExtension).u8string()));
}

void removeVersion(const std::string& folder, const std::string& stem)
{
    std::error_code ignored;
    // The record goes first: a book file without one is never listed.
    fs::remove(fileOf(folder, stem, kInfoExtension), ignored);
    fs::remove(fileOf(folder, stem, kBookExtension), ignored);
    fs::remove(settingsOf(folder, stem), ignored);
}

bool readVersion(const std::string& folder, const std::string& stem, VersionContent& content)
{
    if (ReadWholeFile(fileOf(folder, stem, kBookExtension).u8string(), content.book))
        return false;
    std::error_code missing;
    const fs::path settings = settingsOf(folder, stem);
    if (!fs::exists(settings, missing))
        return true;
    content.settings.emplace();
    return !ReadWholeFile(settings.u8string(), *content.settings);
}

std::string numbered(unsigned long number, const std::string& stamp)
{
    char text[32];
    std::snprintf(text, sizeof text, "v%0*lu-", static_cast<int>(kNumberDigits), number);
    return text + stamp;
}

} // namespace

bool VersionNumberOf(const std::string& stem, unsigned long& number)
{
    // Before the count: "20250407-093015" ("-02" and on for the same
    // second), or "undated".
    if (allDigits(stem, 0, 1) || stem.rfind("undated", 0) == 0) {
        number = 0;
        return true;
    }
    if (stem.empty() || stem[0] != 'v' || !allDigits(stem, 1, kNumberDigits) || stem.size() <= kNumberDigits + 1 ||
        stem[kNumberDigits + 1] != '-')
        return false;
    number = std::stoul(stem.substr(1, kNumberDigits));
    return true;
}

bool ParseVersionInfo(const std::string& text, SavedVersion& version)
{
    if (text.compare(0, sizeof kInfoHeading - 1, kInfoHeading) != 0)
        return false;
    std::size_t at = sizeof kInfoHeading - 1;
    return readField(text, at, kTimeKey, version.time) && readField(text, at, kDescriptionKey, version.description);
}

unsigned FolderModeFor(unsigned mode) { return (mode & 0777) | ((mode & 0444) >> 2); }

std::string VersionsRoot(const std::string& dataFolder)
{
    return (fs::u8path(dataFolder) / "versions").u8string();
}

std::string VersionFolderOf(const std::string& root, const std::string& bookPath)
{
    std::error_code ignored;
    const std::string whole = fs::absolute(fs::u8path(bookPath), ignored).lexically_normal().u8string();
    return (fs::u8path(root) / fs::u8path(BookNameOf(whole) + "-" + PathKey(whole))).u8string();
}

FileResult KeepVersion(const std::string& folder, const VersionContent& replaced, const std::string& time,
                       const std::string& description, unsigned mode, std::size_t keep)
{
    const auto kept = versionsIn(folder);
    VersionContent newest;
    if (!kept.empty() && readVersion(folder, kept.back().second, newest) && newest == replaced)
        return std::nullopt;
    std::error_code made;
    fs::create_directories(fs::u8path(folder), made);
    if (made)
        return folderFailure(made);
    if (mode)
        SetFolderMode(folder, FolderModeFor(mode));
    const unsigned long number = kept.empty() ? 1 : kept.back().first + 1;
    const std::string stem = numbered(number, FileStampOf(time));
    FileResult error = WriteFileAtomically(fileOf(folder, stem, kBookExtension).u8string(), replaced.book, mode);
    if (!error && replaced.settings)
        error = WriteFileAtomically(settingsOf(folder, stem).u8string(), *replaced.settings, mode);
    const std::string info = std::string(kInfoHeading) + kTimeKey + time + "\n" + kDescriptionKey + description + "\n";
    if (!error)
        error = WriteFileAtomically(fileOf(folder, stem, kInfoExtension).u8string(), info, mode);
    if (error) {
        removeVersion(folder, stem);
        return error;
    }
    for (std::size_t i = 0; i + keep < kept.size() + 1; ++i)
        removeVersion(folder, kept[i].second);
    return std::nullopt;
}

std::vector<SavedVersion> ListVersions(const std::string& folder)
{
    std::vector<SavedVersion> versions;
    const auto stems = versionsIn(folder);
    for (auto stem = stems.rbegin(); stem != stems.rend(); ++stem) {
        SavedVersion version;
        version.path = fileOf(folder, stem->second, kBookExtension).u8string();
        std::error_code error;
        version.size = fs::file_size(fs::u8path(version.path), error);
        std::string info;
        if (!error && !ReadWholeFile(fileOf(folder, stem->second, kInfoExtension).u8string(), info) &&
            ParseVersionInfo(info, version))
            versions.push_back(version);
    }
    return versions;
}

FileResult DeleteVersions(const std::string& folder)
{
    for (const auto& stem : versionsIn(folder))
        removeVersion(folder, stem.second);
    std::error_code error;
    // Only an empty folder goes: nothing but versions is ever removed.
    fs::remove(fs::u8path(folder), error);
    if (error && error != std::errc::directory_not_empty && error != std::errc::no_such_file_or_directory)
        return folderFailure(error);
    return versionsIn(folder).empty() ? FileResult() : FileError{0, "以前の版を削除できないファイルがあります。"};
}

VersionDescription DescribeVersion(const std::vector<SavedVersion>& newestFirst, std::size_t at)
{
    if (at + 1 >= newestFirst.size())
        return {"不明", "（記録がありません）"};
    const SavedVersion& before = newestFirst[at + 1];
    return {before.time, before.description.empty() ? std::string("（変更の記録なし）") : before.description};
}

std::string VersionLines(const std::vector<SavedVersion>& versions)
{
    std::string lines;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        const VersionDescription described = DescribeVersion(versions, i);
        lines += described.savedTime + "\t" + std::to_string(versions[i].size) + "\t" + described.steps + "\n";
    }
    return lines;
}

} // namespace miravel
