// Where quelbox-cli's results go: standard output that cannot be written fails the command, "-"
// is standard output for every output file, and what reaches a terminal is UTF-8.

#include "ProgramRun.h"
#include "SampleJobFolder.h"
#include "job/FixedText.h"
#include "tables/DbfLayout.h"
#include "tables/ShippedTables.h"
#include "tables/TableFileImage.h"
#include "text/Windows1252.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using Arguments = std::vector<std::string>;

std::string Text(const std::vector<unsigned char>& bytes) {
    return {bytes.begin(), bytes.end()};
}

class CliOutput : public SampleJobFolder {
protected:
    void SetUp() override {
        SampleJobFolder::SetUp();
        if (HasFatalFailure())
            return;
        const ProgramRun chosen = RunQuelboxCli(
            {"units", JobPath(), "--select", "0", "-o", dir.File("unit.kvj"), "--dir", dir.Path()});
        ASSERT_EQ(chosen.status, 0) << chosen.err;
    }
    std::string JobPath() const { return dir.File("sample.kvj"); }
    std::string UnitJobPath() const { return dir.File("unit.kvj"); }
    // Runs in the folder of the job and tables.
    ProgramRun Run(const Arguments& args, RunSetting setting = {}) const {
        setting.workingFolder = dir.Path();
        return RunQuelboxCli(args, setting);
    }
};

// Every command that writes to standard output, with what it writes there.
std::vector<Arguments> PrintingCommands(const std::string& job, const std::string& unitJob,
                                        const std::string& folder) {
    return {
        {"totals", job},
        {"totals", job, "--json", "--units", "si"},
        {"recalc", job, "-"},
        {"summary", job},
        {"units", job},
        {"units", job, "--select", "1", "-o", "-"},
        {"coils", unitJob},
        {"coils", unitJob, "--select", "0", "-o", "-"},
        {"spot-unit", "--load", "12000"},
        {"spot-coil", "--load", "12000"},
        {"new", "--box-temp", "35", "--length", "10", "--width", "8", "--height", "8", "-o", "-",
         "--dir", folder},
#ifdef QUELBOX_REPORT_COMMAND
        {"report", job, "-o", "-"},
#endif
        {"--help"},
        {"-h"},
        {"--version"},
        {"summary", "--help"},
    };
}

std::string Shown(const Arguments& args) {
    std::string line;
    for (const std::string& arg : args)
        line += " " + arg;
    return line;
}

TEST_F(CliOutput, StandardOutputThatCannotBeWrittenFailsTheCommand) {
    struct Fault {
        const char* name;
        RunSetting setting;
        const char* reason;
    };
    RunSetting full;
    full.output = RunSetting::Output::File;
    full.outputFile = "/dev/full";
    RunSetting closed;
    closed.output = RunSetting::Output::Closed;
    RunSetting limited; // a disk that takes 10 bytes
    limited.output = RunSetting::Output::File;
    limited.outputFile = dir.File("out.txt");
    limited.fileSizeLimit = 10;
    const Fault faults[] = {
        {"/dev/full", full, "No space left on device"},
        {"closed", closed, "Bad file descriptor"},
        {"a full disk", limited, "File too large"},
    };
    for (const Arguments& args : PrintingCommands(JobPath(), UnitJobPath(), dir.Path())) {
        for (const Fault& fault : faults) {
            const ProgramRun run = Run(args, fault.setting);
            EXPECT_EQ(run.status, 3) << Shown(args) << " to " << fault.name << "\n" << run.err;
            EXPECT_THAT(run.err, HasSubstr(std::string("Cannot write standard output: ") +
                                           fault.reason + "\n"))
                << Shown(args) << " to " << fault.name;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("-")));
    // Output past the buffer fails before the final flush, which can no longer tell why.
    for (const Fault& fault : faults) {
        const ProgramRun run = Run({"table", "export", "COILS.DAT"}, fault.setting);
        EXPECT_EQ(run.status, 3) << fault.name;
        EXPECT_THAT(run.err, StartsWith("Cannot write standard output: ")) << fault.name;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST_F(CliOutput, AClosedStandardOutputIsNoPlaceForAFile) {
    RunSetting closed;
    closed.output = RunSetting::Output::Closed;
    const ProgramRun recalc = Run({"recalc", JobPath(), dir.File("out.kvj")}, closed);
    EXPECT_EQ(recalc.status, 0) << recalc.err;
    EXPECT_EQ(ReadBytes(dir.File("out.kvj")), ReadBytes(JobPath()));
    // The job file written does not take the closed descriptor's place.
    const ProgramRun chosen =
        Run({"units", JobPath(), "--select", "0", "-o", dir.File("chosen.kvj")}, closed);
    EXPECT_EQ(chosen.status, 3);
    EXPECT_EQ(ReadBytes(dir.File("chosen.kvj")), ReadBytes(UnitJobPath()));
}

TEST_F(CliOutput, DashIsStandardOutputForEveryOutputFile) {
    struct Case {
        Arguments toFile, toStandardOutput;
    };
    const Case cases[] = {
        {{"recalc", JobPath(), dir.File("a.kvj")}, {"recalc", JobPath(), "-"}},
        {{"new", "--box-temp", "-10", "--length", "12", "--width", "10", "--height", "8", "-o",
          dir.File("a.kvj")},
         {"new", "--box-temp", "-10", "--length", "12", "--width", "10", "--height", "8", "-o",
          "-"}},
        {{"units", JobPath(), "--select", "2", "-o", dir.File("a.kvj")},
         {"units", JobPath(), "--select", "2", "-o", "-"}},
        {{"coils", UnitJobPath(), "--count", "3", "--select", "1", "-o", dir.File("a.kvj")},
         {"coils", UnitJobPath(), "--count", "3", "--select", "1", "-o", "-"}},
    };
    for (const Case& c : cases) {
        const ProgramRun file = Run(c.toFile);
        ASSERT_EQ(file.status, 0) << Shown(c.toFile) << "\n" << file.err;
        const ProgramRun out = Run(c.toStandardOutput);
        ASSERT_EQ(out.status, 0) << Shown(c.toStandardOutput) << "\n" << out.err;
        EXPECT_EQ(out.out.size(), 2575u) << Shown(c.toStandardOutput);
        EXPECT_TRUE(out.out == Text(ReadBytes(dir.File("a.kvj")))) << Shown(c.toStandardOutput);
        // A listing goes to standard error, where the file form prints it to standard output.
        EXPECT_EQ(out.err, file.out) << Shown(c.toStandardOutput);
        EXPECT_FALSE(std::filesystem::exists(dir.File("-"))) << Shown(c.toStandardOutput);
    }
}

// Gives every record of a table `text` in `field`, in one rewrite of the file.
void SetEveryRecord(const std::string& path, const char* field, const std::string& text) {
    std::string why;
    const std::optional<DbfLayout> layout = ReadDbfLayout(path, why);
    ASSERT_TRUE(layout) << why;
    TableFileImage image;
    ASSERT_TRUE(ReadTableFileImage(path, *layout, image, why)) << why;
    const auto named = std::find_if(layout->fields.begin(), layout->fields.end(),
                                    [&](const DbfField& f) { return f.name == field; });
    ASSERT_NE(named, layout->fields.end()) << field;
    ASSERT_LE(text.size(), static_cast<std::size_t>(named->width));
    std::string value = text;
    value.resize(static_cast<std::size_t>(named->width), ' ');
    for (int32_t record = 0; record < image.count(); ++record)
        image.records.replace(static_cast<std::size_t>(record * image.recordLength + named->offset),
                              value.size(), value);
    ASSERT_EQ(ReplaceTableFile(path, image), "");
}

TEST_F(CliOutput, ListingsAndTheSummaryWriteTableAndJobTextsAsUtf8) {
    const std::string frio1252 = "Fr\xEDo";
    const std::string frioUtf8 = "Fr\xC3\xADo";
    SetEveryRecord(dir.File("UNITS.DAT"), "BRAND", frio1252);
    std::string message;
    ASSERT_TRUE(
        RestoreMissingTable(dir.Path(), ReferenceTable::Coils, ShippedTableFolders(), message))
        << message;
    SetEveryRecord(dir.File("COILS.DAT"), "BRAND", frio1252);
    Job job = sample;
    SetText(job.image.header.jobName, "Caf\xE9 \x80");
    SetText(job.image.header.customer, "M\xFCller");
    ASSERT_TRUE(WriteJobFile(job, dir.File("cafe.kvj")).ok);

    struct Case {
        Arguments args;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"units", JobPath()}, frioUtf8},
        {{"coils", UnitJobPath()}, frioUtf8},
        {{"spot-unit", "--load", "12000"}, frioUtf8},
        {{"spot-coil", "--load", "12000"}, frioUtf8},
        {{"summary", dir.File("cafe.kvj")}, "Caf\xC3\xA9 \xE2\x82\xAC"},
        {{"summary", dir.File("cafe.kvj")}, "M\xC3\xBCller"},
    };
    for (const Case& c : cases) {
        for (const char* units : {"imperial", "si"}) {
            Arguments args = c.args;
            args.insert(args.end(), {"--units", units});
            const ProgramRun run = Run(args);
            ASSERT_EQ(run.status, 0) << Shown(args) << "\n" << run.err;
            EXPECT_THAT(run.out, HasSubstr(c.expected)) << Shown(args);
            EXPECT_TRUE(IsUtf8(run.out)) << Shown(args) << "\n" << run.out;
        }
    }
}

} // namespace
