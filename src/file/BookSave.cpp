#include "file/BookSave.h"

#include "file/ProtectedBook.h"

#include "core/EvaluationSettings.h"
#include "file/CompanionFile.h"
#include "file/SavedVersions.h"
#include "file/SystemCalls.h"

#include <cctype>
#include <cerrno>
#include <filesystem>

namespace miravel {

namespace {

namespace fs = std::filesystem;

bool endsWithIgnoringCase(const std::string& path, const std::string& end)
{
    if (path.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[path.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

bool nothingAt(const std::string& path)
{
    FileStatus info; // through the system calls: a long path on Windows too
    const int error = PathStatus(path, info, false);
    return error == ENOENT || error == ENOTDIR;
}

std::string nameOf(const std::string& path) { return fs::u8path(path).filename().u8string(); }

FileError aboutSettings(const std::string& settingsPath, const FileError& error)
{
    return FileError{0, "評価の設定ファイル（" + nameOf(settingsPath) + "）: " + error.Message()};
}

} // namespace

bool IsSettingsFileName(const std::string& path) { return endsWithIgnoringCase(path, ".miravel"); }

bool SavesOnlyThroughSaveAs(const std::string& path)
{
    return IsSettingsFileName(path) || endsWithIgnoringCase(path, ".bak");
}

std::string DamagedSettingsPath(const std::string& settingsPath) { return settingsPath + ".bak"; }

unsigned BookFileMode(const std::string& bookPath)
{
    FileStatus info;
    // Always readable and writable by this user: a copy of a read-only book
    // must still be replaced by the next copy.
    return (PathStatus(bookPath, info) == 0 && info.regular ? info.mode & 0666 : NewFileMode()) | 0600;
}

std::string BookBackupPath(const std::string& path, bool sealed)
{
    return sealed ? ProtectedBackupPath(path) : BackupPath(path);
}

namespace {

std::string sealedBackup(const std::string& path) { return BookBackupPath(path, true); }
std::string plainBackup(const std::string& path) { return BookBackupPath(path, false); }

} // namespace

BookSaveResult SaveBook(const BookSave& request)
{
    BookSaveResult result;
    const std::string target = FinalTarget(request.path);
    if (IsSettingsFileName(target)) {
        result.error = FileError{0, "「.miravel」は評価の設定ファイルの名前です。成績ファイルは別の名前（.txt）で保存してください。"};
        return result;
    }
    const std::string settingsPath = CompanionPath(target);
    const unsigned mode = request.mode ? request.mode | 0600 : BookFileMode(target);

    // What the save replaces, read once: for the stamp, for a save that
    // changes nothing and for the version.
    std::optional<VersionContent> old;
    FileStatus info;
    if (PathStatus(target, info, false) == 0 && info.regular) {
        old.emplace();
        if ((result.error = ReadWholeFile(target, old->book)))
            return result;
    }
    const DiskStamp onDisk = old ? StampOfBytes(old->book) : DiskStamp();
    if (request.expected && onDisk != *request.expected) {
        result.step = SaveStep::ChangedOnDisk;
        return result;
    }
    bool damaged = false;
    // A protected book carries its settings; a settings file left beside it
    // from its plain days is no part of it and is never kept in plain.
    if (old && !IsProtectedBook(old->book) && !nothingAt(settingsPath)) {
        std::string bytes;
        EvaluationSettings ignored;
        if (!ReadWholeFile(settingsPath, bytes)) {
            damaged = ParseEvaluationSettings(bytes, ignored).has_value();
            old->settings = bytes;
        }
    }
    const bool bookChanged = !old || old->book != request.book;
    // Codes and accounts are as private as the book: a settings file more
    // open than the book is written again with the book's bits.
    FileStatus settingsInfo;
    const bool settingsWider = PathStatus(settingsPath, settingsInfo) == 0 && (settingsInfo.mode & 0777 & ~mode) != 0;
    const bool settingsChanged = request.settings && (!old || request.settings != old->settings || settingsWider);
    if (!bookChanged && !settingsChanged) {
        result.step = SaveStep::Unchanged;
        result.report.unchanged = true;
        result.stamp = onDisk;
        return result;
    }

    PreparedFile bookFile, settingsFile;
    if (bookChanged && (result.error = PrepareReplacement(target, request.book, request.mode ? mode : 0, bookFile)))
        return result;
    if (settingsChanged) {
        if (auto error = PrepareReplacement(settingsPath, *request.settings, mode, settingsFile)) {
            DropReplacement(bookFile);
            result.error = aboutSettings(settingsPath, *error);
            return result;
        }
        // Settings this program could not read are kept before they go.
        if (damaged) {
            if (auto error = WriteFileAtomically(DamagedSettingsPath(settingsPath), *old->settings, mode)) {
                DropReplacement(bookFile);
                DropReplacement(settingsFile);
                result.error = aboutSettings(DamagedSettingsPath(settingsPath), *error);
                return result;
            }
            result.damagedSettingsKept = true;
        }
    }
    const BackupRule backupOf = IsProtectedBook(request.book) ? sealedBackup : plainBackup;
    if (bookChanged && (result.error = CommitReplacement(bookFile, backupOf, result.report))) {
        DropReplacement(settingsFile);
        return result;
    }
    result.step = SaveStep::Saved;
    result.stamp = StampOfBytes(request.book);
    SaveReport ignored;
    if (settingsChanged) {
        if (auto error = CommitReplacement(settingsFile, nullptr, ignored)) {
            result.step = SaveStep::SettingsFailed;
            result.error = aboutSettings(settingsPath, *error);
        }
    }
    // Kept only once something was replaced.
    if (old && !request.versionFolder.empty() && (bookChanged || result.step == SaveStep::Saved))
        result.versionError = KeepVersion(request.versionFolder, *old, request.time, request.description, mode);
    return result;
}

} // namespace miravel
