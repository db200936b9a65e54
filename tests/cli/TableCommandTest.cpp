// quelbox-cli table import and export, run as a user runs them.

#include "CliRun.h"
#include "ProgramRun.h"
#include "SampleJobFolder.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class CliTable : public SampleJobFolder {
protected:
    void SetUp() override {
        SampleJobFolder::SetUp();
        if (HasFatalFailure())
            return;
        std::string message;
        ASSERT_TRUE(
            RestoreMissingTable(dir.Path(), ReferenceTable::Units, ShippedTableFolders(), message))
            << message;
        shippedUnits = ReadBytes(dir.File("UNITS.DAT"));
    }
    std::string Dir() const { return " --dir " + dir.Path(); }
    std::vector<unsigned char> shippedUnits;
};

TEST_F(CliTable, ExportThenImportRoundTrips) {
    const CliRun out = RunCli("table export UNITS.DAT" + Dir(), false);
    ASSERT_EQ(out.status, 0);
    EXPECT_THAT(out.out, StartsWith("MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,"
                                    "BTUK,EVAP,NOMHP,BRAND,HFLAG\n"));
    const CliRun toFile = RunCli("table export units.dat -o " + dir.File("units.csv") + Dir());
    ASSERT_EQ(toFile.status, 0) << toFile.out;
    EXPECT_EQ(toFile.out, "");
    std::ifstream in(dir.File("units.csv"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), out.out);

    const CliRun back = RunCli("table import UNITS.DAT " + dir.File("units.csv") + Dir());
    ASSERT_EQ(back.status, 0) << back.out;
    EXPECT_THAT(back.out, StartsWith("UNITS.DAT: 1215 records (-45 F: 75, -40 F: 75,"));
    EXPECT_EQ(std::count(back.out.begin(), back.out.end(), '\n'), 1) << back.out;
    EXPECT_EQ(RunCli("table export UNITS.DAT" + Dir(), false).out, out.out);
}

TEST_F(CliTable, SearchesUseAnImportedCatalogAtOnce) {
    // One maker's unit, as large as the sample's load in every ambient column.
    const std::string capacity = std::to_string(total);
    std::string row = "MAKER-ONE";
    for (int column = 0; column < 11; ++column)
        row += "," + capacity;
    WriteText(dir.File("maker.csv"), "Brand,HFlag,NomHP,Evap,Model,BTUA,BTUB,BTUC,BTUD,BTUE,"
                                     "BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,Price\n"
                                     "Maker,0,1.5,25," +
                                         row + ",1999.00\n");
    const CliRun imported = RunCli("table import UNITS.DAT " + dir.File("maker.csv") + Dir());
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(imported.out, "UNITS.DAT: 1 records (25 F: 1) from " + dir.File("maker.csv") + "\n");

    const CliRun units = RunCli("units " + dir.File("sample.kvj") + Dir());
    ASSERT_EQ(units.status, 0) << units.out;
    EXPECT_THAT(units.out, HasSubstr("MAKER-ONE"));
    EXPECT_THAT(units.out, HasSubstr("Maker"));
}

TEST_F(CliTable, BadRowsAreAllNamedAndNothingIsWritten) {
    WriteText(dir.File("bad.csv"), "MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,"
                                   "EVAP,NOMHP,BRAND,HFLAG\n"
                                   "A,9,8,7,6,5,4,3,2,1,1,1,5,1,B,0\n"
                                   "A,9,8,7,6,5,4,3,2,1,1,2,25,1,B,0\n"
                                   "A,9,8,7\n");
    const CliRun run = RunCli("table import UNITS.DAT " + dir.File("bad.csv") + Dir());
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("bad.csv:2: column EVAP: 5 is not a suction class"));
    EXPECT_THAT(run.out, HasSubstr("bad.csv:3: column BTUK: capacity rises with ambient"));
    EXPECT_THAT(run.out, HasSubstr("bad.csv:4: 4 cells where the header has 16"));
    EXPECT_THAT(run.out, HasSubstr("Nothing was imported."));
    EXPECT_EQ(ReadBytes(dir.File("UNITS.DAT")), shippedUnits);
}

TEST_F(CliTable, UnwritableTablesExitWith3AndKeepTheOldTable) {
    const CliRun out = RunCli("table export UNITS.DAT -o " + dir.File("units.csv") + Dir());
    ASSERT_EQ(out.status, 0) << out.out;
    {
        const int fd = ::open(dir.File("UNITS.DAT").c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_SH), 0);
        const CliRun locked = RunCli("table import UNITS.DAT " + dir.File("units.csv") + Dir());
        ::close(fd);
        EXPECT_EQ(locked.status, 3);
        EXPECT_THAT(locked.out,
                    HasSubstr(dir.File("UNITS.DAT") +
                              ": the table cannot be locked (another program holds its lock)"));
    }
    {
        ReadOnlyFolder readOnly(dir.Path());
        if (!readOnly.active())
            GTEST_SKIP() << readOnly.why();
        const CliRun denied = RunCli("table import UNITS.DAT " + dir.File("units.csv") + Dir());
        EXPECT_EQ(denied.status, 3);
        EXPECT_THAT(denied.out, HasSubstr(dir.File("UNITS.DAT") + ": cannot create"));
    }
    EXPECT_EQ(ReadBytes(dir.File("UNITS.DAT")), shippedUnits);
}

TEST_F(CliTable, UsageErrors) {
    EXPECT_EQ(RunCli("table").status, 1);
    EXPECT_EQ(RunCli("table merge UNITS.DAT").status, 1);
    EXPECT_EQ(RunCli("table import UNITS.DAT").status, 1);
    EXPECT_EQ(RunCli("table import UNITS.DAT a.csv -o b.csv" + Dir()).status, 1);
    EXPECT_EQ(RunCli("table export UNITS.DAT extra" + Dir()).status, 1);
    const CliRun notTable = RunCli("table export JOBS.DAT" + Dir());
    EXPECT_EQ(notTable.status, 1);
    EXPECT_THAT(notTable.out, HasSubstr("JOBS.DAT is not a reference table"));
    const CliRun missing = RunCli("table import UNITS.DAT " + dir.File("none.csv") + Dir());
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.out, HasSubstr("none.csv: cannot be read"));
    EXPECT_EQ(ReadBytes(dir.File("UNITS.DAT")), shippedUnits);
}

// Export never writes over a table, whatever name reaches it, nor over another dBASE file or a
// job: one typo must not cost the catalog.
TEST_F(CliTable, ExportRefusesToWriteOverATableOrAJob) {
    namespace fs = std::filesystem;
    std::string message;
    ASSERT_TRUE(
        RestoreMissingTable(dir.Path(), ReferenceTable::Coils, ShippedTableFolders(), message));
    fs::create_hard_link(dir.File("UNITS.DAT"), dir.File("units-link.csv"));
    fs::create_symlink(dir.File("COILS.DAT"), dir.File("coils-link.csv"));
    fs::copy_file(dir.File("UNITS.DAT"), dir.File("backup.dbf"));
    const std::pair<std::string, std::string> targets[] = {
        {"UNITS.DAT", "it is the table UNITS.DAT"},
        {"COILS.DAT", "it is the table COILS.DAT"},
        {"units-link.csv", "it is the table UNITS.DAT"},
        {"coils-link.csv", "it is the table COILS.DAT"},
        {"backup.dbf", "it is a dBASE table"},
        {"sample.kvj", "it is a job file"},
    };
    for (const auto& [name, why] : targets) {
        const std::string target = dir.File(name);
        const std::vector<unsigned char> before = ReadBytes(target);
        const CliRun run = RunCli("table export UNITS.DAT -o " + target + Dir());
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_THAT(run.out, HasSubstr(target + ": " + why + "; export writes CSV")) << name;
        EXPECT_EQ(ReadBytes(target), before) << name;
    }
    EXPECT_EQ(ReadBytes(dir.File("UNITS.DAT")), shippedUnits);
}

// "-o -" is standard output, as for report; standard output that cannot be written is told.
TEST_F(CliTable, ExportToStandardOutputIsWrittenAndChecked) {
    const CliRun plain = RunCli("table export UNITS.DAT" + Dir(), false);
    const CliRun dash = RunCli("table export UNITS.DAT -o -" + Dir(), false);
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.out, plain.out);
    EXPECT_FALSE(std::filesystem::exists(dir.File("-")));
    EXPECT_FALSE(std::filesystem::exists("-"));

    // Standard output on a full device, then closed; standard error is kept.
    for (const char* redirect : {">/dev/full", ">&-"}) {
        const ProgramRun run = RunProgram(
            "/bin/sh",
            {"-c", std::string("exec \"$0\" table export UNITS.DAT --dir \"$1\" ") + redirect,
             QUELBOX_CLI, dir.Path()});
        EXPECT_EQ(run.status, 3) << redirect;
        EXPECT_THAT(run.err, HasSubstr("Cannot write standard output: ")) << redirect;
    }
    const ProgramRun full =
        RunProgram("/bin/sh", {"-c", "exec \"$0\" table export UNITS.DAT --dir \"$1\" >/dev/full",
                               QUELBOX_CLI, dir.Path()});
    EXPECT_EQ(full.err, "Cannot write standard output: No space left on device\n");
}

} // namespace
