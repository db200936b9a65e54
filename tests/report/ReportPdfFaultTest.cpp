// The report written onto a disk that fills up: a really full tmpfs (as root) and a file size
// limit. The PDF replaces the old one only when it came out whole; otherwise the old file stays.

#include "ProgramRun.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;

bool WholePdf(const std::vector<unsigned char>& bytes) {
    const std::string text(bytes.begin(), bytes.end());
    return text.rfind("%PDF-", 0) == 0 && text.find("%%EOF", text.size() - 8) != std::string::npos;
}

class ReportPdfFault : public ::testing::Test {
protected:
    void SetUp() override {
        Job job;
        BuildSampleJob(job);
        ASSERT_TRUE(WriteJobFile(job, work.File("sample.kvj")).ok);
        std::filesystem::copy_file(QUELBOX_LOGO, work.File("lgo.bmp"));
        const ProgramRun first = Report(work.File("old.pdf"));
        ASSERT_EQ(first.status, 0) << first.err;
        old = ReadBytes(work.File("old.pdf"));
        ASSERT_TRUE(WholePdf(old));
    }

    ProgramRun Report(const std::string& out, const RunSetting& setting = {}) {
        return RunQuelboxCli({"report", work.File("sample.kvj"), "-o", out, "--dir", work.Path()},
                             setting);
    }

    // Either the new report is whole and exit 0, or exit 3 naming the file and the old one
    // stays as it was; no temporary file is left.
    void ExpectWholeOrOld(const ProgramRun& run, const std::string& out, const std::string& folder,
                          const std::string& otherEntries) {
        const std::vector<unsigned char> now = ReadBytes(out);
        if (run.status == 0) {
            EXPECT_TRUE(WholePdf(now)) << "exit 0 with a cut-off report of " << now.size();
        } else {
            EXPECT_EQ(run.status, 3) << run.err;
            EXPECT_THAT(run.err, HasSubstr(out));
            EXPECT_EQ(now, old);
        }
        EXPECT_EQ(FolderEntries(folder), otherEntries);
    }

    TempFolder work;
    std::vector<unsigned char> old;
};

TEST_F(ReportPdfFault, AFileSizeLimitKeepsTheOldReport) {
    const std::string out = work.File("r.pdf");
    for (rlim_t limit :
         {rlim_t{0}, rlim_t{100}, rlim_t{4096}, rlim_t(old.size() / 2), rlim_t(old.size() - 1)}) {
        WriteBytes(out, old);
        RunSetting limited;
        limited.fileSizeLimit = limit;
        const ProgramRun run = Report(out, limited);
        EXPECT_EQ(run.status, 3) << "limit " << limit << ": " << run.err;
        ExpectWholeOrOld(run, out, work.Path(), "lgo.bmp old.pdf r.pdf sample.kvj");
    }
}

// A small tmpfs mounted for the test, filled until `free` bytes are left.
class FullTmpfs {
public:
    explicit FullTmpfs(const std::string& at) : at_(at) {
        mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=1m") == 0;
    }
    ~FullTmpfs() {
        if (mounted_)
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    void LeaveFree(std::size_t bytes) {
        std::filesystem::remove(at_ + "/filler");
        struct statvfs space {};
        ::statvfs(at_.c_str(), &space);
        const std::size_t free = space.f_bavail * space.f_bsize;
        WriteBytes(at_ + "/filler", std::vector<unsigned char>(free > bytes ? free - bytes : 0));
    }

private:
    std::string at_;
    bool mounted_ = false;
};

TEST_F(ReportPdfFault, AReallyFullDiskKeepsTheOldReport) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    TempFolder disk;
    FullTmpfs tmpfs(disk.Path());
    if (!tmpfs.mounted())
        GTEST_SKIP() << "a tmpfs cannot be mounted here";
    const std::string out = disk.File("r.pdf");
    int refused = 0;
    for (std::size_t free = 0; free <= old.size() + 8192; free += 4096) {
        std::filesystem::remove(out);
        WriteBytes(out, old);
        tmpfs.LeaveFree(free);
        const ProgramRun run = Report(out);
        ExpectWholeOrOld(run, out, disk.Path(), "filler r.pdf");
        refused += run.status == 3 ? 1 : 0;
    }
    EXPECT_GT(refused, 0); // the smallest sizes cannot take the report
}

} // namespace
