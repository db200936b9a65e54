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
using ::testing::Not;
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
    EXPECT_THAT(none.err, StartsWith("a command is required\nUsage: quelbox-cli COMMAND"));
}

// The report command is built with Qt only; these tests take its cases exactly when the program
// they run has it.
TEST(CliConventions, TheReportCommandIsThereExactlyWhenTheTestsExpectIt) {
    const ProgramRun run = RunQuelboxCli({"report", "--help"});
#ifdef QUELBOX_REPORT_COMMAND
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, StartsWith("Usage: quelbox-cli report JOB.kvj"));
#else
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, StartsWith("unknown command report\n"));
#endif
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

TEST_F(CliNumbers, DoubleDashEndsTheOptions) {
    std::filesystem::copy_file(dir.File("sample.kvj"), dir.File("-job.kvj"));
    RunSetting inFolder;
    inFolder.workingFolder = dir.Path();
    const ProgramRun totals = RunQuelboxCli({"totals", "--json", "--", "-job.kvj"}, inFolder);
    EXPECT_EQ(totals.status, 0) << totals.err;
    EXPECT_THAT(totals.out, StartsWith("{\"units\": \"imperial\""));
    const ProgramRun recalc = RunQuelboxCli({"recalc", "--", "-job.kvj", "-out.kvj"}, inFolder);
    EXPECT_EQ(recalc.status, 0) << recalc.err;
    EXPECT_EQ(ReadBytes(dir.File("-out.kvj")), ReadBytes(dir.File("sample.kvj")));
    // After "--" even --help is a file name.
    const ProgramRun help = RunQuelboxCli({"summary", "--", "--help"}, inFolder);
    EXPECT_EQ(help.status, 2);
    EXPECT_THAT(help.err, HasSubstr("Not an Quelbox WIN 98 Job File: --help"));
    const ProgramRun option = RunQuelboxCli({"totals", "--", "-job.kvj", "--json"}, inFolder);
    EXPECT_EQ(option.status, 1);
    EXPECT_THAT(option.err, HasSubstr("unexpected argument --json\n"));
}

TEST_F(CliNumbers, EveryUsageErrorNamesTheFaultAndShowsTheCommandsUsage) {
    const std::string job = dir.File("sample.kvj");
    const std::string out = dir.File("out.kvj");
    struct Case {
        std::vector<std::string> args;
        std::string fault;
    };
    const std::vector<Case> cases = {
        {{"totals"}, "JOB.kvj is required"},
        {{"totals", job, "extra"}, "unexpected argument extra"},
        {{"recalc"}, "JOB.kvj is required"},
        {{"recalc", job}, "OUT.kvj is required"},
        {{"recalc", job, out, "extra"}, "unexpected argument extra"},
        {{"recalc", "--json", job, out}, "unknown option --json"},
        {{"recalc", job, "-o", out}, "unknown option -o"},
        {{"summary", job, "extra"}, "unexpected argument extra"},
        {{"summary"}, "JOB.kvj is required"},
        {{"units", job, "extra"}, "unexpected argument extra"},
        {{"units", job, "--select", "0"}, "-o is required"},
        {{"units", job, "-o", out}, "--select is required"},
        {{"coils", job, "extra", "--count", "2"}, "unexpected argument extra"},
        {{"coils", job, "--select", "0"}, "-o is required"},
        {{"spot-unit", "extra"}, "unexpected argument extra"},
        {{"spot-coil", "--load", "12000", "extra"}, "unexpected argument extra"},
        {{"new", "extra", "--box-temp", "35", "--length", "10", "--width", "8", "--height", "8",
          "-o", out},
         "unexpected argument extra"},
        {{"new", "--box-temp", "35", "--length", "10", "--width", "8", "--height", "8"},
         "-o is required"},
#ifdef QUELBOX_REPORT_COMMAND
        {{"report", job, "extra", "-o", out}, "unexpected argument extra"},
        {{"report", job}, "-o is required"},
        {{"report", job, "-o", out, "--page", "2"}, "--page: Value not in range 1..1"},
#endif
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunQuelboxCli(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0] << " " << c.fault;
        EXPECT_THAT(run.err, StartsWith(c.fault + "\nusage: quelbox-cli " + c.args[0] + " "))
            << run.err;
        EXPECT_THAT(run.out, IsEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    const ProgramRun option = RunQuelboxCli({"--json"});
    EXPECT_EQ(option.status, 1);
    EXPECT_THAT(option.err, StartsWith("unknown option --json\nUsage: quelbox-cli COMMAND"));
}

TEST(CliUsage, OptionsWithDefaultsAreShownAsOptional) {
    const ProgramRun unit = RunQuelboxCli({"spot-unit", "--help"});
    EXPECT_EQ(unit.status, 0);
    EXPECT_THAT(unit.out,
                StartsWith("Usage: quelbox-cli spot-unit [--quantity Q] [--load BTUH] [--run-hours "
                           "H] [--suction S] [--ambient A] [--dir DIR] [--units imperial|si]\n"));
    const ProgramRun coil = RunQuelboxCli({"spot-coil", "-h"});
    EXPECT_EQ(coil.status, 0);
    EXPECT_THAT(coil.out, StartsWith("Usage: quelbox-cli spot-coil [--quantity Q] [--td T] [--load "
                                     "BTUH] [--box-temp B] [--dir DIR] [--units imperial|si]\n"));
    const ProgramRun help = RunQuelboxCli({"--help"});
    for (const char* synopsis : {"  quelbox-cli spot-unit [--quantity Q] [--load BTUH]",
                                 "  quelbox-cli spot-coil [--quantity Q] [--td T] [--load BTUH]"})
        EXPECT_THAT(help.out, HasSubstr(synopsis));
}

TEST(CliUsage, TheUsageAfterAnSiErrorNamesTheSiLoadUnit) {
    for (const char* command : {"spot-unit", "spot-coil"}) {
        const ProgramRun si = RunQuelboxCli({command, "--units", "si", "--load", "-1"});
        EXPECT_EQ(si.status, 1);
        EXPECT_THAT(si.err, HasSubstr(std::string("usage: quelbox-cli ") + command));
        EXPECT_THAT(si.err, HasSubstr(" [--load W] ")) << si.err;
        EXPECT_THAT(si.err, Not(HasSubstr("BTUH"))) << si.err;
        const ProgramRun imperial = RunQuelboxCli({command, "--load", "-1"});
        EXPECT_THAT(imperial.err, HasSubstr(" [--load BTUH] ")) << imperial.err;
    }
}

TEST(CliUsage, TheHelpListsEveryExitStatus) {
    const ProgramRun help = RunQuelboxCli({"--help"});
    ASSERT_EQ(help.status, 0);
    const std::string statuses = help.out.substr(help.out.find("Exit status:"));
    for (const char* line : {
             "\n  0  success\n",
             "\n  1  a usage error",
             "table import:\n     the CSV file is refused",
             "\n  2  the job file cannot be opened or is not a job file; table import: the CSV "
             "file cannot\n     be read or is not a regular file\n",
             "\n  3  the output cannot be written: a job, PDF or CSV file, or standard output",
             "table import: the table cannot be written\n",
             "\n  4  a reference table is missing or unusable",
             "\n  5  no matching equipment",
         })
        EXPECT_THAT(statuses, HasSubstr(line));
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
