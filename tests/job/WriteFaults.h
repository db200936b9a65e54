#pragma once
// Real ways to make a file write fail, that hold for root too (who writes whatever the permission
// bits say): the immutable attribute, a file size limit, and permission bits for other users.

#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>

// Marks a file or folder immutable while it lives: nothing can be created in an immutable folder
// and nothing renamed over an immutable file. Needs the right to set the attribute (root on a
// file system that has it); active() says whether it took, why() why not.
class Immutable {
public:
    explicit Immutable(std::string path);
    ~Immutable();
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;

    bool active() const { return active_; }
    const std::string& why() const { return why_; }

private:
    bool SetFlag(bool on);

    std::string path_;
    bool active_ = false;
    std::string why_;
};

// A folder where no file can be created while it lives: read-only permission bits for an
// ordinary user; the immutable attribute for root.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool active() const;
    std::string why() const;

private:
    std::string folder_;
    bool byPermissions_ = false;
    std::unique_ptr<Immutable> immutable_;
};

// Runs `write` while no file may grow past `limit` bytes (a full disk as far as the writer can
// tell: writes stop short with EFBIG), and returns what it returns.
template <typename Write> auto WithFileSizeLimit(rlim_t limit, Write&& write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

// The names of the entries of a folder, sorted.
std::string FolderEntries(const std::string& folder);
