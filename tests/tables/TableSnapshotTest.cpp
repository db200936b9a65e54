// A table holds the file as it was when read: what later happens to the file does not reach the
// records it gives, and its stamp tells whether the file on disk is still that one.

#include "TableTestSupport.h"
#include "TempFolder.h"

#include "tables/FileStamp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

std::vector<std::string> Fields(Table& table, const char* field) {
    std::vector<std::string> texts;
    for (int32_t r = 1; r <= table.d4recCountDo(); ++r) {
        table.d4go(r);
        texts.push_back(table.f4str(field));
    }
    return texts;
}

} // namespace

TEST(TableSnapshot, RecordsStayAsReadWhateverHappensToTheFile) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> spoil;
    };
    const std::vector<Case> cases = {
        {"rewritten in place with text",
         [](const std::string& p) { std::ofstream(p, std::ios::trunc) << std::string(4096, 'x'); }},
        {"cut to nothing", [](const std::string& p) { std::filesystem::resize_file(p, 0); }},
        {"removed", [](const std::string& p) { std::remove(p.c_str()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The shipped unit table: larger than any stream buffer, so that reading a record again
        // would go to the file.
        TempFolder dir;
        std::filesystem::copy_file(std::string(QUELBOX_TEST_DATA_DIR) + "/UNITS.DAT",
                                   dir.File("UNITS.DAT"));
        std::string message;
        const std::unique_ptr<Table> table =
            OpenReferenceTable(dir.Path(), ReferenceTable::Units, message);
        ASSERT_NE(table, nullptr) << message;
        ASSERT_GT(table->d4recCountDo(), 100);
        const std::vector<std::string> before = Fields(*table, "MODEL");
        c.spoil(dir.File("UNITS.DAT"));
        EXPECT_EQ(Fields(*table, "MODEL"), before);
    }
}

TEST(TableSnapshot, TheStampIsOfTheFileLastRead) {
    TempFolder dir;
    const std::string path = dir.File("T.DAT");
    const std::unique_ptr<Table> table = MakeSampleTable(path, {{"delta", 4.0, 1}});
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->fileStamp().exists);
    EXPECT_EQ(table->fileStamp(), StampOf(path));

    // The table's own change reads the new file again.
    table->d4appendStart();
    table->f4assign("NAME", "echo");
    ASSERT_EQ(table->d4append(), 0) << table->lastError();
    EXPECT_EQ(table->fileStamp(), StampOf(path));

    // Another program's change is not read until asked for.
    std::string message;
    const std::unique_ptr<Table> other = OpenSampleTable(path, message);
    ASSERT_NE(other, nullptr) << message;
    other->d4appendStart();
    other->f4assign("NAME", "foxtrot");
    ASSERT_EQ(other->d4append(), 0) << other->lastError();
    EXPECT_NE(table->fileStamp(), StampOf(path));
    EXPECT_EQ(other->fileStamp(), StampOf(path));
    EXPECT_EQ(table->d4recCountDo(), 2);
}

TEST(FileStamp, TellsEveryKindOfChange) {
    TempFolder dir;
    const std::string path = dir.File("f");
    std::ofstream(path) << "one";
    const FileStamp first = StampOf(path);
    ASSERT_TRUE(first.exists);
    EXPECT_EQ(StampOf(path), first);
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"same size, new bytes", [&] { std::ofstream(path, std::ios::trunc) << "two"; }},
        {"longer", [&] { std::ofstream(path, std::ios::app) << "!"; }},
        {"permissions",
         [&] { std::filesystem::permissions(path, std::filesystem::perms::owner_read); }},
        {"replaced by a rename",
         [&] {
             std::ofstream(path + ".new") << "two!";
             std::rename((path + ".new").c_str(), path.c_str());
         }},
        {"removed", [&] { std::remove(path.c_str()); }},
    };
    FileStamp last = first;
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change();
        const FileStamp now = StampOf(path);
        EXPECT_NE(now, last);
        last = now;
    }
    EXPECT_FALSE(last.exists);
}
