// kelvo.ini as the user may leave it: read-only, a device, a link to a device. Opening a job
// (which puts it on the recent-files list) never replaces such a profile.

#include "../dialogs/DialogTestSupport.h"

#include "app/KelvoFrame.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct stat LinkStat(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// Starts the program in `folder` as main() does, and opens a job there as a file manager would.
class ProfileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    void StartAndOpenAJob() {
        state.folder = folder.path();
        StartUp(state, ShippedTableFolders());
        const std::string job = folder.file("cooler.kvj");
        ASSERT_TRUE(WriteJobFile(state.job, job).ok);
        frame = std::make_unique<KelvoFrame>(state);
        frame->openAtStart(job);
        ASSERT_TRUE(state.jobLoaded());
        ASSERT_EQ(state.recentFiles.size(), 1u);
    }

    TempFolder folder;
    AppState state;
    std::unique_ptr<KelvoFrame> frame;
};

} // namespace

TEST_F(ProfileOnDisk, AReadOnlyProfileIsNotRewrittenWhenAJobOpens) {
    const std::string profile = folder.file("kelvo.ini");
    const std::string text = "; kept as it is\n[Units]\nSystem=Metric\n";
    std::ofstream(profile) << text;
    ASSERT_EQ(::chmod(profile.c_str(), 0444), 0);
    const struct stat before = LinkStat(profile);

    StartAndOpenAJob();
    const struct stat after = LinkStat(profile);
    EXPECT_EQ(ReadAll(profile), text);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(state.units, UnitSystem::Metric); // read all the same
    const QString told = frame->statusNotice();
    EXPECT_TRUE(told.contains(QStringLiteral("kelvo.ini: the file is read-only")))
        << told.toStdString();
}

// A device node made in the test's folder stands for /dev/null, which a test must not risk.
TEST_F(ProfileOnDisk, AProfileThatIsADeviceOrALinkToOneIsLeftAlone) {
    const std::string device = folder.file("null-device");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes cannot be made here (" << std::strerror(errno) << ")";
    const std::string profile = folder.file("kelvo.ini");
    for (const bool link : {true, false}) {
        SCOPED_TRACE(link ? "a link to a device" : "a device");
        std::filesystem::remove(profile);
        if (link)
            std::filesystem::create_symlink(device, profile);
        else
            ASSERT_EQ(::mknod(profile.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        frame.reset();
        state = AppState{};
        StartAndOpenAJob();
        EXPECT_TRUE(S_ISCHR(LinkStat(device).st_mode));
        EXPECT_EQ(LinkStat(device).st_rdev, makedev(1, 3));
        if (link) {
            EXPECT_TRUE(S_ISLNK(LinkStat(profile).st_mode));
            EXPECT_EQ(std::filesystem::read_symlink(profile), device);
        } else {
            EXPECT_TRUE(S_ISCHR(LinkStat(profile).st_mode));
        }
        // Named once at start, in the status bar rather than in a box to click away each time.
        const QString told = frame->statusNotice();
        EXPECT_TRUE(told.contains(QStringLiteral("it is a device, not a regular file")))
            << told.toStdString();
    }
}
