#include "file/SafeWrite.h"

#include "file/SystemCalls.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

namespace miravel {

namespace fs = std::filesystem;

namespace {

constexpr char kTemporaryMark[] = ".miravel-";
constexpr std::size_t kRandomLetters = 6; // as mkstemp's XXXXXX

std::string writeReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "書き込みの権限がありません。";
    case EBUSY:
        return "ほかのプログラム（Excel など）がこのファイルを開いています。閉じてからもう一度保存してください。";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "ディスクの空き容量が足りません。";
    case EROFS:
        return "読み取り専用の場所には保存できません。";
    case ENOENT:
        return "保存先のフォルダーが見つかりません。";
    case ENOTDIR:
        return "保存先のパスの途中にフォルダーではないものがあります。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case EISDIR:
        return "同じ名前のフォルダーがあります。";
    case EIO:
        return "書き込み中に入出力エラーが起きました。";
    case ELOOP:
        return "シンボリックリンクが循環しています。";
    default:
        return "書き込みに失敗しました（" + SystemErrorText(error) + "）。";
    }
}

FileError writeFailure(int error) { return FileError{0, writeReason(error)}; }

std::string readReason(int error)
{
    switch (error) {
    case ENOENT:
        return "ファイルが見つかりません。";
    case ENOTDIR:
        return "ファイルが見つかりません（パスの途中にフォルダーではないものがあります）。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case EACCES:
    case EPERM:
        return "ファイルを開けません（読み取りの権限がありません）。";
    case EISDIR:
        return "フォルダーは開けません。";
    case EFBIG:
        return "ファイルが大きすぎます（16MBを超えるファイルは読み込みません）。";
    case EIO:
        return "ファイルの読み取り中に入出力エラーが起きました。";
    case ELOOP:
        return "シンボリックリンクが循環しています。";
    default:
        return "ファイルを読み取れません（" + SystemErrorText(error) + "）。";
    }
}

FileError readFailure(int error) { return FileError{0, readReason(error)}; }

// Refuses, before a byte is read, what cannot be a file of this program.
FileResult refuseUnreadable(const FileStatus& info)
{
    if (info.folder)
        return readFailure(EISDIR);
    if (!info.regular)
        return FileError{0, "通常のファイルではありません（パイプや装置は開けません）。"};
    if (info.size > kMaxFileBytes)
        return readFailure(EFBIG);
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of(kPathSeparators);
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.find_last_of(kPathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporaries are hidden and carry the name of the file they belong to, so
// a later save of that file can find and remove those a killed save left.
std::string temporaryStem(const std::string& name)
{
    return "." + name.substr(0, 200) + kTemporaryMark;
}

bool isTemporaryOf(const std::string& entry, const std::string& stem)
{
    for (const std::string& prefix : {stem, std::string(kTemporaryMark)}) {
        if (entry.size() != prefix.size() + kRandomLetters || entry.compare(0, prefix.size(), prefix) != 0)
            continue;
        bool random = true;
        for (std::size_t i = prefix.size(); i < entry.size(); ++i)
            random = random && std::isalnum(static_cast<unsigned char>(entry[i]));
        if (random)
            return true;
    }
    return false;
}

// What a killed save left behind. Best effort: a temporary that cannot be
// removed does no harm to the file itself.
void removeStaleTemporaries(const std::string& folder, const std::string& name)
{
    const std::string stem = temporaryStem(name);
    for (const std::string& entryName : FolderEntries(folder)) {
        const std::string path = folder + "/" + entryName;
        FileStatus info;
        if (isTemporaryOf(entryName, stem) && PathStatus(path, info, false) == 0 && info.regular)
            Sys().unlink(path.c_str());
    }
}

int writeAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = Sys().write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Reads to the end; 0 or the error. Never more than kMaxFileBytes.
int readAll(int fd, std::size_t sizeHint, std::string& bytes)
{
    std::string content;
    content.reserve(std::min(sizeHint, kMaxFileBytes) + 1);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = Sys().read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            break;
        if (content.size() + static_cast<std::size_t>(got) > kMaxFileBytes)
            return EFBIG;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    bytes.swap(content);
    return 0;
}

// The new file looks like the one it replaces: same permission bits, and
// the same owner when this program may give files away (root).
int takeOverModeAndOwner(int fd, const FileStatus* previous)
{
    if (Sys().fchmod(fd, previous ? previous->mode & 0777 : NewFileMode()) != 0)
        return errno;
    if (!previous || !MayGiveFilesAway())
        return 0;
    FileStatus mine;
    if (Sys().fstat(fd, &mine) != 0)
        return errno;
    if ((mine.owner != previous->owner || mine.group != previous->group) &&
        Sys().fchown(fd, previous->owner, previous->group) != 0)
        return errno;
    return 0;
}

// Writes `bytes` to a new hidden temporary in `folder` and flushes it to
// disk. 0 or the error; on error nothing is left behind.
int writeTemporary(const std::string& folder, const std::string& name, const std::string& bytes,
                   const FileStatus* previous, std::string& temporary)
{
    const std::string pattern = folder + "/" + temporaryStem(name) + std::string(kRandomLetters, 'X');
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    const int fd = Sys().mkstemp(path.data());
    if (fd < 0)
        return errno;
    temporary = path.data();
    int error = writeAll(fd, bytes);
    if (!error)
        error = takeOverModeAndOwner(fd, previous);
    if (!error && Sys().fsync(fd) != 0)
        error = errno;
    if (Sys().close(fd) != 0 && !error)
        error = errno;
    if (error)
        Sys().unlink(temporary.c_str());
    return error;
}

// A second name for the file itself: instant, and complete by nature.
bool linkTemporary(const std::string& target, std::string& temporary)
{
    static std::mt19937 random(std::random_device{}());
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = folderOf(target) + "/" + temporaryStem(nameOf(target));
        for (std::size_t i = 0; i < kRandomLetters; ++i)
            temporary += letters[random() % (sizeof letters - 1)];
        if (Sys().link(target.c_str(), temporary.c_str()) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// A checked copy, for file systems without hard links. Never made from a
// partial read.
bool copyTemporary(const std::string& target, const FileStatus& previous, std::string& temporary)
{
    const int fd = Sys().open(target.c_str(), OpenFor::Reading);
    if (fd < 0)
        return false;
    std::string content;
    const int readError = readAll(fd, static_cast<std::size_t>(previous.size), content);
    const bool closed = Sys().close(fd) == 0;
    return readError == 0 && closed &&
           writeTemporary(folderOf(target), nameOf(target), content, &previous, temporary) == 0;
}

// Puts the previous content in place as the backup, complete before it
// replaces the older backup. False when no backup could be made.
bool makeBackup(const std::string& target, const std::string& backup, const FileStatus& previous)
{
    if (backup == target)
        return false;
    // Already a second name of the file (a save that failed at its last
    // step): renaming another link over it would do nothing at all.
    FileStatus existing;
    if (PathStatus(backup, existing, false) == 0 && existing.device == previous.device &&
        existing.file == previous.file)
        return true;
    std::string temporary;
    const bool linked = linkTemporary(target, temporary);
    if (!linked && !copyTemporary(target, previous, temporary))
        return false;
    // A second name is the file itself, whose look stays its own; a copy
    // takes the backup's place as any temporary does.
    if ((linked ? Sys().rename : Sys().replace)(temporary.c_str(), backup.c_str()) != 0) {
        Sys().unlink(temporary.c_str());
        return false;
    }
    return true;
}

// Makes the renames durable. Best effort: the new content is already in
// place, and some file systems cannot flush a folder.
void syncFolder(const std::string& folder)
{
    const int fd = Sys().open(folder.c_str(), OpenFor::FolderFlush);
    if (fd < 0)
        return;
    Sys().fsync(fd);
    Sys().close(fd);
}

bool readOnly(const FileStatus& info, const std::string& path)
{
    // Root may write anything; a file without any write bit was still made
    // read-only on purpose.
    return (info.mode & 0222) == 0 || WriteDenied(path);
}

} // namespace

FileResult PrepareReplacement(const std::string& path, const std::string& bytes, unsigned mode,
                              PreparedFile& prepared)
{
    prepared = PreparedFile{};
    prepared.target = FinalTarget(path);
    const int missing = PathStatus(prepared.target, prepared.previous, false);
    prepared.exists = missing == 0;
    if (!prepared.exists && missing != ENOENT)
        return writeFailure(missing);
    if (prepared.exists) {
        if (prepared.previous.link)
            return writeFailure(ELOOP);
        if (prepared.previous.folder)
            return writeFailure(EISDIR);
        if (!prepared.previous.regular)
            return FileError{0, "通常のファイルではないため保存できません。"};
        if (readOnly(prepared.previous, prepared.target))
            return FileError{0, "読み取り専用のファイルです。上書きせずに、別の名前で保存してください。"};
    }
    const std::string folder = folderOf(prepared.target);
    removeStaleTemporaries(folder, nameOf(prepared.target));
    // The mode asked for stands in for the previous file's own bits.
    FileStatus look = prepared.previous;
    look.mode = mode ? mode : prepared.exists ? prepared.previous.mode : NewFileMode();
    if (const int error =
            writeTemporary(folder, nameOf(prepared.target), bytes, prepared.exists || mode ? &look : nullptr,
                           prepared.temporary))
        return writeFailure(error);
    return std::nullopt;
}

FileResult CommitReplacement(PreparedFile& prepared, BackupRule backupOf, SaveReport& report)
{
    report = SaveReport{};
    if (prepared.exists && backupOf) {
        report.previousExisted = true;
        report.backupMade = makeBackup(prepared.target, backupOf(prepared.target), prepared.previous);
    }
    if (Sys().replace(prepared.temporary.c_str(), prepared.target.c_str()) != 0) {
        const int error = errno;
        DropReplacement(prepared);
        return writeFailure(error);
    }
    prepared.temporary.clear();
    syncFolder(folderOf(prepared.target));
    return std::nullopt;
}

void DropReplacement(PreparedFile& prepared)
{
    if (!prepared.temporary.empty())
        Sys().unlink(prepared.temporary.c_str());
    prepared.temporary.clear();
}

namespace {

// `backupOf` null: no backup is kept.
FileResult writeFile(const std::string& path, const std::string& bytes, BackupRule backupOf, SaveReport& report,
                     unsigned mode = 0)
{
    report = SaveReport{};
    PreparedFile prepared;
    if (auto error = PrepareReplacement(path, bytes, mode, prepared))
        return error;
    return CommitReplacement(prepared, backupOf, report);
}

} // namespace

std::string BackupPath(const std::string& path)
{
    const auto slash = path.find_last_of(kPathSeparators);
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    while (nameStart < path.size() && path[nameStart] == '.')
        ++nameStart;
    // One dot or none: everything after the first goes. More than one: only
    // the last extension goes, so 3年1組.1学期.txt and 3年1組.2学期.txt keep
    // backups of their own.
    const auto dot = path.find('.', nameStart);
    if (dot == std::string::npos)
        return path + ".bak";
    const auto last = path.find_last_of('.');
    return path.substr(0, (last == dot ? dot : last) + 1) + "bak";
}

std::string ProtectedBackupPath(const std::string& path) { return path + ".bak"; }

std::string ExportBackupPath(const std::string& path) { return path + ".bak"; }

std::string FinalTarget(const std::string& path)
{
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        FileStatus info;
        if (PathStatus(target, info, false) != 0 || !info.link)
            return target;
        std::error_code error;
        const fs::path next = fs::read_symlink(fs::u8path(target), error);
        if (error || next.empty())
            return target;
        target = next.is_absolute() ? next.u8string() : folderOf(target) + "/" + next.u8string();
    }
    return target; // a loop: the save reports it
}

FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes, SaveReport& report)
{
    return writeFile(path, bytes, BackupPath, report);
}

FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes)
{
    SaveReport ignored;
    return writeFile(path, bytes, BackupPath, ignored);
}

FileResult WriteExportWithBackup(const std::string& path, const std::string& bytes, SaveReport& report,
                                 unsigned mode)
{
    return writeFile(path, bytes, ExportBackupPath, report, mode);
}

FileResult WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned mode)
{
    SaveReport ignored;
    return writeFile(path, bytes, nullptr, ignored, mode);
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes)
{
    FileStatus info;
    if (const int error = PathStatus(path, info))
        return readFailure(error);
    if (auto refusal = refuseUnreadable(info))
        return refusal;
    // Without blocking: a pipe put in the file's place never hangs the program.
    const int fd = Sys().open(path.c_str(), OpenFor::Reading);
    if (fd < 0)
        return readFailure(errno);
    FileResult result;
    FileStatus opened;
    if (Sys().fstat(fd, &opened) != 0)
        result = readFailure(errno);
    else if (!(result = refuseUnreadable(opened)))
        if (const int error = readAll(fd, static_cast<std::size_t>(opened.size), bytes))
            result = readFailure(error);
    if (Sys().close(fd) != 0 && !result)
        result = readFailure(errno);
    return result;
}

} // namespace miravel
