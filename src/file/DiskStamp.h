#pragma once
// What a file on disk was when this program last read or wrote it, so a
// save can tell when another program changed it meanwhile.

#include <cstdint>
#include <string>

namespace miravel {

struct DiskStamp {
    bool exists = false;
    std::uint64_t device = 0, file = 0; // the file's identity
    std::uint64_t size = 0;
    std::int64_t modified = 0;

    bool operator==(const DiskStamp& other) const;
    bool operator!=(const DiskStamp& other) const { return !(*this == other); }
};

// The stamp of the file `path` names (through symbolic links); a path that
// names nothing gives a stamp that does not exist.
DiskStamp StampOf(const std::string& path);

} // namespace miravel
