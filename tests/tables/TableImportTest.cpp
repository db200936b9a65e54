// Importing a reference table from CSV: every row is checked before anything is written, and a
// table is only ever replaced whole.

#include "tables/TableImport.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "tables/ReferenceTables.h"
#include "tables/TableCsv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;

const std::filesystem::path Shipped = QUELBOX_TEST_DATA_DIR;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ExportOf(const std::string& folder, ReferenceTable which) {
    std::string message;
    std::unique_ptr<Table> table = OpenReferenceTable(folder, which, message);
    EXPECT_TRUE(table) << message;
    return table ? TableToCsv(*table, which) : std::string();
}

// An import's outcome with every message it told.
struct Imported {
    ImportOutcome outcome;
    std::vector<std::string> messages;
    std::string summary;
};

Imported RunImport(ReferenceTable which, const std::string& csv, const std::string& table,
                   std::uintmax_t limit = MaxTableCsvBytes) {
    Imported imported;
    const ImportResult result = ImportTableCsv(
        which, csv, table,
        [&imported](const std::string& message) { imported.messages.push_back(message); }, limit);
    imported.outcome = result.outcome;
    imported.summary = result.summary;
    return imported;
}

constexpr const char* TwoCoils = "MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\n"
                                 "NEW-100,25,100,Low profile,6,0,Maker\n"
                                 "NEW-200,25,200,Low profile,6,0,Maker\n";

class TableImport : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(Shipped / "COILS.DAT", dir.File("COILS.DAT"));
        before = ReadBytes(dir.File("COILS.DAT"));
        WriteText(dir.File("coils.csv"), TwoCoils);
    }
    Imported Import(std::uintmax_t limit = MaxTableCsvBytes) {
        return RunImport(ReferenceTable::Coils, dir.File("coils.csv"), dir.File("COILS.DAT"),
                         limit);
    }
    // The old table is byte for byte what it was and nothing was left beside it.
    void ExpectOldTableKept() {
        EXPECT_EQ(ReadBytes(dir.File("COILS.DAT")), before);
        EXPECT_EQ(FolderEntries(dir.Path()), "COILS.DAT coils.csv");
    }
    TempFolder dir;
    std::vector<unsigned char> before;
};

TEST_F(TableImport, GoodFileReplacesTheTableWhole) {
    const Imported result = Import();
    ASSERT_EQ(result.outcome, ImportOutcome::Imported) << ::testing::PrintToString(result.messages);
    EXPECT_EQ(result.summary, "COILS.DAT: 2 records (25 F: 2) from " + dir.File("coils.csv"));
    EXPECT_EQ(FolderEntries(dir.Path()), "COILS.DAT coils.csv");
    std::string message;
    std::unique_ptr<Table> coils = OpenReferenceTable(dir.Path(), ReferenceTable::Coils, message);
    ASSERT_TRUE(coils) << message;
    ASSERT_EQ(coils->d4recCountDo(), 2);
    EXPECT_EQ(coils->d4seekDouble(150), r4after);
    EXPECT_EQ(coils->f4str("MODEL"), "NEW-200     ");
}

TEST_F(TableImport, BadRowsLeaveTheOldTableUntouched) {
    WriteText(dir.File("coils.csv"), std::string(TwoCoils) + "NEW-300,5,300,Low,6,0,Maker\n" +
                                         "NEW-400,25,many,Low,6,0,Maker\n");
    const Imported result = Import();
    EXPECT_EQ(result.outcome, ImportOutcome::BadInput);
    EXPECT_THAT(result.messages,
                ::testing::ElementsAre(HasSubstr("coils.csv:4: column EVAP"),
                                       HasSubstr("coils.csv:5: column BTUH: not a number")));
    ExpectOldTableKept();
}

TEST_F(TableImport, MalformedFilesAreRefusedWithTheirLine) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\nA,25,\"100,Low,6,0,M\n", ":2: a quoted field"},
        {"MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\nA,25,100,Low\n", ":2: 4 cells where"},
        {"", ":1: the file is empty"},
        {"MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\r\n", ":1: no records after the header"},
        {"\x7f"
         "ELF\x02\x01\x01\0\0\0\0"s,
         ":1: the file holds binary data"},
    };
    for (const auto& [text, expected] : cases) {
        WriteText(dir.File("coils.csv"), text);
        const Imported result = Import();
        EXPECT_EQ(result.outcome, ImportOutcome::BadInput) << expected;
        ASSERT_EQ(result.messages.size(), 1u) << expected;
        EXPECT_THAT(result.messages[0], HasSubstr("coils.csv" + expected));
        ExpectOldTableKept();
    }
}

TEST_F(TableImport, ByteOrderMarkAndCrlfAreAccepted) {
    std::string text = "\xEF\xBB\xBF" + std::string(TwoCoils);
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
        text.replace(at, 1, "\r\n");
    WriteText(dir.File("coils.csv"), text);
    EXPECT_EQ(Import().outcome, ImportOutcome::Imported);
    EXPECT_EQ(ExportOf(dir.Path(), ReferenceTable::Coils), TwoCoils);
}

TEST_F(TableImport, OversizedFileIsRefusedBeforeReading) {
    // A sparse file just past the limit: nothing of it is read.
    std::filesystem::resize_file(dir.File("coils.csv"), MaxTableCsvBytes + 1);
    const Imported result = Import();
    EXPECT_EQ(result.outcome, ImportOutcome::BadInput);
    EXPECT_THAT(result.messages.at(0), HasSubstr("more than the 67108864"));
    ExpectOldTableKept();
    // The limit is on the size, whatever the contents.
    WriteText(dir.File("coils.csv"), TwoCoils);
    EXPECT_EQ(Import(std::strlen(TwoCoils) - 1).outcome, ImportOutcome::BadInput);
    EXPECT_EQ(Import(std::strlen(TwoCoils)).outcome, ImportOutcome::Imported);
}

TEST_F(TableImport, RenameThatNeverHappensKeepsTheOldTable) {
    Immutable frozen(dir.File("COILS.DAT"));
    if (!frozen.active())
        GTEST_SKIP() << frozen.why();
    const Imported result = Import();
    EXPECT_EQ(result.outcome, ImportOutcome::CannotWrite);
    EXPECT_THAT(result.messages.at(0),
                HasSubstr("Cannot write " + dir.File("COILS.DAT") + ": replacing the file failed"));
    EXPECT_THAT(result.messages.at(0), HasSubstr("the old table is kept"));
    ExpectOldTableKept();
}

TEST_F(TableImport, FullDiskHalfwayKeepsTheOldTable) {
    std::string big = "MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\n";
    for (int i = 0; i < 400; ++i)
        big += "M" + std::to_string(i) + ",25," + std::to_string(100 + i) + ",Low,6,0,Maker\n";
    WriteText(dir.File("coils.csv"), big);
    const Imported result = WithFileSizeLimit(8000, [this] { return Import(); });
    EXPECT_EQ(result.outcome, ImportOutcome::CannotWrite);
    EXPECT_THAT(result.messages.at(0), HasSubstr("the new table cannot be written"));
    EXPECT_THAT(result.messages.at(0), HasSubstr("the old table is kept"));
    ExpectOldTableKept();
}

TEST_F(TableImport, ReadOnlyFolderIsNamed) {
    ReadOnlyFolder locked(dir.Path());
    if (!locked.active())
        GTEST_SKIP() << locked.why();
    const Imported result = Import();
    EXPECT_EQ(result.outcome, ImportOutcome::CannotWrite);
    EXPECT_THAT(result.messages.at(0), HasSubstr(dir.File("COILS.DAT") + ": cannot create"));
    ExpectOldTableKept();
}

TEST_F(TableImport, TableLockedByAnotherProgramIsNotReplaced) {
    const int fd = ::open(dir.File("COILS.DAT").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_SH), 0);
    const Imported result = Import();
    ::close(fd);
    EXPECT_EQ(result.outcome, ImportOutcome::CannotWrite);
    EXPECT_THAT(
        result.messages.at(0),
        HasSubstr("COILS.DAT: the table cannot be locked (another program holds its lock)"));
    ExpectOldTableKept();
}

TEST_F(TableImport, MissingCsvFileIsUnreadable) {
    const Imported result =
        RunImport(ReferenceTable::Coils, dir.File("none.csv"), dir.File("COILS.DAT"));
    EXPECT_EQ(result.outcome, ImportOutcome::Unreadable);
    EXPECT_THAT(result.messages.at(0), HasSubstr("none.csv: cannot be read"));
}

// Export then import gives the same table, apart from the date in its header, for every
// shipped table.
TEST(TableRoundTrip, ExportThenImportRebuildsTheSameTable) {
    for (ReferenceTable which : AllReferenceTables) {
        const std::string name = SchemaOf(which).fileName;
        SCOPED_TRACE(name);
        TempFolder dir;
        const std::string csv = ExportOf(Shipped, which);
        WriteText(dir.File("table.csv"), csv);
        const Imported result = RunImport(which, dir.File("table.csv"), dir.File(name));
        ASSERT_EQ(result.outcome, ImportOutcome::Imported)
            << ::testing::PrintToString(result.messages);
        std::vector<unsigned char> rebuilt = ReadBytes(dir.File(name));
        std::vector<unsigned char> shipped = ReadBytes((Shipped / name).string());
        ASSERT_EQ(rebuilt.size(), shipped.size());
        // Bytes 1 to 3 of a dBASE header are the date of the last change.
        std::copy(shipped.begin() + 1, shipped.begin() + 4, rebuilt.begin() + 1);
        EXPECT_TRUE(rebuilt == shipped);
        EXPECT_EQ(ExportOf(dir.Path(), which), csv);
    }
}

} // namespace
