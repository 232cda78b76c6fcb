#include "file/DiskStamp.h"

#include <sys/stat.h>

namespace miravel {

bool DiskStamp::operator==(const DiskStamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
}

DiskStamp StampOf(const std::string& path)
{
    struct stat info {};
    DiskStamp stamp;
    if (::stat(path.c_str(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    return stamp;
}

} // namespace miravel
