#include "job/ScratchFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* NamePrefix = ".quelbox-";
constexpr std::size_t RandomPartLength = 6; // the XXXXXX of mkstemp
constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// When this process began: a scratch file older than that belongs to no writer of this run.
const auto ProcessStart = std::chrono::system_clock::now();

// The paths of the live scratch files, where a signal handler may read them: a slot is claimed,
// its path written, and only then is it marked used; the handler reads the paths of used slots.
struct Slot {
    std::atomic<bool> claimed{false};
    std::atomic<bool> used{false};
    char path[PATH_MAX];
};
std::array<Slot, 16> liveFiles;
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void RemoveScratchFilesAndEnd(int signal) {
    for (Slot& slot : liveFiles)
        if (slot.used.load())
            ::unlink(slot.path);
    // Then end as the signal would have ended the process.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

void InstallSignalHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int signal : EndingSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0 ||
                (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL)
                continue; // ignored, or handled by the program itself
            struct sigaction handler {};
            handler.sa_handler = RemoveScratchFilesAndEnd;
            sigemptyset(&handler.sa_mask);
            ::sigaction(signal, &handler, nullptr);
        }
    });
}

int Register(const std::string& path) {
    if (path.size() >= PATH_MAX)
        return -1;
    for (std::size_t i = 0; i < liveFiles.size(); ++i) {
        Slot& slot = liveFiles[i];
        bool free = false;
        if (!slot.claimed.compare_exchange_strong(free, true))
            continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.used.store(true);
        return static_cast<int>(i);
    }
    return -1;
}

bool IsScratchName(const char* name) {
    const std::size_t prefix = std::strlen(NamePrefix);
    return std::strncmp(name, NamePrefix, prefix) == 0 &&
           std::strlen(name) == prefix + RandomPartLength;
}

bool OlderThanThisProcess(const struct stat& info) {
    const auto modified = std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(info.st_mtim.tv_sec) +
            std::chrono::nanoseconds(info.st_mtim.tv_nsec)));
    return modified < ProcessStart;
}

} // namespace

std::unique_ptr<ScratchFile> ScratchFile::Create(const std::string& folder) {
    RemoveStaleScratchFiles(folder);
    InstallSignalHandlers();
    std::unique_ptr<ScratchFile> file(new ScratchFile);
    file->path_ = folder + "/" + NamePrefix + std::string(RandomPartLength, 'X');
    // A signal that comes while the file is made waits until the handler knows its name.
    sigset_t ending;
    sigset_t before;
    sigemptyset(&ending);
    for (const int signal : EndingSignals)
        sigaddset(&ending, signal);
    ::pthread_sigmask(SIG_BLOCK, &ending, &before);
    file->fd_ = ::mkostemp(file->path_.data(), O_CLOEXEC);
    const int error = errno;
    if (file->fd_ >= 0)
        file->slot_ = Register(file->path_);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (file->fd_ < 0) {
        file->path_.clear(); // nothing was made
        errno = error;
        return nullptr;
    }
    // A second descriptor of the same open file keeps the lock once the writer's is closed.
    file->lockFd_ = ::fcntl(file->fd_, F_DUPFD_CLOEXEC, 0);
    if (file->lockFd_ < 0 || ::flock(file->lockFd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        file.reset(); // removes it
        errno = error;
        return nullptr;
    }
    return file;
}

ScratchFile::~ScratchFile() {
    if (!path_.empty())
        ::unlink(path_.c_str());
    forget();
    if (fd_ >= 0)
        ::close(fd_);
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void ScratchFile::forget() {
    if (slot_ >= 0) {
        Slot& slot = liveFiles[static_cast<std::size_t>(slot_)];
        slot.used.store(false);
        slot.claimed.store(false);
        slot_ = -1;
    }
}

int ScratchFile::closeForWriting() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd);
}

bool ScratchFile::renameOver(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0)
        return false;
    path_.clear();
    forget();
    // The file is the target now: writers that lock the target must not find it held, though
    // the writer's descriptor of it may still be open.
    ::flock(lockFd_, LOCK_UN);
    ::close(lockFd_);
    lockFd_ = -1;
    return true;
}

void RemoveStaleScratchFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsScratchName(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {};
        struct stat named {};
        // Removed under its lock, and only while the name still holds the file looked at.
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && OlderThanThisProcess(held) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}
