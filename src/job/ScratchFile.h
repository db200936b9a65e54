#pragma once
// The hidden scratch file `.quelbox-XXXXXX` a writer fills before renaming it over its target.
// While it lives it is locked (flock), and it is removed when the writer gives up and when the
// process is ended by SIGINT, SIGTERM or SIGHUP (where those still have their default action).
// A writer killed outright leaves it behind; the next writer in that folder removes every such
// file that is older than its own process and not locked.

#include <memory>
#include <string>

class ScratchFile {
public:
    // Creates the file in `folder` after removing what killed writers left there. Returns
    // nullptr with errno set when it cannot be made.
    static std::unique_ptr<ScratchFile> Create(const std::string& folder);

    // Removes the file unless it was renamed.
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    // The descriptor to write through; -1 once closed.
    int fd() const { return fd_; }
    // Closes the descriptor written through; the lock stays until the file is renamed or
    // removed. 0, or -1 with errno set.
    int closeForWriting();
    // Renames the file over `target`; from then on it is the target, not scratch. False with
    // errno set when the rename fails.
    bool renameOver(const std::string& target);

private:
    ScratchFile() = default;
    void forget();

    std::string path_;
    int fd_ = -1;
    int lockFd_ = -1;
    int slot_ = -1; // where the signal handler finds the path; -1 when it has none
};

// Removes from `folder` every scratch file older than this process that no writer holds
// locked: what a writer killed outright left there.
void RemoveStaleScratchFiles(const std::string& folder);
