#include "file/SystemCalls.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace miravel {

namespace {

void fill(const struct stat& from, FileStatus& info)
{
    info.regular = S_ISREG(from.st_mode);
    info.folder = S_ISDIR(from.st_mode);
    info.link = S_ISLNK(from.st_mode);
    info.size = static_cast<std::uint64_t>(from.st_size);
    info.device = static_cast<std::uint64_t>(from.st_dev);
    info.file = static_cast<std::uint64_t>(from.st_ino);
    info.modified = static_cast<std::int64_t>(from.st_mtim.tv_sec) * 1000000000 + from.st_mtim.tv_nsec;
    info.mode = from.st_mode & 07777;
    info.owner = from.st_uid;
    info.group = from.st_gid;
}

const SystemCalls kReal = {
    [](const char* path, OpenFor purpose) {
        return purpose == OpenFor::Reading ? ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
                                           : ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    },
    ::mkstemp,
    ::read,
    ::write,
    [](int fd, FileStatus* info) {
        struct stat from {};
        if (::fstat(fd, &from) != 0)
            return -1;
        fill(from, *info);
        return 0;
    },
    [](int fd, unsigned mode) { return ::fchmod(fd, static_cast<mode_t>(mode)); },
    [](int fd, unsigned owner, unsigned group) {
        return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
    },
    ::fsync,
    ::close,
    ::link,
    ::rename,
    ::unlink,
    ::rename,
};

} // namespace

const char kPathSeparators[] = "/";

const SystemCalls& RealSystemCalls() { return kReal; }

int PathStatus(const std::string& path, FileStatus& info, bool followLinks)
{
    struct stat from {};
    if ((followLinks ? ::stat(path.c_str(), &from) : ::lstat(path.c_str(), &from)) != 0)
        return errno;
    fill(from, info);
    return 0;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

bool WriteDenied(const std::string& path) { return ::access(path.c_str(), W_OK) != 0 && errno == EACCES; }

unsigned NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool FolderWritable(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0 || (errno != EACCES && errno != EROFS);
}

void SetFolderMode(const std::string& folder, unsigned mode) { ::chmod(folder.c_str(), static_cast<mode_t>(mode)); }

namespace {

int endPipe[2] = {-1, -1};

// Only what is safe in a signal handler: one byte into the pipe.
void requestEnd(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

int EndRequestDescriptor()
{
    if (endPipe[0] >= 0)
        return endPipe[0];
    if (::pipe(endPipe) != 0)
        return -1;
    for (int fd : endPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    struct sigaction action {};
    action.sa_handler = requestEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    return endPipe[0];
}

bool MayGiveFilesAway() { return ::geteuid() == 0; }

long CurrentProcessId() { return static_cast<long>(::getpid()); }

bool ProcessRunning(long processId)
{
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace miravel
