#pragma once
// Serialises the writers of one file across processes: an exclusive advisory lock (flock) held
// for a whole read-modify-write. Writers replace the file by renaming a new one over it, so the
// lock is taken on the file the name holds at the moment it is granted: a writer that waited on
// a file since replaced tries again on the new one. Readers need no lock, since a replaced file
// is always whole.

#include <memory>
#include <string>

enum class LockWait { Wait, Refuse };

class FileUpdateLock {
public:
    // Takes the lock on the file `path` names (following symbolic links), waiting for another
    // writer, or with LockWait::Refuse failing at once while another holds it. Returns nullptr
    // with the reason in `why` when the file cannot be opened or locked.
    static std::unique_ptr<FileUpdateLock> Acquire(const std::string& path, std::string& why,
                                                   LockWait wait = LockWait::Wait);

    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;

private:
    explicit FileUpdateLock(int fd) : fd_(fd) {}
    int fd_;
};
