// Scratch files of the safe write: hidden, locked while they live, removed on the signals that
// end a program, and cleared by the next writer when a killed one left them.

#include "job/ScratchFile.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "job/SafeWrite.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Sets a file's times an hour back, as for a file a writer left before this program began.
void MakeOld(const std::string& path) {
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    timespec times[2] = {{info.st_mtim.tv_sec - 3600, 0}, {info.st_mtim.tv_sec - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(ScratchFile, TheNextWriterRemovesOnlyWhatAKilledWriterLeft) {
    struct Case {
        const char* name;
        bool old;
        bool locked;
        bool removed;
    };
    const Case cases[] = {
        {".quelbox-a1B2c3", true, false, true},   // left by a killed writer
        {".quelbox-d4E5f6", true, true, false},   // a writer still at work
        {".quelbox-g7H8i9", false, false, false}, // made since this program began
        {".quelbox-abc12", true, false, false},   // not a scratch file's name
        {"quelbox-abc123", true, false, false},   {".quelbox-abc1234", true, false, false},
    };
    TempFolder dir;
    std::vector<int> locks;
    for (const Case& c : cases) {
        std::ofstream(dir.File(c.name)) << "left";
        if (c.old)
            MakeOld(dir.File(c.name));
        if (c.locked) {
            // Another program's lock: a descriptor of its own, as flock locks go.
            locks.push_back(::open(dir.File(c.name).c_str(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    // A link by that name is not followed, and its target stays.
    std::ofstream(dir.File("target")) << "kept";
    ASSERT_EQ(::symlink(dir.File("target").c_str(), dir.File(".quelbox-j0K1l2").c_str()), 0);
    MakeOld(dir.File(".quelbox-j0K1l2"));

    ASSERT_TRUE(WriteFileAtomically(dir.File("job.kvj"), "new", 3).ok);
    for (const Case& c : cases)
        EXPECT_EQ(::access(dir.File(c.name).c_str(), F_OK) != 0, c.removed) << c.name;
    EXPECT_EQ(::access(dir.File(".quelbox-j0K1l2").c_str(), F_OK), 0);
    EXPECT_EQ(::access(dir.File("target").c_str(), F_OK), 0);
    for (int fd : locks)
        ::close(fd);
}

TEST(ScratchFile, IsHiddenLockedAndGoneWhenGivenUp) {
    TempFolder dir;
    std::string path;
    {
        const std::unique_ptr<ScratchFile> scratch = ScratchFile::Create(dir.Path());
        ASSERT_TRUE(scratch);
        path = scratch->path();
        EXPECT_EQ(path.substr(0, dir.Path().size() + 10), dir.Path() + "/.quelbox-");
        ASSERT_EQ(scratch->closeForWriting(), 0);
        // Still locked with the writer's descriptor closed.
        const int other = ::open(path.c_str(), O_RDONLY);
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
        ::close(other);
    }
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
    EXPECT_EQ(FolderEntries(dir.Path()), "");

    // Renamed, it is the target: kept, and no longer locked.
    const std::unique_ptr<ScratchFile> scratch = ScratchFile::Create(dir.Path());
    ASSERT_TRUE(scratch);
    ASSERT_TRUE(scratch->renameOver(dir.File("done")));
    const int done = ::open(dir.File("done").c_str(), O_RDONLY);
    EXPECT_EQ(::flock(done, LOCK_EX | LOCK_NB), 0);
    ::close(done);
    EXPECT_EQ(FolderEntries(dir.Path()), "done");
}

// A program ended by SIGINT, SIGTERM or SIGHUP while a scratch file lives removes it and still
// ends by that signal; one that ignores the signal is left alone.
TEST(ScratchFile, IsRemovedWhenTheProgramIsEndedBySignal) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        TempFolder dir;
        const pid_t child = ::fork();
        if (child == 0) {
            const std::unique_ptr<ScratchFile> scratch = ScratchFile::Create(dir.Path());
            ::raise(signal);
            ::_exit(scratch ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(FolderEntries(dir.Path()), "") << signal;
    }
    TempFolder dir;
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGTERM, SIG_IGN);
        const std::unique_ptr<ScratchFile> scratch = ScratchFile::Create(dir.Path());
        ::raise(SIGTERM);
        ::_exit(scratch && ::access(scratch->path().c_str(), F_OK) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
