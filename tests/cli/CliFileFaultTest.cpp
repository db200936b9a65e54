// quelbox-cli's writes and reads under real faults: targets that are not regular files, read-only
// and foreign-owned files, dangling links, long names, a file size limit and FIFOs as inputs.

#include "ProgramRun.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CliFileFault : public ::testing::Test {
protected:
    void SetUp() override {
        Job job;
        BuildSampleJob(job);
        ASSERT_TRUE(WriteJobFile(job, dir.File("sample.kvj")).ok);
        sample = ReadBytes(dir.File("sample.kvj"));
    }

    ProgramRun Recalc(const std::string& out, const RunSetting& setting = {}) {
        return RunQuelboxCli({"recalc", dir.File("sample.kvj"), out}, setting);
    }

    TempFolder dir;
    std::vector<unsigned char> sample;
};

bool IsFifo(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST_F(CliFileFault, ATargetThatIsNotARegularFileIsRefusedAndLeftAsItIs) {
    const std::string fifo = dir.File("pipe.kvj");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir.File("folder.kvj"));
    const std::string socketPath = dir.File("socket.kvj");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    for (const std::string& target : {fifo, dir.File("folder.kvj"), socketPath}) {
        const ProgramRun run = Recalc(target);
        EXPECT_EQ(run.status, 3) << target << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr(target));
        EXPECT_THAT(run.err, HasSubstr("not a regular file"));
    }
    ::close(sock);
    EXPECT_TRUE(IsFifo(fifo));
    EXPECT_TRUE(fs::is_directory(dir.File("folder.kvj")));
    EXPECT_TRUE(fs::is_socket(socketPath));
    EXPECT_EQ(FolderEntries(dir.Path()), "folder.kvj pipe.kvj sample.kvj socket.kvj");

#ifdef QUELBOX_REPORT_COMMAND
    const ProgramRun report =
        RunQuelboxCli({"report", dir.File("sample.kvj"), "-o", fifo, "--dir", dir.Path()});
    EXPECT_EQ(report.status, 3) << report.err;
    EXPECT_TRUE(IsFifo(fifo));
#endif
}

// Devices are tried on a private /dev, so that a fault could not replace the system's.
TEST_F(CliFileFault, DevicesAndAPipedStandardOutputAreNeverReplaced) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a private /dev needs root";
    RunSetting privateDev;
    privateDev.privateDev = true;
    for (const char* device : {"/dev/null", "/dev/full"}) {
        const ProgramRun run = Recalc(device, privateDev);
        if (run.noPrivateDev)
            GTEST_SKIP() << "no private mount namespace here (unshare or mount refused)";
        EXPECT_EQ(run.status, 3) << device << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr("it is a device, not a regular file"));
    }
#ifdef QUELBOX_REPORT_COMMAND
    for (const char* output : {"/dev/null", "/dev/stdout"}) {
        const ProgramRun run = RunQuelboxCli(
            {"report", dir.File("sample.kvj"), "-o", output, "--dir", dir.Path()}, privateDev);
        EXPECT_EQ(run.status, 3) << output << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr("not a regular file"));
    }
#endif
}

#ifdef QUELBOX_REPORT_COMMAND
TEST_F(CliFileFault, AReportGoesToStandardOutputWithADash) {
    const ProgramRun run =
        RunQuelboxCli({"report", dir.File("sample.kvj"), "-o", "-", "--dir", dir.Path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("%PDF-", 0), 0u);
    EXPECT_THAT(run.out, HasSubstr("%%EOF"));
}
#endif

TEST_F(CliFileFault, AReadOnlyFileIsNotReplaced) {
    const std::vector<unsigned char> old{'o', 'l', 'd'};
    const std::string out = dir.File("kept.kvj");
    WriteBytes(out, old);
    ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
    const ProgramRun recalc = Recalc(out);
    EXPECT_EQ(recalc.status, 3);
    EXPECT_THAT(recalc.err, HasSubstr(out));
    EXPECT_THAT(recalc.err, HasSubstr("is read-only"));
    EXPECT_EQ(ReadBytes(out), old);

#ifdef QUELBOX_REPORT_COMMAND
    const std::string pdf = dir.File("kept.pdf");
    WriteBytes(pdf, old);
    ASSERT_EQ(::chmod(pdf.c_str(), 0444), 0);
    const ProgramRun report =
        RunQuelboxCli({"report", dir.File("sample.kvj"), "-o", pdf, "--dir", dir.Path()});
    EXPECT_EQ(report.status, 3);
    EXPECT_THAT(report.err, HasSubstr("is read-only"));
    EXPECT_EQ(ReadBytes(pdf), old);
#endif
}

TEST_F(CliFileFault, ARewrittenFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    const std::string out = dir.File("theirs.kvj");
    WriteBytes(out, {'o', 'l', 'd'});
    ASSERT_EQ(::chown(out.c_str(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(out.c_str(), 0640), 0);

    const ProgramRun run = Recalc(out);
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat info {};
    ASSERT_EQ(::stat(out.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_size, 2575);
}

TEST_F(CliFileFault, ALinkWhoseTargetDoesNotExistYetIsWrittenThrough) {
    fs::create_directory(dir.File("shared"));
    fs::create_symlink("shared/job.kvj", dir.File("link.kvj"));
    const ProgramRun run = Recalc(dir.File("link.kvj"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(dir.File("link.kvj")));
    EXPECT_EQ(ReadBytes(dir.File("shared/job.kvj")).size(), 2575u);

    // A table linked into an empty shared folder: the shipped copy goes to the link's target.
    fs::create_symlink(dir.File("shared/UNITS.DAT"), dir.File("UNITS.DAT"));
    const ProgramRun units = RunQuelboxCli({"units", dir.File("sample.kvj"), "--dir", dir.Path()});
    ASSERT_EQ(units.status, 0) << units.err;
    EXPECT_TRUE(fs::is_symlink(dir.File("UNITS.DAT")));
    EXPECT_TRUE(fs::is_regular_file(dir.File("shared/UNITS.DAT")));
}

TEST_F(CliFileFault, ANameOfTheLongestLengthIsRewritten) {
    const std::string name = std::string(250, 'j') + ".kvj"; // 254 bytes
    const std::string longest = dir.File(name + "x");        // 255 bytes
    WriteBytes(longest, {'o', 'l', 'd'});
    const ProgramRun run = Recalc(longest);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(longest).size(), 2575u);
}

TEST_F(CliFileFault, AFileSizeLimitFailsTheWriteInsteadOfKillingTheProgram) {
    const std::string out = dir.File("out.kvj");
    WriteBytes(out, {'o', 'l', 'd'});
    RunSetting limited;
    limited.fileSizeLimit = 1000; // the job is 2575 bytes
    const ProgramRun run = Recalc(out, limited);
    EXPECT_EQ(run.status, 3) << "status " << run.status << ": " << run.err;
    EXPECT_THAT(run.err, HasSubstr(out));
    EXPECT_EQ(ReadBytes(out), (std::vector<unsigned char>{'o', 'l', 'd'}));
    EXPECT_EQ(FolderEntries(dir.Path()), "out.kvj sample.kvj");
}

TEST_F(CliFileFault, InputsThatAreNotRegularFilesAreRefusedAtOnce) {
    RunSetting quick;
    quick.timeLimitSeconds = 10;
    const std::string fifo = dir.File("job.kvj");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const ProgramRun job = RunQuelboxCli({"totals", fifo}, quick);
    EXPECT_FALSE(job.hung);
    EXPECT_EQ(job.status, 2);
    EXPECT_THAT(job.err, HasSubstr("Not an Quelbox WIN 98 Job File"));

    // The side files and the logo are read as when they cannot be read; nothing waits.
    for (const char* name : {"SUBMIT.KVI", "lgo.bmp"})
        ASSERT_EQ(::mkfifo(dir.File(name).c_str(), 0644), 0);
    const ProgramRun summary =
        RunQuelboxCli({"summary", dir.File("sample.kvj"), "--dir", dir.Path()}, quick);
    EXPECT_FALSE(summary.hung);
    EXPECT_EQ(summary.status, 0) << summary.err;
#ifdef QUELBOX_REPORT_COMMAND
    const ProgramRun report = RunQuelboxCli(
        {"report", dir.File("sample.kvj"), "-o", dir.File("r.pdf"), "--dir", dir.Path()}, quick);
    EXPECT_FALSE(report.hung);
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_THAT(report.err, HasSubstr("Can't open bitmap file"));
#endif

    ASSERT_EQ(::mkfifo(dir.File("DEFAULTS.KVI").c_str(), 0644), 0);
    const ProgramRun made =
        RunQuelboxCli({"new", "--box-temp", "35", "--length", "8", "--width", "8", "--height", "8",
                       "-o", dir.File("new.kvj"), "--dir", dir.Path()},
                      quick);
    EXPECT_FALSE(made.hung);
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_THAT(made.err, HasSubstr("DEFAULTS.KVI: it is not a regular file"));

    // A table that is a FIFO or a folder is named as such.
    ASSERT_EQ(::mkfifo(dir.File("UNITS.DAT").c_str(), 0644), 0);
    fs::create_directory(dir.File("COILS.DAT"));
    const ProgramRun units =
        RunQuelboxCli({"units", dir.File("sample.kvj"), "--dir", dir.Path()}, quick);
    EXPECT_FALSE(units.hung);
    EXPECT_EQ(units.status, 4);
    EXPECT_THAT(units.err, HasSubstr("UNITS.DAT: it is not a regular file, so not a table"));
    const ProgramRun coils = RunQuelboxCli({"spot-coil", "--quantity", "1", "--td", "10", "--load",
                                            "9000", "--box-temp", "35", "--dir", dir.Path()},
                                           quick);
    EXPECT_EQ(coils.status, 4);
    EXPECT_THAT(coils.err, HasSubstr("COILS.DAT: it is a directory, not a table"));
}

} // namespace
