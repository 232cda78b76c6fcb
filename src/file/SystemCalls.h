#pragma once
// The system calls the file layer makes to read and write whole files,
// gathered in one table so that a test can make any one of them fail.

#include <sys/stat.h>
#include <sys/types.h>

namespace miravel {

struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*mkstemp)(char* pattern);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fstat)(int fd, struct stat* info);
    int (*fchmod)(int fd, mode_t mode);
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*link)(const char* from, const char* to);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};

// The operating system's own calls.
const SystemCalls& RealSystemCalls();

// The calls in use (the real ones unless a test replaced them).
const SystemCalls& Sys();

// Replaces the calls in use until the object goes away (tests only).
class ScopedSystemCalls {
public:
    explicit ScopedSystemCalls(const SystemCalls& calls);
    ~ScopedSystemCalls();
    ScopedSystemCalls(const ScopedSystemCalls&) = delete;
    ScopedSystemCalls& operator=(const ScopedSystemCalls&) = delete;

private:
    const SystemCalls* previous_;
};

} // namespace miravel
