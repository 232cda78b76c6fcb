#pragma once
// What a file on disk was when this program last read or wrote it, so a
// save can tell when another program changed it meanwhile.

#include <string>

namespace miravel {

struct DiskStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0; // the file's identity
    long long size = 0;
    long long modifiedSeconds = 0, modifiedNanoseconds = 0;

    bool operator==(const DiskStamp& other) const;
    bool operator!=(const DiskStamp& other) const { return !(*this == other); }
};

// The stamp of the file `path` names (through symbolic links); a path that
// names nothing gives a stamp that does not exist.
DiskStamp StampOf(const std::string& path);

} // namespace miravel
