#include "file/DiskStamp.h"

#include "file/SafeWrite.h"

namespace miravel {

bool DiskStamp::operator==(const DiskStamp& other) const
{
    return exists == other.exists && size == other.size && hash == other.hash;
}

DiskStamp StampOfBytes(const std::string& bytes)
{
    // 64-bit FNV-1a: it tells a change, nobody forges one against it.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return DiskStamp{true, bytes.size(), hash};
}

DiskStamp StampOf(const std::string& path)
{
    std::string bytes;
    if (ReadWholeFile(path, bytes))
        return DiskStamp();
    return StampOfBytes(bytes);
}

} // namespace miravel
