#include "file/SafeWrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace miravel {

namespace {

std::string reasonFor(int error)
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
    case ENOTDIR:
        return "保存先のフォルダーが見つかりません。";
    case EISDIR:
        return "同じ名前のフォルダーがあります。";
    default:
        return std::string("書き込みに失敗しました（") + std::strerror(error) + "）。";
    }
}

FileError failure(int error) { return FileError{0, reasonFor(error)}; }

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Keeps the previous content as the backup. A failure here is not an error
// of the save: the new content still goes to the file.
void copyToBackup(const std::string& path)
{
    const std::string backup = BackupPath(path);
    if (backup == path)
        return;
    std::string previous;
    if (ReadWholeFile(path, previous))
        return;
    std::ofstream out(backup, std::ios::binary | std::ios::trunc);
    out.write(previous.data(), static_cast<std::streamsize>(previous.size()));
}

mode_t newFileMode(const std::string& path)
{
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string BackupPath(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.find('.', nameStart);
    if (dot == std::string::npos)
        return path + ".bak";
    return path.substr(0, dot + 1) + "bak";
}

FileResult WriteFileWithBackup(const std::string& path, const std::string& bytes)
{
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return failure(EISDIR);

    std::string tempPath = folderOf(path) + "/.miravel-XXXXXX";
    std::vector<char> tempName(tempPath.begin(), tempPath.end());
    tempName.push_back('\0');
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return failure(errno);
    tempPath = tempName.data();

    const bool written = writeAll(fd, bytes) && ::fchmod(fd, newFileMode(path)) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(tempPath.c_str());
        return failure(error);
    }

    copyToBackup(path);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return failure(error);
    }
    // Make the rename itself durable.
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return FileError{0, "ファイルが見つかりません。"};
    if (S_ISDIR(info.st_mode))
        return FileError{0, "フォルダーは開けません。"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileError{0, "ファイルを開けません（読み取りの権限がありません）。"};
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return FileError{0, "ファイルを読み取れません。"};
    bytes = content.str();
    return std::nullopt;
}

} // namespace miravel
