// The command line's conventions: help and version, one rule for numbers, options given once,
// and commands that open only the tables they read.

#include "ProgramRun.h"
#include "TempFolder.h"
#include "WriteFaults.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(CliConventions, HelpGoesToStandardOutputAndSucceeds) {
    for (const char* help : {"--help", "-h"}) {
        const ProgramRun run = RunQuelboxCli({help});
        EXPECT_EQ(run.status, 0) << help;
        EXPECT_THAT(run.out, StartsWith("Usage: quelbox-cli COMMAND"));
        EXPECT_THAT(run.out, HasSubstr("Exit status:"));
        EXPECT_THAT(run.err, IsEmpty());
    }
    const ProgramRun command = RunQuelboxCli({"new", "--help"});
    EXPECT_EQ(command.status, 0);
    EXPECT_THAT(command.out, StartsWith("Usage: quelbox-cli new --box-temp T"));

    const ProgramRun version = RunQuelboxCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quelbox-cli " QUELBOX_VERSION "\n");

    // Without a command it is still a usage error, on standard error.
    const ProgramRun none = RunQuelboxCli({});
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.out, IsEmpty());
    EXPECT_THAT(none.err, HasSubstr("Usage: quelbox-cli COMMAND"));
}

#ifdef QUELBOX_APP
TEST(CliConventions, TheDesktopProgramAnswersHelpAndVersionWithoutADisplay) {
    RunSetting noDisplay;
    noDisplay.environment = {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"};
    noDisplay.timeLimitSeconds = 20;
    const ProgramRun help = RunProgram(QUELBOX_APP, {"--help"}, noDisplay);
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_THAT(help.out, StartsWith("Usage: quelbox [JOB.kvj]"));
    const ProgramRun version = RunProgram(QUELBOX_APP, {"--version"}, noDisplay);
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "quelbox " QUELBOX_VERSION "\n");
}
#endif

class CliNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        Job job;
        BuildSampleJob(job);
        ASSERT_TRUE(WriteJobFile(job, dir.File("sample.kvj")).ok);
    }

    ProgramRun New(const std::string& boxTemp, const std::string& length) {
        return RunQuelboxCli({"new", "--box-temp", boxTemp, "--length", length, "--width", "8",
                              "--height", "8", "-o", dir.File("new.kvj"), "--dir", dir.Path()});
    }

    TempFolder dir;
};

TEST_F(CliNumbers, WholeAndDecimalNumbersFollowOneRule) {
    EXPECT_EQ(New("35", "10").status, 0);
    EXPECT_EQ(New("-10", "10.5").status, 0);
    EXPECT_EQ(New("35", ".5").status, 0);
    for (const char* bad : {" 5", "+5", "5 ", "0x10", "1e1", "", "-", "5."}) {
        const ProgramRun whole = New(bad, "10");
        EXPECT_EQ(whole.status, 1) << "--box-temp '" << bad << "'";
        EXPECT_THAT(whole.err, HasSubstr("--box-temp: Value not in range -50..60"));
        const ProgramRun decimal = New("35", bad);
        EXPECT_EQ(decimal.status, 1) << "--length '" << bad << "'";
        EXPECT_THAT(decimal.err, HasSubstr("--length: Value not in range 0..400"));
    }
    EXPECT_EQ(New("35.0", "10").status, 1); // a whole number takes no decimal point
}

TEST_F(CliNumbers, AnOptionGivenTwiceIsAUsageError) {
    const ProgramRun twice =
        RunQuelboxCli({"spot-coil", "--td", "10", "--td", "12", "--dir", dir.Path()});
    EXPECT_EQ(twice.status, 1);
    EXPECT_THAT(twice.err, HasSubstr("--td is given more than once"));
    const ProgramRun json = RunQuelboxCli({"totals", dir.File("sample.kvj"), "--json", "--json"});
    EXPECT_EQ(json.status, 1);
    EXPECT_THAT(json.err, HasSubstr("--json is given more than once"));
    EXPECT_EQ(
        RunQuelboxCli({"units", dir.File("sample.kvj"), "--dir", dir.Path(), "--dir", dir.Path()})
            .status,
        1);
}

TEST_F(CliNumbers, ACommandOpensOnlyTheTablesItReads) {
    const ProgramRun spot =
        RunQuelboxCli({"spot-unit", "--quantity", "1", "--load", "12000", "--run-hours", "16",
                       "--suction", "25", "--ambient", "95", "--dir", dir.Path()});
    ASSERT_EQ(spot.status, 0) << spot.err;
    EXPECT_EQ(FolderEntries(dir.Path()), "UNITS.DAT sample.kvj");
    const ProgramRun units = RunQuelboxCli({"units", dir.File("sample.kvj"), "--dir", dir.Path()});
    ASSERT_EQ(units.status, 0) << units.err;
    EXPECT_EQ(FolderEntries(dir.Path()), "UNITS.DAT sample.kvj");
    ASSERT_EQ(New("35", "10").status, 0);
    EXPECT_EQ(FolderEntries(dir.Path()), "INSUL.DAT UNITS.DAT new.kvj sample.kvj");
}

TEST_F(CliNumbers, NewReadsATableItCannotWriteWhenNothingNeedsAdding) {
    ASSERT_EQ(New("35", "10").status, 0); // INSUL.DAT now holds every default
    const std::vector<unsigned char> table = ReadBytes(dir.File("INSUL.DAT"));
    {
        Immutable locked(dir.File("INSUL.DAT"));
        if (!locked.active())
            GTEST_SKIP() << "no file that cannot be written here: " << locked.why();
        const ProgramRun run = New("-10", "12");
        EXPECT_EQ(run.status, 0) << run.err;
    }
    EXPECT_EQ(ReadBytes(dir.File("INSUL.DAT")), table);
}

} // namespace
