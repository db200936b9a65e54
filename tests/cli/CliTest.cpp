#include "CliRun.h"
#include "SampleJobFolder.h"
#include "TempFolder.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Cli = SampleJobFolder;

TEST_F(Cli, TotalsAsJsonCarriesEveryKey) {
    const CliRun run = RunCli("totals " + dir.File("sample.kvj") + " --json");
    ASSERT_EQ(run.status, 0) << run.out;
    for (const char* key :
         {"productLoad", "wallLoad", "occupantLoad", "glassDoorLoad", "motorLoad", "electricLoad",
          "lightingLoad", "safetyLoad", "totalLoad", "infiltrationLoad", "userLoad",
          "velocityMethod", "dailyLoad", "modified"})
        EXPECT_NE(run.out.find(std::string("\"") + key + "\": "), std::string::npos) << key;
    EXPECT_NE(run.out.find("\"totalLoad\": " + std::to_string(total) + ","), std::string::npos);
    EXPECT_NE(run.out.find("\"dailyLoad\": " + std::to_string(16 * total) + ","),
              std::string::npos);
    EXPECT_NE(run.out.find("\"modified\": false}"), std::string::npos);
}

TEST_F(Cli, TotalsReportsAChangedTotalAsModified) {
    Job job;
    ASSERT_TRUE(BuildSampleJob(job).ok);
    job.image.header.runHours = 20; // stored totals are now stale
    ASSERT_TRUE(WriteJobFile(job, dir.File("stale.kvj")).ok);
    const CliRun run = RunCli("totals " + dir.File("stale.kvj"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("modified: true\n"), std::string::npos) << run.out;
}

TEST_F(Cli, RecalcWritesTheRecalculatedImage) {
    const CliRun run = RunCli("recalc " + dir.File("sample.kvj") + " " + dir.File("out.kvj"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadBytes(dir.File("out.kvj")).size(), 2575u);
    Job job;
    ASSERT_TRUE(ReadJobFile(job, dir.File("out.kvj")).ok);
    EXPECT_EQ(+job.image.totals.totalLoad, total);
}

TEST_F(Cli, ExitStatusesTellWhatWentWrong) {
    EXPECT_EQ(RunCli("").status, 1);
    EXPECT_EQ(RunCli("totals").status, 1);
    EXPECT_EQ(RunCli("totals a.kvj --bogus").status, 1);
    EXPECT_EQ(RunCli("recalc " + dir.File("sample.kvj")).status, 1);
    EXPECT_EQ(RunCli("frobnicate").status, 1);

    WriteBytes(dir.File("junk.kvj"), {'j', 'u', 'n', 'k'});
    const CliRun notJob = RunCli("totals " + dir.File("junk.kvj"));
    EXPECT_EQ(+notJob.status, 2);
    EXPECT_NE(notJob.out.find("Not an Quelbox WIN 98 Job File"), std::string::npos);
    EXPECT_NE(notJob.out.find(dir.File("junk.kvj")), std::string::npos);
    EXPECT_EQ(RunCli("totals " + dir.File("none.kvj")).status, 2);

    const CliRun cannotWrite =
        RunCli("recalc " + dir.File("sample.kvj") + " " + dir.File("no/such/out.kvj"));
    EXPECT_EQ(+cannotWrite.status, 3);
    EXPECT_NE(cannotWrite.out.find(dir.File("no/such/out.kvj")), std::string::npos);
}

} // namespace

namespace {

class CliEquipment : public Cli {
protected:
    std::string Dir() const { return " --dir " + dir.Path(); }
};

TEST_F(CliEquipment, UnitsListsSelectsAndWrites) {
    const CliRun list = RunCli("units " + dir.File("sample.kvj") + Dir());
    ASSERT_EQ(list.status, 0) << list.out;
    EXPECT_EQ(list.out.rfind("Desired: 1  Unit for ", 0), 0u) << list.out;
    EXPECT_NE(list.out.find("\n>"), std::string::npos) << list.out;

    const CliRun chosen = RunCli("units " + dir.File("sample.kvj") + Dir() + " --select 0 -o " +
                                 dir.File("unit.kvj"));
    ASSERT_EQ(chosen.status, 0) << chosen.out;
    Job job;
    ASSERT_TRUE(ReadJobFile(job, dir.File("unit.kvj")).ok);
    EXPECT_EQ(+job.image.unit.unitSelected, 1);
    EXPECT_GT(+job.image.unit.unitCapacity, 0);

    const CliRun coils = RunCli("coils " + dir.File("unit.kvj") + Dir());
    ASSERT_EQ(coils.status, 0) << coils.out;
    EXPECT_EQ(coils.out.rfind("Desired:  1 Coils for ", 0), 0u) << coils.out;

    const CliRun summary = RunCli("summary " + dir.File("unit.kvj") + Dir());
    ASSERT_EQ(summary.status, 0);
    EXPECT_NE(summary.out.find("EQUIPMENT SELECTION"), std::string::npos) << summary.out;
}

TEST_F(CliEquipment, NoMatchesAndBadEntries) {
    EXPECT_EQ(RunCli("coils " + dir.File("sample.kvj") + Dir()).status, 5); // no unit yet
    EXPECT_EQ(RunCli("units " + dir.File("sample.kvj") + Dir() + " --td 60").status, 1);
    const CliRun zero = RunCli("units " + dir.File("sample.kvj") + Dir() + " --count 0");
    EXPECT_EQ(zero.status, 5);
    EXPECT_NE(zero.out.find("No Matching Units on File"), std::string::npos) << zero.out;
    EXPECT_EQ(RunCli("units " + dir.File("sample.kvj") + Dir() + " --select 0").status, 1);
    EXPECT_EQ(
        RunCli("units " + dir.File("sample.kvj") + Dir() + " --select 99 -o " + dir.File("x.kvj"))
            .status,
        1);
}

TEST_F(CliEquipment, SpotSearches) {
    const CliRun unit = RunCli("spot-unit --quantity 1 --load 15000 --run-hours 16 --suction 25 "
                               "--ambient 90" +
                               Dir());
    ASSERT_EQ(unit.status, 0) << unit.out;
    EXPECT_NE(unit.out.find(" 25 Suction"), std::string::npos) << unit.out;

    const CliRun coil = RunCli("spot-coil --quantity 1 --td 10 --load 12000 --box-temp 35" + Dir());
    ASSERT_EQ(coil.status, 0) << coil.out;
    EXPECT_NE(coil.out.find("Desired:  1 Coils for      12000 btuh @ 10 TD"), std::string::npos);

    const CliRun none = RunCli("spot-unit --quantity 1 --load 9000000 --run-hours 1 --suction 25 "
                               "--ambient 90" +
                               Dir());
    EXPECT_EQ(none.status, 5);
    EXPECT_NE(none.out.find("No Matching Units on File"), std::string::npos);
    const CliRun noCoil =
        RunCli("spot-coil --quantity 1 --td 1 --load 9000000 --box-temp 35" + Dir());
    EXPECT_EQ(noCoil.status, 5);
    EXPECT_NE(noCoil.out.find("No Matching Coils on File"), std::string::npos);

    const CliRun range = RunCli("spot-unit --quantity 21 --load 1 --run-hours 1 --suction 0 "
                                "--ambient 90" +
                                Dir());
    EXPECT_EQ(range.status, 1);
    EXPECT_NE(range.out.find("Value not in range 1..20"), std::string::npos) << range.out;
    EXPECT_EQ(RunCli("spot-unit --ambient 92" + Dir()).status, 1);
}

} // namespace
