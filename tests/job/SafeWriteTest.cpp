#include "job/SafeWrite.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const std::vector<unsigned char> NewBytes{'n', 'e', 'w'};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(SafeWrite, ReplacingAFileKeepsItsPermissions) {
    TempFolder dir;
    const std::string file = dir.File("private.kvj");
    WriteBytes(file, {'o', 'l', 'd'});
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);

    ASSERT_TRUE(WriteFileAtomically(file, NewBytes.data(), NewBytes.size()).ok);
    EXPECT_EQ(ReadBytes(file), NewBytes);
    EXPECT_EQ(ModeOf(file), 0600u);
}

TEST(SafeWrite, ANewFileIsReadableByAll) {
    TempFolder dir;
    const std::string file = dir.File("new.kvj");
    ASSERT_TRUE(WriteFileAtomically(file, NewBytes.data(), NewBytes.size()).ok);
    EXPECT_EQ(ModeOf(file), 0644u);
}

TEST(SafeWrite, WritingThroughALinkUpdatesItsTargetAndKeepsTheLink) {
    TempFolder dir;
    fs::create_directory(dir.File("jobs"));
    const std::string target = dir.File("jobs/real.kvj");
    const std::string link = dir.File("link.kvj");
    WriteBytes(target, {'o', 'l', 'd'});
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink("jobs/real.kvj", link);

    ASSERT_TRUE(WriteFileAtomically(link, NewBytes.data(), NewBytes.size()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), NewBytes);
    EXPECT_EQ(ModeOf(target), 0640u);
    // No temporary file is left beside either of them.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("jobs")), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

} // namespace
