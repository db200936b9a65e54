// The profile reader and writer: what it reads, what it leaves alone, what it writes back.

#include "../dialogs/DialogTestSupport.h"

#include "app/KelvoProfile.h"
#include "app/RecentFilesProfile.h"
#include "app/UnitsProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct stat LinkStat(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

const std::string Filled = "[Units]\nSystem=Metric\n[Recent File List]\nFile1=/jobs/a.kvj\n";

} // namespace

// Whatever stands where the profile should be and is not a regular file of a sane size is read
// as no profile, named once in problem(), and never written over.
TEST(KelvoProfile, WhatIsNotARegularFileOfASaneSizeIsLeftAlone) {
    struct Case {
        const char* name;
        std::function<bool(const TempFolder&, const std::string& profile)> make; // false: skip
        const char* why;
    };
    const auto device = [](const std::string& path) {
        return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    };
    const std::vector<Case> cases = {
        {"a FIFO", [](auto&, const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
         "it is a FIFO, not a regular file"},
        {"a link to a FIFO",
         [](const TempFolder& f, const std::string& p) {
             std::filesystem::create_symlink(f.file("fifo"), p);
             return ::mkfifo(f.file("fifo").c_str(), 0644) == 0;
         },
         "it is a FIFO, not a regular file"},
        {"a directory",
         [](auto&, const std::string& p) { return std::filesystem::create_directory(p); },
         "it is a directory, not a regular file"},
        {"a device node", [device](auto&, const std::string& p) { return device(p); },
         "it is a device, not a regular file"},
        {"a link to a device node",
         [device](const TempFolder& f, const std::string& p) {
             std::filesystem::create_symlink(f.file("null"), p);
             return device(f.file("null"));
         },
         "it is a device, not a regular file"},
        {"100 MB, with a unit setting at its start",
         [](auto&, const std::string& p) {
             WriteAll(p, Filled);
             std::filesystem::resize_file(p, 100u << 20);
             return true;
         },
         "it is 104,857,600 bytes, more than a profile's 1 MB"},
        {"one byte over 1 MB",
         [](auto&, const std::string& p) {
             WriteAll(p, Filled + std::string(KelvoProfile::MaxBytes + 1 - Filled.size(), '\n'));
             return true;
         },
         "it is 1,048,577 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.file("kelvo.ini");
        if (!c.make(folder, path)) {
            std::cout << "skipped: " << c.name << " (" << std::strerror(errno) << ")\n";
            continue;
        }
        const struct stat before = LinkStat(path);
        // A blocking open of the FIFO would never return: the test opens the other end when
        // the reading takes longer than any file could.
        auto loading = std::async(std::launch::async, [&path] { return KelvoProfile::Load(path); });
        if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the profile is still being opened";
            ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        KelvoProfile profile = loading.get();
        EXPECT_NE(profile.problem().find(path), std::string::npos) << profile.problem();
        EXPECT_NE(profile.problem().find(c.why), std::string::npos) << profile.problem();
        EXPECT_EQ(LoadUnitSystem(profile), UnitSystem::Imperial);
        EXPECT_TRUE(LoadRecentFiles(profile).empty());

        StoreUnitSystem(profile, UnitSystem::Metric);
        StoreRecentFiles(profile, {"/jobs/b.kvj"});
        EXPECT_TRUE(profile.save().ok); // nothing to write: left alone is no failure
        const struct stat after = LinkStat(path);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }
}

TEST(KelvoProfile, AProfileOfExactly1MbIsRead) {
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    WriteAll(path, Filled + std::string(KelvoProfile::MaxBytes - Filled.size(), '\n'));
    const KelvoProfile profile = KelvoProfile::Load(path);
    EXPECT_EQ(profile.problem(), "");
    EXPECT_EQ(LoadUnitSystem(profile), UnitSystem::Metric);
}

// Read-only means read-only for root too: the change is refused with the reason and the file
// keeps its bytes, its inode and its mode; the values still hold for the run.
TEST(KelvoProfile, AReadOnlyProfileIsReadButNotRewritten) {
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    WriteAll(path, Filled);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const struct stat before = LinkStat(path);
    KelvoProfile profile = KelvoProfile::Load(path);
    EXPECT_EQ(profile.problem(), "");
    EXPECT_EQ(LoadRecentFiles(profile), std::vector<std::string>{"/jobs/a.kvj"});
    StoreRecentFiles(profile, {"/jobs/b.kvj", "/jobs/a.kvj"});
    const FileResult saved = profile.save();
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, "Cannot write " + path + ": the file is read-only");
    EXPECT_EQ(ReadAll(path), Filled);
    EXPECT_EQ(LinkStat(path).st_ino, before.st_ino);
    EXPECT_EQ(LinkStat(path).st_mode, before.st_mode);
    EXPECT_EQ(LoadRecentFiles(profile), (std::vector<std::string>{"/jobs/b.kvj", "/jobs/a.kvj"}));
}

// A value of any text comes back as it was stored, through the file.
TEST(KelvoProfile, ValuesComeBackAsStored) {
    const std::vector<std::string> values = {
        "/home/ann/jobs/cooler.kvj",
        "/home/ann/Walk-in 12 by 10/box one.kvj",
        "  two blanks before and after  ",
        "\"quoted\" and a trailing quote\"",
        "C:\\jobs\\cold.kvj",
        "a, b; c = d # e",
        "[not a section]",
        "; not a comment",
        "line one\nline two\ttabbed\r",
        "Fr\xC3\xADo y m\xC3\xA1s",
        std::string("control \x01 byte"),
        "",
    };
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    KelvoProfile profile = KelvoProfile::Load(path);
    for (std::size_t i = 0; i < values.size(); ++i)
        profile.setValue("Values", "Key" + std::to_string(i), values[i]);
    ASSERT_TRUE(profile.save().ok);
    const KelvoProfile read = KelvoProfile::Load(path);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(read.value("Values", "Key" + std::to_string(i)), values[i]) << i;
    // One line each, under one section header.
    const std::string text = ReadAll(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(values.size() + 1));
}

// Profiles written before (by Qt's settings class): escaped section names, quoted values.
TEST(KelvoProfile, ReadsTheProfilesWrittenBefore) {
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    WriteAll(path, "[Recent%20File%20List]\r\n"
                   "File1=/home/ann/jobs/cooler.kvj\r\n"
                   "File2=\"/home/ann/jobs/one, two.kvj\"\r\n"
                   "File3=/home/ann/back\\\\slash.kvj\r\n"
                   "\r\n"
                   "[units]\r\n"
                   "system = metric\r\n");
    const KelvoProfile profile = KelvoProfile::Load(path);
    EXPECT_EQ(LoadRecentFiles(profile),
              (std::vector<std::string>{"/home/ann/jobs/cooler.kvj", "/home/ann/jobs/one, two.kvj",
                                        "/home/ann/back\\slash.kvj"}));
    EXPECT_EQ(LoadUnitSystem(profile), UnitSystem::Metric);
}

// A change rewrites only its own line: comments, other sections and their order stay, and a
// profile whose values did not change is not written at all.
TEST(KelvoProfile, AChangeKeepsEveryOtherLineAndNoChangeWritesNothing) {
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    const std::string text = "; the user's note\n"
                             "[Recent File List]\n"
                             "File1=/jobs/a.kvj\n"
                             "File2=/jobs/b.kvj\n"
                             "\n"
                             "[Other Program]\n"
                             "Colour=blue\n";
    WriteAll(path, text);
    KelvoProfile profile = KelvoProfile::Load(path);
    StoreRecentFiles(profile, LoadRecentFiles(profile));
    const struct stat before = LinkStat(path);
    ASSERT_TRUE(profile.save().ok);
    EXPECT_EQ(LinkStat(path).st_ino, before.st_ino); // not written

    StoreRecentFiles(profile, {"/jobs/c.kvj", "/jobs/a.kvj", "/jobs/b.kvj"});
    StoreUnitSystem(profile, UnitSystem::Metric);
    ASSERT_TRUE(profile.save().ok);
    EXPECT_EQ(ReadAll(path), "; the user's note\n"
                             "[Recent File List]\n"
                             "File1=/jobs/c.kvj\n"
                             "File2=/jobs/a.kvj\n"
                             "File3=/jobs/b.kvj\n"
                             "\n"
                             "[Other Program]\n"
                             "Colour=blue\n"
                             "\n"
                             "[Units]\n"
                             "System=Metric\n");
    StoreRecentFiles(profile, {"/jobs/c.kvj"});
    ASSERT_TRUE(profile.save().ok);
    EXPECT_EQ(LoadRecentFiles(KelvoProfile::Load(path)), std::vector<std::string>{"/jobs/c.kvj"});
}

// A profile that cannot be read although it is a regular file (no permission) is not replaced
// by one that would lose what it holds. Root reads any file, so this needs another user.
TEST(KelvoProfile, AnUnreadableProfileIsLeftAlone) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file without read permission";
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    WriteAll(path, Filled);
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    KelvoProfile profile = KelvoProfile::Load(path);
    EXPECT_NE(profile.problem().find("Permission denied"), std::string::npos);
    StoreUnitSystem(profile, UnitSystem::Imperial);
    EXPECT_TRUE(profile.save().ok);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadAll(path), Filled);
}
