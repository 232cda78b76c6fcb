#include "file/SystemCalls.h"
#include "file/windows/Utf16.h"
#include "file/windows/Win32Path.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <windows.h>

namespace miravel {

namespace {

// The errno value the rest of the file layer knows for a Win32 error.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    // Another program has the file open without sharing it (Excel).
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return EPERM;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    default:
        return EIO;
    }
}

int failed(DWORD error = ::GetLastError())
{
    errno = errnoOf(error);
    return -1;
}

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

// Every process may read, rename and remove a file this program has open,
// as on POSIX.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A descriptor owning the handle, so that close() closes it.
int descriptorOf(HANDLE handle)
{
    if (handle == INVALID_HANDLE_VALUE)
        return failed();
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        errno = EMFILE;
    }
    return fd;
}

void fill(const BY_HANDLE_FILE_INFORMATION& from, FileStatus& info)
{
    const DWORD attributes = from.dwFileAttributes;
    info.folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    info.link = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
    info.regular = !info.folder && !info.link;
    info.size = (static_cast<std::uint64_t>(from.nFileSizeHigh) << 32) | from.nFileSizeLow;
    info.device = from.dwVolumeSerialNumber;
    info.file = (static_cast<std::uint64_t>(from.nFileIndexHigh) << 32) | from.nFileIndexLow;
    info.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(from.ftLastWriteTime.dwHighDateTime) << 32) |
                                              from.ftLastWriteTime.dwLowDateTime);
    info.mode = attributes & FILE_ATTRIBUTE_READONLY ? 0444 : 0666;
    info.owner = info.group = 0;
}

int statusOf(HANDLE handle, FileStatus& info)
{
    BY_HANDLE_FILE_INFORMATION from{};
    if (!::GetFileInformationByHandle(handle, &from))
        return failed();
    fill(from, info);
    // Only symbolic links and junctions are links; other reparse points
    // (cloud placeholders, deduplicated files) are plain files to a save.
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (info.link && ::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) {
        info.link = tag.ReparseTag == IO_REPARSE_TAG_SYMLINK || tag.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT;
        info.regular = !info.folder && !info.link;
    }
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        info.regular = false;
    return 0;
}

int openFile(const char* path, OpenFor purpose)
{
    // A folder's renames are made durable by MOVEFILE_WRITE_THROUGH instead.
    if (purpose == OpenFor::FolderFlush)
        return errno = EPERM, -1;
    return descriptorOf(::CreateFileW(Win32Path(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
}

// As mkstemp: a name of its own, created new, never an existing file;
// hidden, as its leading dot hides it elsewhere.
int makeTemporary(char* pattern)
{
    static std::mt19937 random(std::random_device{}());
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string path(pattern);
    if (path.size() < 6 || path.compare(path.size() - 6, 6, "XXXXXX") != 0)
        return errno = EINVAL, -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = path.size() - 6; i < path.size(); ++i)
            path[i] = letters[random() % (sizeof letters - 1)];
        const HANDLE handle = ::CreateFileW(Win32Path(path).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS)
            continue;
        path.copy(pattern, path.size());
        return descriptorOf(handle);
    }
    return errno = EEXIST, -1;
}

ssize_t readFile(int fd, void* buffer, std::size_t size)
{
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(size < 0x40000000 ? size : 0x40000000);
    if (!::ReadFile(handleOf(fd), buffer, wanted, &got, nullptr))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : failed();
    return static_cast<ssize_t>(got);
}

ssize_t writeFile(int fd, const void* data, std::size_t size)
{
    DWORD written = 0;
    const DWORD wanted = static_cast<DWORD>(size < 0x40000000 ? size : 0x40000000);
    if (!::WriteFile(handleOf(fd), data, wanted, &written, nullptr))
        return failed();
    return static_cast<ssize_t>(written);
}

// What a book keeps of its attributes when a save replaces it.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

int moveOver(const std::wstring& from, const std::wstring& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : failed();
}

// ReplaceFileW keeps the replaced file's access list, creation time and
// streams; its attributes are set again afterwards, as Wine's does not
// keep them. A file new at `to` loses the temporary's hidden mark.
int replaceFile(const char* from, const char* to)
{
    const std::wstring source = Win32Path(from), target = Win32Path(to);
    const DWORD before = ::GetFileAttributesW(target.c_str());
    if (before == INVALID_FILE_ATTRIBUTES || (before & FILE_ATTRIBUTE_DIRECTORY)) {
        if (moveOver(source, target) != 0)
            return -1;
        const DWORD now = ::GetFileAttributesW(target.c_str());
        if (now != INVALID_FILE_ATTRIBUTES && (now & FILE_ATTRIBUTE_HIDDEN))
            ::SetFileAttributesW(target.c_str(), (now & kKeptAttributes & ~FILE_ATTRIBUTE_HIDDEN) | FILE_ATTRIBUTE_NORMAL);
        return 0;
    }
    if (!::ReplaceFileW(target.c_str(), source.c_str(), nullptr,
                        REPLACEFILE_WRITE_THROUGH | REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                        nullptr, nullptr)) {
        const DWORD error = ::GetLastError();
        // The book was moved aside but the new one not into its place: it
        // still can be, by name.
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
            return failed(error);
        if (moveOver(source, target) != 0)
            return -1;
    }
    const DWORD kept = before & kKeptAttributes;
    ::SetFileAttributesW(target.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    return 0;
}

const SystemCalls kReal = {
    openFile,
    makeTemporary,
    readFile,
    writeFile,
    [](int fd, FileStatus* info) { return statusOf(handleOf(fd), *info); },
    // Files carry no permission bits here; a read-only book is refused before
    // it is saved, so the new file is writable as the old one was.
    [](int, unsigned) { return 0; },
    [](int, unsigned, unsigned) { return 0; },
    [](int fd) { return ::FlushFileBuffers(handleOf(fd)) ? 0 : failed(); },
    [](int fd) { return ::_close(fd) == 0 ? 0 : (errno = EIO, -1); },
    [](const char* from, const char* to) {
        return ::CreateHardLinkW(Win32Path(to).c_str(), Win32Path(from).c_str(), nullptr) ? 0 : failed();
    },
    [](const char* from, const char* to) {
        return ::MoveFileExW(Win32Path(from).c_str(), Win32Path(to).c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? 0
                   : failed();
    },
    [](const char* path) { return ::DeleteFileW(Win32Path(path).c_str()) ? 0 : failed(); },
    replaceFile,
};

} // namespace

const char kPathSeparators[] = "/\\";

const SystemCalls& RealSystemCalls() { return kReal; }

int PathStatus(const std::string& path, FileStatus& info, bool followLinks)
{
    // Opened only to ask: no access rights, folders included.
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle =
        ::CreateFileW(Win32Path(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        failed();
        return errno;
    }
    const int result = statusOf(handle, info) == 0 ? 0 : errno;
    ::CloseHandle(handle);
    return result;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE listing = ::FindFirstFileExW(Win32Path(folder + "\\*").c_str(), FindExInfoBasic, &entry,
                                              FindExSearchNameMatch, nullptr, 0);
    if (listing == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Utf8Of(name));
    } while (::FindNextFileW(listing, &entry));
    ::FindClose(listing);
    return names;
}

bool WriteDenied(const std::string&) { return false; }

unsigned NewFileMode() { return 0666; }

bool MayGiveFilesAway() { return false; }

bool FolderWritable(const std::string& folder)
{
    // A read-only medium says so; access lists are found out at save.
    // The volume's path is never longer than the whole path (a short
    // relative one grows to at most MAX_PATH).
    const std::wstring wide = Win32Path(folder);
    std::wstring volume(std::max<std::size_t>(wide.size(), MAX_PATH) + 2, L'\0');
    DWORD flags = 0;
    if (!::GetVolumePathNameW(wide.c_str(), volume.data(), static_cast<DWORD>(volume.size())) ||
        !::GetVolumeInformationW(volume.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0))
        return true;
    return (flags & FILE_READ_ONLY_VOLUME) == 0;
}

void SetFolderMode(const std::string&, unsigned) {}

// Logging off closes the window, which asks as 終了 does.
int EndRequestDescriptor() { return -1; }

long CurrentProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

bool ProcessRunning(long processId)
{
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD exitCode = 0;
    const bool running = ::GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

} // namespace miravel
