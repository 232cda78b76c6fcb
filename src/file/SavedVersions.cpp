#include "file/SavedVersions.h"

#include "file/CompanionFile.h"
#include "file/ProtectedBook.h"
#include "file/RecoveryCopy.h"
#include "file/SafeWrite.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace miravel {

namespace fs = std::filesystem;
// Paths are UTF-8 strings; u8path keeps them so on Windows too.

namespace {

constexpr char kBookExtension[] = ".txt";
constexpr char kInfoExtension[] = ".info";
constexpr char kInfoHeading[] = "Miravel saved version\n";
constexpr char kTimeKey[] = "time=";
constexpr char kDescriptionKey[] = "description=";

FileError folderFailure(const std::error_code& error)
{
    return FileError{0, "以前の版を保存するフォルダーに書き込めません（" + error.message() + "）。"};
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

bool readInfo(const std::string& path, SavedVersion& version)
{
    std::string text;
    if (ReadWholeFile(path, text) || text.compare(0, sizeof kInfoHeading - 1, kInfoHeading) != 0)
        return false;
    std::size_t at = sizeof kInfoHeading - 1;
    return readField(text, at, kTimeKey, version.time) &&
           readField(text, at, kDescriptionKey, version.description);
}

// The stems ("20250407-093015") of the versions in `folder`, oldest first.
std::vector<std::string> stemsIn(const std::string& folder)
{
    std::vector<std::string> stems;
    std::error_code error;
    for (fs::directory_iterator entry(fs::u8path(folder), error), end; !error && entry != end; entry.increment(error))
        if (entry->path().extension() == kInfoExtension)
            stems.push_back(entry->path().stem().u8string());
    std::sort(stems.begin(), stems.end());
    return stems;
}

// A version's companion: the companion name of its kept book file.
fs::path companionOf(const fs::path& folder, const std::string& stem)
{
    return fs::u8path(CompanionPath((folder / fs::u8path(stem + kBookExtension)).u8string()));
}

void removeVersion(const fs::path& folder, const std::string& stem)
{
    std::error_code ignored;
    // The record goes first: a book file without one is never listed.
    fs::remove(folder / fs::u8path(stem + kInfoExtension), ignored);
    fs::remove(folder / fs::u8path(stem + kBookExtension), ignored);
    fs::remove(companionOf(folder, stem), ignored);
}

// The book's companion, when it has one, beside the kept file under the
// companion name of that file, so the version reads back like any book.
FileResult keepCompanion(const std::string& bookPath, const fs::path& folder, const std::string& stem)
{
    const std::string companion = CompanionPath(bookPath);
    std::error_code missing;
    // A protected book carries its settings; a settings file left beside it
    // from its plain days is no part of it and is never copied in plain.
    if (!fs::exists(fs::u8path(companion), missing) || IsProtectedBookFile(bookPath))
        return std::nullopt;
    std::string bytes;
    if (auto error = ReadWholeFile(companion, bytes))
        return error;
    return WriteFileAtomically(companionOf(folder, stem).u8string(), bytes);
}

// A stem not yet taken: the stamp, then the stamp with "-02", "-03", ...
std::string freeStem(const fs::path& folder, const std::string& stamp)
{
    std::string stem = stamp;
    std::error_code ignored;
    for (int n = 2; fs::exists(folder / fs::u8path(stem + kInfoExtension), ignored) ||
                    fs::exists(folder / fs::u8path(stem + kBookExtension), ignored) ||
                    fs::exists(companionOf(folder, stem), ignored);
         ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%02d", n);
        stem = stamp + suffix;
    }
    return stem;
}

} // namespace

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

FileResult KeepVersion(const std::string& folder, const std::string& bookPath, const std::string& nextBytes,
                       const std::string& time, const std::string& description, std::size_t keep)
{
    std::error_code missing;
    if (!fs::exists(fs::u8path(bookPath), missing))
        return std::nullopt;
    std::string bytes;
    if (auto error = ReadWholeFile(bookPath, bytes))
        return error;
    if (bytes == nextBytes)
        return std::nullopt;
    std::error_code made;
    fs::create_directories(fs::u8path(folder), made);
    if (made)
        return folderFailure(made);
    const std::string stem = freeStem(fs::u8path(folder), FileStampOf(time));
    const fs::path book = fs::u8path(folder) / fs::u8path(stem + kBookExtension);
    if (auto error = WriteFileAtomically(book.u8string(), bytes))
        return error;
    if (auto error = keepCompanion(bookPath, fs::u8path(folder), stem)) {
        removeVersion(fs::u8path(folder), stem);
        return error;
    }
    const std::string info = std::string(kInfoHeading) + kTimeKey + time + "\n" + kDescriptionKey + description + "\n";
    if (auto error = WriteFileAtomically((fs::u8path(folder) / fs::u8path(stem + kInfoExtension)).u8string(), info)) {
        removeVersion(fs::u8path(folder), stem);
        return error;
    }
    const std::vector<std::string> stems = stemsIn(folder);
    for (std::size_t i = 0; i + keep < stems.size(); ++i)
        removeVersion(fs::u8path(folder), stems[i]);
    return std::nullopt;
}

std::vector<SavedVersion> ListVersions(const std::string& folder)
{
    std::vector<SavedVersion> versions;
    const std::vector<std::string> stems = stemsIn(folder);
    for (auto stem = stems.rbegin(); stem != stems.rend(); ++stem) {
        SavedVersion version;
        version.path = (fs::u8path(folder) / fs::u8path(*stem + kBookExtension)).u8string();
        std::error_code error;
        version.size = fs::file_size(fs::u8path(version.path), error);
        if (!error && readInfo((fs::u8path(folder) / fs::u8path(*stem + kInfoExtension)).u8string(), version))
            versions.push_back(version);
    }
    return versions;
}

std::string VersionLines(const std::vector<SavedVersion>& versions)
{
    std::string lines;
    for (const SavedVersion& version : versions)
        lines += version.time + "\t" + std::to_string(version.size) + "\t" + version.description + "\n";
    return lines;
}

} // namespace miravel
