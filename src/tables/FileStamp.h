#pragma once
// What tells, without reading a file, whether it is still the one that was read: the file
// itself (device and inode), its size and the times of its last change. A file replaced by a
// rename, rewritten in place, truncated or given other permissions gets another stamp.

#include <cstdint>
#include <string>

struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // the contents' last change
    std::int64_t changedNs = 0;  // the last change of contents or attributes (not settable)

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file `path` names, following symbolic links; one that does not exist (or
// cannot be looked at) gives a stamp with exists false.
FileStamp StampOf(const std::string& path);

// The stamp of an open file.
FileStamp StampOfOpenFile(int fd);
