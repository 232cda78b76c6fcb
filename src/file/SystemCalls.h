#pragma once
// The operating system calls the file layer makes, in one place: the
// operations of a safe save gathered in one table, so that a test can make
// any one of them fail, and the queries about paths and processes beside
// them. POSIX and Win32 each have their own implementation, chosen by the
// build. Paths are UTF-8; errors are errno values on both systems, EBUSY
// meaning another program holds the file (on Windows a sharing or lock
// violation: a table still open in Excel).

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace miravel {

// What the safe save needs to know about a file.
struct FileStatus {
    bool regular = false;
    bool folder = false;
    bool link = false;        // a symbolic link (only when links are not followed)
    std::uint64_t size = 0;
    std::uint64_t device = 0; // device and file number together name the file
    std::uint64_t file = 0;
    std::int64_t modified = 0; // last write, in the system's own units: only for comparing
    unsigned mode = 0;        // permission bits; on Windows 0444 for a read-only file, else 0666
    unsigned owner = 0;
    unsigned group = 0;
};

// What a file is opened for: its bytes, or (a folder) to flush its renames.
enum class OpenFor { Reading, FolderFlush };

// Each returns -1 and sets errno on failure, as the POSIX calls do.
struct SystemCalls {
    int (*open)(const char* path, OpenFor purpose);     // never blocks, never a terminal
    int (*mkstemp)(char* pattern);                      // a new file; "XXXXXX" at the end becomes its own name
    ssize_t (*read)(int fd, void* buffer, std::size_t size);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fstat)(int fd, FileStatus* info);
    int (*fchmod)(int fd, unsigned mode);
    int (*fchown)(int fd, unsigned owner, unsigned group);
    int (*fsync)(int fd);                               // to disk
    int (*close)(int fd);
    int (*link)(const char* from, const char* to);      // a second name: keeps the old file as the backup
    int (*rename)(const char* from, const char* to);    // replaces `to`, whole or not at all
    int (*unlink)(const char* path);
    // A temporary of this program takes the place of `to`, as rename; on
    // Windows the file keeps what Windows keeps with `to` (access list,
    // attributes such as hidden), and a new file is not hidden as the
    // temporary was.
    int (*replace)(const char* from, const char* to);
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

// The status of the file a path names (of a link itself unless
// `followLinks`); 0 or the errno value.
int PathStatus(const std::string& path, FileStatus& info, bool followLinks = true);

// The names in a folder, without "." and ".."; empty when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

// True when the system refuses this process write access to an existing file.
bool WriteDenied(const std::string& path);

// The permission bits of a new file (the umask applied).
unsigned NewFileMode();

// False when this process may not make files in `folder` (no write access,
// a read-only file system); a folder it cannot tell about counts as writable.
bool FolderWritable(const std::string& folder);

// Gives a folder these permission bits; nothing on Windows, whose folders
// take their access from the parent. Best effort.
void SetFolderMode(const std::string& folder, unsigned mode);

// A descriptor that becomes readable when the session ends the program
// (SIGTERM, SIGHUP); -1 where there is no such thing. Made on the first call.
int EndRequestDescriptor();

// True when this process may give files to another owner (root).
bool MayGiveFilesAway();

long CurrentProcessId();

// True when a process of that number is running (also one of another user).
bool ProcessRunning(long processId);

// The characters that end a folder name in a path: "/", and "\\" on Windows.
extern const char kPathSeparators[];

} // namespace miravel
