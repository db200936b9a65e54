#include "job/SafeWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& path, const char* what, int err) {
    return "Cannot write " + path + ": " + what + " (" + std::strerror(err) + ")";
}

bool WriteAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// The file the new bytes replace: a symbolic link is followed, so the link stays a link and its
// target gets the new contents.
std::string ReplacedFile(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// An existing file keeps its permissions; a new one is readable by all and writable by its owner.
mode_t ModeFor(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0644;
}

} // namespace

FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    const std::string target = ReplacedFile(path);
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FileResult::Failure(Reason(path, "cannot create a file in its folder", errno));

    const char* failed = nullptr;
    int err = 0;
    if (::fchmod(fd, ModeFor(target)) != 0 || !WriteAll(fd, static_cast<const char*>(data), size))
        failed = "writing failed";
    else if (::fsync(fd) != 0)
        failed = "flushing to disk failed";
    if (failed)
        err = errno;
    if (::close(fd) != 0 && !failed) {
        failed = "closing failed";
        err = errno;
    }
    if (!failed && ::rename(temp.c_str(), target.c_str()) != 0) {
        failed = "replacing the file failed";
        err = errno;
    }
    if (failed) {
        ::unlink(temp.c_str());
        return FileResult::Failure(Reason(path, failed, err));
    }
    return FileResult::Success();
}

long ReadFilePrefix(const std::string& path, void* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return -1;
    const std::size_t n = std::fread(data, 1, size, f);
    std::fclose(f);
    return static_cast<long>(n);
}
