#include "TableTestSupport.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/resource.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Runs `change` while no file may grow past `limit` bytes; returns its result.
int WithFileSizeLimit(rlim_t limit, const std::function<int()>& change) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = change();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

class TableChange : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.File("T.DAT");
        table = MakeSampleTable(path, {{"delta", 4.0, 1}, {"alpha", 1.5, 2}, {"charlie", 3.0, 3}});
        ASSERT_NE(table, nullptr);
    }

    std::unique_ptr<Table> Reopen() {
        table.reset();
        std::string message;
        auto again = OpenSampleTable(path, message);
        EXPECT_NE(again, nullptr) << message;
        return again;
    }

    // The deletion mark byte of record `recNo` in the file.
    unsigned char MarkInFile(int recNo) {
        const std::vector<unsigned char> bytes = ReadBytes(path);
        const std::size_t header = bytes[8] | bytes[9] << 8;
        const std::size_t length = bytes[10] | bytes[11] << 8;
        return bytes.at(header + (recNo - 1) * length);
    }

    TempFolder dir;
    std::string path;
    std::unique_ptr<Table> table;
};

TEST_F(TableChange, AppendGoesToTheEndAndIntoEveryTag) {
    table->d4appendStart(0);
    table->f4assign("NAME", "bravo");
    table->f4assignDouble("VAL", 0.5);
    ASSERT_EQ(table->d4append(), r4success);
    EXPECT_EQ(table->d4recNo(), 4);
    EXPECT_EQ(table->d4recCountDo(), 4);
    EXPECT_EQ(table->f4str("NAME"), "bravo     ");
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(2, 4, 3, 1));
    table->d4tagSelect(table->d4tag("VAL"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(4, 2, 3, 1));

    auto again = Reopen();
    again->d4tagSelect(again->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*again), ElementsAre(2, 4, 3, 1));
    ASSERT_EQ(again->d4go(4), r4success);
    EXPECT_EQ(again->f4double("VAL"), 0.5);
    EXPECT_EQ(again->f4int("N"), 0); // never assigned: blank
}

TEST_F(TableChange, AppendedEqualKeysFollowTheOlderOnes) {
    table->d4appendStart(0);
    table->f4assign("NAME", "alpha");
    ASSERT_EQ(table->d4append(), r4success);
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_EQ(table->d4seek("alpha"), r4success);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4skip(1), r4success);
    EXPECT_EQ(table->d4recNo(), 4);
}

TEST_F(TableChange, RewriteMovesTheRecordInItsTags) {
    table->d4tagSelect(table->d4tag("NAME"));
    ASSERT_EQ(table->d4seek("delta"), r4success);
    table->f4assign("NAME", "aardvark");
    ASSERT_EQ(table->d4writeLow(table->d4recNo(), 0), r4success);
    EXPECT_THAT(RecordOrder(*table), ElementsAre(1, 2, 3));
    EXPECT_EQ(table->d4seek("delta"), r4eof);
    auto again = Reopen();
    ASSERT_EQ(again->d4go(1), r4success);
    EXPECT_EQ(again->f4str("NAME"), "aardvark  ");
    EXPECT_EQ(again->f4double("VAL"), 4.0);
}

TEST_F(TableChange, MovingAwayDiscardsUnsavedAssignments) {
    ASSERT_EQ(table->d4go(1), r4success);
    table->f4assign("NAME", "changed");
    ASSERT_EQ(table->d4go(2), r4success);
    ASSERT_EQ(table->d4go(1), r4success);
    EXPECT_EQ(table->f4str("NAME"), "delta     ");
}

TEST_F(TableChange, TextsAreCutToTheFieldAndNumbersThatDoNotFitAreRefused) {
    ASSERT_EQ(table->d4go(1), r4success);
    EXPECT_EQ(table->f4assign("NAME", "a very long name indeed"), r4success);
    EXPECT_EQ(table->f4str("NAME"), "a very lon");
    EXPECT_EQ(table->f4assign("NAME", std::string_view("ab\0cd", 5)), r4success);
    EXPECT_EQ(table->f4str("NAME"), "ab        ");
    EXPECT_EQ(table->f4assignDouble("VAL", 123456.78), e4value); // needs 9 characters
    EXPECT_EQ(table->f4assignDouble("VAL", std::nan("")), e4value);
    EXPECT_EQ(table->f4assignDouble("VAL", 1.0 / 0.0), e4value);
    EXPECT_EQ(table->f4double("VAL"), 4.0);
    EXPECT_EQ(table->f4assignDouble("VAL", -9999.99), r4success);
    EXPECT_EQ(table->f4assignInt("N", 12345), e4value);
    EXPECT_EQ(table->f4assign("NOFIELD", "x"), e4field);
    ASSERT_EQ(table->d4writeLow(1, 0), r4success);
    auto again = Reopen();
    ASSERT_EQ(again->d4go(1), r4success);
    EXPECT_EQ(again->f4str("NAME"), "ab        ");
    EXPECT_EQ(again->f4double("VAL"), -9999.99);
    EXPECT_EQ(again->f4int("N"), 1);
}

TEST_F(TableChange, DeleteMarksTheFileAndRecallUnmarksIt) {
    ASSERT_EQ(table->d4go(2), r4success);
    ASSERT_EQ(table->d4delete(), r4success);
    EXPECT_TRUE(table->d4deleted());
    EXPECT_EQ(MarkInFile(2), '*');
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(2, 3, 1)); // deleted records stay visible
    ASSERT_EQ(table->d4go(2), r4success);
    ASSERT_EQ(table->d4recall(), r4success);
    EXPECT_FALSE(table->d4deleted());
    EXPECT_EQ(MarkInFile(2), ' ');
}

TEST_F(TableChange, PackRemovesMarkedRecordsAndRenumbersTheRest) {
    ASSERT_EQ(table->d4go(1), r4success);
    ASSERT_EQ(table->d4delete(), r4success);
    ASSERT_EQ(table->d4pack(), r4success) << table->lastError();
    EXPECT_EQ(table->d4recCountDo(), 2);
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(1, 2));
    ASSERT_EQ(table->d4seek("charlie"), r4success);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seek("delta"), r4eof);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename(), "T.DAT"); // no temporary file left behind
    auto again = Reopen();
    EXPECT_EQ(again->d4recCountDo(), 2);
    ASSERT_EQ(again->d4go(1), r4success);
    EXPECT_EQ(again->f4str("NAME"), "alpha     ");
    EXPECT_FALSE(again->d4deleted());
}

TEST_F(TableChange, PackWithNothingMarkedKeepsEveryRecord) {
    ASSERT_EQ(table->d4pack(), r4success);
    EXPECT_EQ(table->d4recCountDo(), 3);
    table->d4tagSelect(nullptr);
    ASSERT_EQ(table->d4go(3), r4success);
    EXPECT_EQ(table->f4str("NAME"), "charlie   ");
}

TEST_F(TableChange, AFailedPackLeavesTheOldFileIntact) {
    for (int i = 0; i < 200; ++i) {
        table->d4appendStart(0);
        table->f4assign("NAME", "filler");
        ASSERT_EQ(table->d4append(), r4success);
    }
    ASSERT_EQ(table->d4go(1), r4success);
    ASSERT_EQ(table->d4delete(), r4success);
    const std::vector<unsigned char> before = ReadBytes(path);

    // No file may grow past 2 KB while the pack runs, so writing the new one fails.
    const int packed = WithFileSizeLimit(2048, [&] { return table->d4pack(); });

    EXPECT_EQ(packed, e4write);
    EXPECT_THAT(table->lastError(), HasSubstr(path));
    EXPECT_THAT(table->lastError(), HasSubstr("cannot be packed"));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(table->d4recCountDo(), 203);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename(), "T.DAT");
    ASSERT_EQ(table->d4go(1), r4success);
    EXPECT_TRUE(table->d4deleted());
}

TEST_F(TableChange, AFailedAppendKeepsTheRecordsThatWereThere) {
    const std::vector<unsigned char> before = ReadBytes(path);
    const int appended = WithFileSizeLimit(before.size(), [&] {
        table->d4appendStart(0);
        table->f4assign("NAME", "echo");
        return table->d4append();
    });
    EXPECT_EQ(appended, e4write);
    EXPECT_THAT(table->lastError(), HasSubstr(path));
    // The old file stays as it was and the table carries on.
    EXPECT_EQ(table->d4recCountDo(), 3);
    table->d4appendStart(0);
    table->f4assign("NAME", "foxtrot");
    EXPECT_EQ(table->d4append(), r4success);
    auto again = Reopen();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->d4recCountDo(), 4);
    ASSERT_EQ(again->d4go(3), r4success);
    EXPECT_EQ(again->f4str("NAME"), "charlie   ");
    ASSERT_EQ(again->d4go(4), r4success);
    EXPECT_EQ(again->f4str("NAME"), "foxtrot   ");
}

TEST_F(TableChange, AReadOnlyTableRefusesEveryChange) {
    table.reset();
    std::string message;
    auto readOnly = Table::Open(path, TableAccess::ReadOnly, {}, message);
    ASSERT_NE(readOnly, nullptr) << message;
    const std::vector<unsigned char> before = ReadBytes(path);
    readOnly->d4appendStart(0);
    EXPECT_EQ(readOnly->d4append(), e4readOnly);
    ASSERT_EQ(readOnly->d4go(1), r4success);
    EXPECT_EQ(readOnly->d4delete(), e4readOnly);
    EXPECT_EQ(readOnly->d4writeLow(1, 0), e4readOnly);
    EXPECT_EQ(readOnly->d4pack(), e4readOnly);
    EXPECT_THAT(readOnly->lastError(), HasSubstr("open for reading only"));
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(TableChange, RewriteOfARecordOutsideTheTableIsRefused) {
    EXPECT_EQ(table->d4writeLow(0, 0), r4entry);
    EXPECT_EQ(table->d4writeLow(4, 0), r4entry);
    EXPECT_EQ(table->d4recCountDo(), 3);
}

} // namespace
