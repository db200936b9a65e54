// An import stopped halfway leaves nothing a user can see: its scratch file is hidden, removed
// when the import is ended by a signal, and removed by the next writer when it was killed
// outright.

#include "TableFolder.h"
#include "WriteFaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Enough rows that writing and checking the new table takes a while.
constexpr int BigImportRows = 200000;

class TableScratchFile : public TableFolder {
protected:
    void SetUp() override {
        TableFolder::SetUp();
        std::string text = UnitsHeader;
        for (int i = 0; i < BigImportRows; ++i)
            text += "MX-" + std::to_string(i) +
                    ",9000,8000,7000,6000,5000,4000,3000,2000,1000,"
                    "900,800,25,1.00,Maker,1\n";
        WriteText("big.csv", text);
        entries = FolderEntries(dir.Path());
    }

    // Starts importing big.csv into UNITS.DAT, waits until the import creates a file in the
    // folder and sends `signal` at once. Returns how the import ended (a wait status), or -1
    // when it created no file in time.
    int StopImportWhileWriting(int signal) {
        const int watch = ::inotify_init1(IN_CLOEXEC);
        if (watch < 0 || ::inotify_add_watch(watch, dir.Path().c_str(), IN_CREATE) < 0)
            return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execl(QUELBOX_CLI, QUELBOX_CLI, "table", "import", "UNITS.DAT",
                    dir.File("big.csv").c_str(), "--dir", dir.Path().c_str(), nullptr);
            ::_exit(127);
        }
        pollfd event{watch, POLLIN, 0};
        const bool created = ::poll(&event, 1, 60000) == 1;
        if (created)
            ::kill(child, signal);
        else
            ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(watch);
        return created ? status : -1;
    }

    std::string entries; // the folder's entries before the import
};

TEST_F(TableScratchFile, AnImportEndedBySignalLeavesNothingBehind) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        // The import may finish before the signal arrives; a few tries catch it halfway.
        bool stoppedHalfway = false;
        for (int attempt = 0; attempt < 3 && !stoppedHalfway; ++attempt) {
            const int status = StopImportWhileWriting(signal);
            ASSERT_NE(status, -1) << "the import created no file";
            stoppedHalfway = WIFSIGNALED(status) && WTERMSIG(status) == signal;
            EXPECT_EQ(FolderEntries(dir.Path()), entries) << "signal " << signal;
            if (stoppedHalfway)
                EXPECT_TRUE(Unchanged("UNITS.DAT"));
            else // finished first: back to the old table for the next try
                WriteBytes(dir.File("UNITS.DAT"), shipped["UNITS.DAT"]);
        }
        EXPECT_TRUE(stoppedHalfway) << "signal " << signal << " never arrived while writing";
    }
}

TEST_F(TableScratchFile, AKilledImportLeavesOnlyAHiddenFileThatTheNextWriterRemoves) {
    bool stoppedHalfway = false;
    for (int attempt = 0; attempt < 3 && !stoppedHalfway; ++attempt) {
        const int status = StopImportWhileWriting(SIGKILL);
        ASSERT_NE(status, -1) << "the import created no file";
        stoppedHalfway = WIFSIGNALED(status);
        if (!stoppedHalfway)
            WriteBytes(dir.File("UNITS.DAT"), shipped["UNITS.DAT"]);
    }
    ASSERT_TRUE(stoppedHalfway) << "the kill never arrived while writing";
    EXPECT_TRUE(Unchanged("UNITS.DAT"));
    const std::string left = FolderEntries(dir.Path());
    EXPECT_THAT(left, ::testing::MatchesRegex("\\.quelbox-[A-Za-z0-9]{6} " + entries)) << left;

    // The next writer of the folder removes it.
    const ProgramRun next =
        ImportText("COILS.DAT", std::string(CoilsHeader) + "C-1,25,100,Low,6,0,B\n");
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(FolderEntries(dir.Path()), entries + " in.csv");
}

} // namespace
