// The tables this program writes must open in an independent dBASE reader (python3-dbfread).

#include "CliRun.h"
#include "TableTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Reading = ShellRun;

// Runs the reader script on a table; it prints one line per live record, or fails.
Reading ReadWithDbfread(const std::string& path) {
    return RunShell(std::string("/usr/bin/python3 ") + QUELBOX_DBF_CHECK + " '" + path + "'");
}

TEST(DbfReader, ReadsAWrittenAndAPackedTable) {
    TempFolder dir;
    const std::string path = dir.File("T.DAT");
    auto table =
        MakeSampleTable(path, {{"delta", 4.0, 1}, {"alpha", 1.5, 2}, {"charlie", -3.25, 3}});
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->d4go(1), r4success);
    table->f4assign("NAME", "echo");
    ASSERT_EQ(table->d4writeLow(1, 0), r4success);

    const Reading written = ReadWithDbfread(path);
    ASSERT_EQ(written.status, 0) << written.out;
    EXPECT_EQ(written.out, "fields NAME:C:10:0 VAL:N:8:2 N:N:4:0\n"
                           "echo|4.0|1\n"
                           "alpha|1.5|2\n"
                           "charlie|-3.25|3\n");

    ASSERT_EQ(table->d4go(2), r4success);
    ASSERT_EQ(table->d4delete(), r4success);
    const Reading marked = ReadWithDbfread(path);
    ASSERT_EQ(marked.status, 0) << marked.out;
    EXPECT_NE(marked.out.find("deleted alpha|1.5|2\n"), std::string::npos) << marked.out;

    ASSERT_EQ(table->d4pack(), r4success) << table->lastError();
    const Reading packed = ReadWithDbfread(path);
    ASSERT_EQ(packed.status, 0) << packed.out;
    EXPECT_EQ(packed.out, "fields NAME:C:10:0 VAL:N:8:2 N:N:4:0\n"
                          "echo|4.0|1\n"
                          "charlie|-3.25|3\n");
}

TEST(DbfReader, ReadsTheShippedTables) {
    for (const char* name : {"INSUL.DAT", "PRODUCT.DAT", "UNITS.DAT", "COILS.DAT"}) {
        const Reading reading = ReadWithDbfread(std::string(QUELBOX_TEST_DATA_DIR) + "/" + name);
        EXPECT_EQ(reading.status, 0) << name << ": " << reading.out;
    }
}

} // namespace
