#include "job/SafeWrite.h"

#include "job/ScratchFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MaxLinkHops = 40;

std::string WithError(const char* what, int err) {
    return std::string(what) + " (" + std::strerror(err) + ")";
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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a plain file";
}

// Flushes a folder so that a rename in it lasts.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The new file takes the old one's permissions, owner and group; a new one is readable by all.
void TakeOwnership(int fd, const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        ::fchmod(fd, 0644);
        return;
    }
    // Changing the owner needs privileges the process may not have; the permissions come after,
    // since a change of owner clears the set-user-ID bits.
    if (::fchown(fd, info.st_uid, info.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
    ::fchmod(fd, info.st_mode & 07777);
}

// Writes, flushes and checks the temporary file; returns why it failed, or empty.
std::string FillTemp(int fd, const std::string& target, const char* data, std::size_t size) {
    TakeOwnership(fd, target);
    if (!WriteAll(fd, data, size))
        return WithError("writing failed", errno);
    if (::fsync(fd) != 0)
        return WithError("flushing to disk failed", errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return WithError("the written file cannot be checked", errno);
    if (static_cast<std::size_t>(written.st_size) != size)
        return "the written file came out " + std::to_string(written.st_size) +
               " bytes instead of " + std::to_string(size);
    return {};
}

} // namespace

std::string WriteTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n < 0)
            return current;
        link.resize(static_cast<std::size_t>(n));
        current = link.starts_with('/') ? link : FolderOf(current) + "/" + link;
    }
    return {};
}

std::string ReplaceRefusal(const std::string& path) {
    struct stat info {};
    // Following every link: /dev/stdout on a pipe is a pipe.
    if (::stat(path.c_str(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return std::string("it is ") + KindOf(info.st_mode) + ", not a regular file";
    if ((info.st_mode & S_IWUSR) == 0)
        return "the file is read-only";
    return {};
}

std::string ReplaceFileAtomically(const std::string& path, const void* data, std::size_t size,
                                  const WrittenFileCheck& check) {
    if (std::string refusal = ReplaceRefusal(path); !refusal.empty())
        return refusal;
    const std::string target = WriteTarget(path);
    if (target.empty())
        return WithError("its symbolic links loop", ELOOP);
    if (std::string refusal = ReplaceRefusal(target); !refusal.empty())
        return refusal;

    const std::string folder = FolderOf(target);
    const std::unique_ptr<ScratchFile> temp = ScratchFile::Create(folder);
    if (!temp)
        return WithError("cannot create a file in its folder", errno);
    std::string failed = FillTemp(temp->fd(), target, static_cast<const char*>(data), size);
    if (temp->closeForWriting() != 0 && failed.empty())
        failed = WithError("closing failed", errno);
    if (failed.empty() && check)
        failed = check(temp->path());
    if (failed.empty() && !temp->renameOver(target))
        failed = WithError("replacing the file failed", errno);
    if (!failed.empty())
        return failed; // the scratch file is removed with `temp`
    SyncFolder(folder);
    return {};
}

FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    const std::string failed = ReplaceFileAtomically(path, data, size);
    if (failed.empty())
        return FileResult::Success();
    return FileResult::Failure("Cannot write " + path + ": " + failed);
}

int OpenRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    int err = 0;
    if (::fstat(fd, &info) != 0)
        err = errno;
    else if (!S_ISREG(info.st_mode))
        err = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        err = errno;
    if (err != 0) {
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

std::string ReadFailure(int error) {
    if (error == EISDIR)
        return "it is a directory";
    if (error == EINVAL)
        return "it is not a regular file";
    return std::strerror(error);
}

long ReadFilePrefix(const std::string& path, void* data, std::size_t size) {
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return -1;
    auto* p = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, p + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            errno = err;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return static_cast<long>(done);
}
