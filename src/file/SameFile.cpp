#include "file/SameFile.h"

#include "file/SafeWrite.h"
#include "file/SystemCalls.h"

namespace miravel {

namespace {

// Device, inode and (for a file not yet there) name.
struct Place {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::string name;
};

bool placeOf(const std::string& path, Place& place)
{
    FileStatus info;
    if (PathStatus(path, info) == 0) {
        place = Place{info.device, info.file, ""};
        return true;
    }
    // Not there yet: where it would be created, after following links.
    const std::string target = FinalTarget(path);
    const auto slash = target.find_last_of(kPathSeparators);
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    if (PathStatus(folder, info) != 0)
        return false;
    place = Place{info.device, info.file, slash == std::string::npos ? target : target.substr(slash + 1)};
    return true;
}

} // namespace

bool SameFile(const std::string& a, const std::string& b)
{
    Place first, second;
    if (!placeOf(a, first) || !placeOf(b, second))
        return false;
    return first.device == second.device && first.inode == second.inode && first.name == second.name;
}

bool WouldOverwriteBook(const std::string& output, const std::string& book)
{
    const std::string bookBackup = BackupPath(FinalTarget(book));
    const std::string outputBackup = ExportBackupPath(FinalTarget(output));
    const std::string sealedBackup = ProtectedBackupPath(FinalTarget(book));
    return SameFile(output, book) || SameFile(output, bookBackup) || SameFile(output, sealedBackup) ||
           SameFile(outputBackup, book);
}

} // namespace miravel
