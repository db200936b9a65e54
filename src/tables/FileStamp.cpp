#include "tables/FileStamp.h"

#include <sys/stat.h>

namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp FromStat(const struct stat& info) {
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            Nanoseconds(info.st_mtim),
            Nanoseconds(info.st_ctim)};
}

} // namespace

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? FromStat(info) : FileStamp{};
}

FileStamp StampOfOpenFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? FromStat(info) : FileStamp{};
}
