#pragma once
// What a file on disk held when this program last read or wrote it, so a
// save can tell when another program changed it meanwhile. The content
// counts, not where it lies: a remount or a stick plugged in again changes
// nothing, a rewrite of the same size and time is still seen.

#include <cstdint>
#include <string>

namespace miravel {

struct DiskStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0; // of the whole content

    bool operator==(const DiskStamp& other) const;
    bool operator!=(const DiskStamp& other) const { return !(*this == other); }
};

// The stamp of bytes read from (or written to) a file.
DiskStamp StampOfBytes(const std::string& bytes);

// The stamp of the file `path` names (through symbolic links); a path that
// names nothing, or a file that cannot be read, gives a stamp that does not
// exist.
DiskStamp StampOf(const std::string& path);

} // namespace miravel
