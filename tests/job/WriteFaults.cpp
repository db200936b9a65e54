#include "WriteFaults.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Immutable::Immutable(std::string path) : path_(std::move(path)) {
    active_ = SetFlag(true);
}

Immutable::~Immutable() {
    if (active_)
        SetFlag(false);
}

bool Immutable::SetFlag(bool on) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        why_ = path_ + ": " + std::strerror(errno);
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!done)
        why_ =
            "the immutable attribute cannot be set on " + path_ + " (" + std::strerror(errno) + ")";
    ::close(fd);
    return done;
}

ReadOnlyFolder::ReadOnlyFolder(std::string folder) : folder_(std::move(folder)) {
    if (::geteuid() != 0) {
        byPermissions_ = ::chmod(folder_.c_str(), 0555) == 0;
        return;
    }
    immutable_ = std::make_unique<Immutable>(folder_);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (byPermissions_)
        ::chmod(folder_.c_str(), 0755);
}

bool ReadOnlyFolder::active() const {
    return byPermissions_ || (immutable_ != nullptr && immutable_->active());
}

std::string ReadOnlyFolder::why() const {
    if (immutable_ != nullptr)
        return "running as root, and " + immutable_->why();
    return "the permissions of " + folder_ + " cannot be changed";
}

std::string FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}
