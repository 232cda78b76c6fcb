#include "file/SafeWrite.h"

#include "file/SystemCalls.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace miravel {

namespace {

constexpr char kTemporaryMark[] = ".miravel-";
constexpr std::size_t kRandomLetters = 6; // as mkstemp's XXXXXX

std::string writeReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "書き込みの権限がありません。";
    case ENOSPC:
    case EDQUOT:
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
        return "ファイルが大きすぎます（成績ファイルは16MBより小さいはずです）。";
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
FileResult refuseUnreadable(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return readFailure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return FileError{0, "通常のファイルではありません（パイプや装置は開けません）。"};
    if (static_cast<std::size_t>(info.st_size) > kMaxFileBytes)
        return readFailure(EFBIG);
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
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
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::string stem = temporaryStem(name);
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info {};
        const std::string path = folder + "/" + entry->d_name;
        if (isTemporaryOf(entry->d_name, stem) && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            stale.push_back(path);
    }
    ::closedir(dir);
    for (const auto& path : stale)
        Sys().unlink(path.c_str());
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

mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file looks like the one it replaces: same permission bits, and
// the same owner when this program may give files away (root).
int takeOverModeAndOwner(int fd, const struct stat* previous)
{
    if (Sys().fchmod(fd, previous ? previous->st_mode & 0777 : defaultMode()) != 0)
        return errno;
    if (!previous || ::geteuid() != 0)
        return 0;
    struct stat mine {};
    if (Sys().fstat(fd, &mine) != 0)
        return errno;
    if ((mine.st_uid != previous->st_uid || mine.st_gid != previous->st_gid) &&
        Sys().fchown(fd, previous->st_uid, previous->st_gid) != 0)
        return errno;
    return 0;
}

// Writes `bytes` to a new hidden temporary in `folder` and flushes it to
// disk. 0 or the error; on error nothing is left behind.
int writeTemporary(const std::string& folder, const std::string& name, const std::string& bytes,
                   const struct stat* previous, std::string& temporary)
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
bool copyTemporary(const std::string& target, const struct stat& previous, std::string& temporary)
{
    const int fd = Sys().open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    std::string content;
    const int readError = readAll(fd, static_cast<std::size_t>(previous.st_size), content);
    const bool closed = Sys().close(fd) == 0;
    return readError == 0 && closed &&
           writeTemporary(folderOf(target), nameOf(target), content, &previous, temporary) == 0;
}

// Puts the previous content in place as the backup, complete before it
// replaces the older backup. False when no backup could be made.
bool makeBackup(const std::string& target, const std::string& backup, const struct stat& previous)
{
    if (backup == target)
        return false;
    // Already a second name of the file (a save that failed at its last
    // step): renaming another link over it would do nothing at all.
    struct stat existing {};
    if (::lstat(backup.c_str(), &existing) == 0 && existing.st_dev == previous.st_dev &&
        existing.st_ino == previous.st_ino)
        return true;
    std::string temporary;
    if (!linkTemporary(target, temporary) && !copyTemporary(target, previous, temporary))
        return false;
    if (Sys().rename(temporary.c_str(), backup.c_str()) != 0) {
        Sys().unlink(temporary.c_str());
        return false;
    }
    return true;
}

// Makes the renames durable. Best effort: the new content is already in
// place, and some file systems cannot flush a folder.
void syncFolder(const std::string& folder)
{
    const int fd = Sys().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    Sys().fsync(fd);
    Sys().close(fd);
}

bool readOnly(const struct stat& info, const std::string& path)
{
    // Root may write anything; a file without any write bit was still made
    // read-only on purpose.
    return (info.st_mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

using BackupRule = std::string (*)(const std::string&);

// `backupOf` null: no backup is kept.
FileResult writeFile(const std::string& path, const std::string& bytes, BackupRule backupOf, SaveReport& report)
{
    report = SaveReport{};
    const std::string target = FinalTarget(path);
    struct stat previous {};
    const bool exists = ::lstat(target.c_str(), &previous) == 0;
    if (!exists && errno != ENOENT)
        return writeFailure(errno);
    if (exists) {
        if (S_ISLNK(previous.st_mode))
            return writeFailure(ELOOP);
        if (S_ISDIR(previous.st_mode))
            return writeFailure(EISDIR);
        if (!S_ISREG(previous.st_mode))
            return FileError{0, "通常のファイルではないため保存できません。"};
        if (readOnly(previous, target))
            return FileError{0, "読み取り専用のファイルです。上書きせずに、別の名前で保存してください。"};
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder, nameOf(target));

    std::string temporary;
    if (const int error = writeTemporary(folder, nameOf(target), bytes, exists ? &previous : nullptr, temporary))
        return writeFailure(error);
    if (exists && backupOf) {
        report.previousExisted = true;
        report.backupMade = makeBackup(target, backupOf(target), previous);
    }
    if (Sys().rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        Sys().unlink(temporary.c_str());
        return writeFailure(error);
    }
    syncFolder(folder);
    return std::nullopt;
}

} // namespace

std::string BackupPath(const std::string& path)
{
    const auto slash = path.rfind('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    while (nameStart < path.size() && path[nameStart] == '.')
        ++nameStart;
    const auto dot = path.find('.', nameStart);
    if (dot == std::string::npos)
        return path + ".bak";
    return path.substr(0, dot + 1) + "bak";
}

std::string ExportBackupPath(const std::string& path) { return path + ".bak"; }

std::string FinalTarget(const std::string& path)
{
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size() - 1);
        if (length <= 0)
            return target;
        const std::string next(link.data(), static_cast<std::size_t>(length));
        target = next[0] == '/' ? next : folderOf(target) + "/" + next;
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

FileResult WriteExportWithBackup(const std::string& path, const std::string& bytes, SaveReport& report)
{
    return writeFile(path, bytes, ExportBackupPath, report);
}

FileResult WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    SaveReport ignored;
    return writeFile(path, bytes, nullptr, ignored);
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return readFailure(errno);
    if (auto refusal = refuseUnreadable(info))
        return refusal;
    // Without blocking: a pipe put in the file's place never hangs the program.
    const int fd = Sys().open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0)
        return readFailure(errno);
    FileResult result;
    struct stat opened {};
    if (Sys().fstat(fd, &opened) != 0)
        result = readFailure(errno);
    else if (!(result = refuseUnreadable(opened)))
        if (const int error = readAll(fd, static_cast<std::size_t>(opened.st_size), bytes))
            result = readFailure(error);
    if (Sys().close(fd) != 0 && !result)
        result = readFailure(errno);
    return result;
}

} // namespace miravel
