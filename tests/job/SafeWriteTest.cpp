#include "job/SafeWrite.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SafeWrite, OnlyARegularFileIsReplaced) {
    TempFolder dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir.File("folder"));
    for (const std::string& target : {fifo, dir.File("folder")}) {
        const FileResult written = WriteFileAtomically(target, NewBytes.data(), NewBytes.size());
        EXPECT_FALSE(written.ok) << target;
        EXPECT_NE(written.message.find(target), std::string::npos) << written.message;
        EXPECT_NE(written.message.find("not a regular file"), std::string::npos);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(dir.File("folder")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST(SafeWrite, AFileItsOwnerMadeReadOnlyIsKept) {
    TempFolder dir;
    const std::string file = dir.File("kept.kvj");
    WriteBytes(file, {'o', 'l', 'd'});
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    const FileResult written = WriteFileAtomically(file, NewBytes.data(), NewBytes.size());
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.message, "Cannot write " + file + ": the file is read-only");
    EXPECT_EQ(ReadBytes(file), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

TEST(SafeWrite, AChainOfLinksIsFollowedToATargetThatDoesNotExistYet) {
    TempFolder dir;
    fs::create_directories(dir.File("a/b"));
    fs::create_symlink("a/link2", dir.File("link1"));
    fs::create_symlink("b/new.kvj", dir.File("a/link2"));
    EXPECT_EQ(WriteTarget(dir.File("link1")), dir.File("a/b/new.kvj"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("link1"), NewBytes.data(), NewBytes.size()).ok);
    EXPECT_TRUE(fs::is_symlink(dir.File("link1")));
    EXPECT_TRUE(fs::is_symlink(dir.File("a/link2")));
    EXPECT_EQ(ReadBytes(dir.File("a/b/new.kvj")), NewBytes);
    EXPECT_EQ(ModeOf(dir.File("a/b/new.kvj")), 0644u);

    // Links that loop are refused, and left alone.
    fs::create_symlink("loop2", dir.File("loop1"));
    fs::create_symlink("loop1", dir.File("loop2"));
    const FileResult looped = WriteFileAtomically(dir.File("loop1"), NewBytes.data(), 3);
    EXPECT_FALSE(looped.ok);
    EXPECT_TRUE(fs::is_symlink(dir.File("loop1")));
}

TEST(SafeWrite, TheTemporaryNameFitsBesideTheLongestName) {
    TempFolder dir;
    const std::string file = dir.File(std::string(255, 'n'));
    WriteBytes(file, {'o', 'l', 'd'});
    const FileResult written = WriteFileAtomically(file, NewBytes.data(), NewBytes.size());
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(ReadBytes(file), NewBytes);
}

} // namespace
