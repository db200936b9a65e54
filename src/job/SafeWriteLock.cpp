#include "job/SafeWriteLock.h"

#include "job/SafeWrite.h"

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<FileUpdateLock> FileUpdateLock::Acquire(const std::string& path, std::string& why,
                                                        LockWait wait) {
    const int operation = wait == LockWait::Wait ? LOCK_EX : LOCK_EX | LOCK_NB;
    while (true) {
        const int fd = OpenRegularFile(path);
        if (fd < 0) {
            why = std::strerror(errno);
            return nullptr;
        }
        int locked = 0;
        do
            locked = ::flock(fd, operation);
        while (locked != 0 && errno == EINTR);
        struct stat held {};
        struct stat named {};
        if (locked != 0 || ::fstat(fd, &held) != 0) {
            why = locked != 0 && errno == EWOULDBLOCK ? "another program holds its lock"
                                                      : std::strerror(errno);
            ::close(fd);
            return nullptr;
        }
        if (::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino)
            return std::unique_ptr<FileUpdateLock>(new FileUpdateLock(fd));
        ::close(fd); // replaced while waiting: lock the new file
    }
}

FileUpdateLock::~FileUpdateLock() {
    ::close(fd_);
}
