#include "file/DiskStamp.h"

#include "file/SystemCalls.h"

namespace miravel {

bool DiskStamp::operator==(const DiskStamp& other) const
{
    return exists == other.exists && device == other.device && file == other.file && size == other.size &&
           modified == other.modified;
}

DiskStamp StampOf(const std::string& path)
{
    FileStatus info;
    if (PathStatus(path, info) != 0)
        return DiskStamp();
    return DiskStamp{true, info.device, info.file, info.size, info.modified};
}

} // namespace miravel
