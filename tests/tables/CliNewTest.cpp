// quelbox-cli new: a job made as New Job makes it after its dialogs.

#include "CliRun.h"
#include "TableTestSupport.h"
#include "TempFolder.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "job/JobFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sys/wait.h>

namespace {

using ::testing::HasSubstr;

std::string SurfaceName(const TSurface& s) {
    std::string name(s.insulationName, sizeof s.insulationName);
    return name.erase(name.find_last_not_of(' ') + 1);
}

class CliNew : public ::testing::Test {
protected:
    CliRun New(const std::string& dimensions) {
        return RunCli("new " + dimensions + " -o " + dir.File("job.kvj") + " --dir " + dir.Path());
    }
    Job Read() {
        Job job;
        EXPECT_TRUE(ReadJobFile(job, dir.File("job.kvj")).ok);
        return job;
    }
    TempFolder dir;
};

TEST_F(CliNew, ACoolerJobFromTheBuiltInDefaults) {
    const CliRun run = New("--box-temp 35 --length 10 --width 10 --height 8");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadBytes(dir.File("job.kvj")).size(), 2575u);
    EXPECT_TRUE(std::filesystem::exists(dir.File("INSUL.DAT"))); // restored from the shipped set
    const Job job = Read();
    const JobImage& im = job.image;
    EXPECT_EQ(+im.header.boxTemp, 35);
    EXPECT_EQ(+im.header.runHours, 16);
    EXPECT_EQ(+im.header.volume, 800.0);
    EXPECT_EQ(GetText(im.header.jobName), "");
    EXPECT_TRUE(std::regex_match(GetText(im.header.jobDate), std::regex(R"(\d\d/\d\d/\d{4})")));
    EXPECT_EQ(SurfaceName(im.surfaces[NorthWall]), "Polystyrene,molded");
    EXPECT_EQ(+im.surfaces[Roof].thickness, 3.5);
    EXPECT_EQ(SurfaceName(im.surfaces[Floor]), "Concrete 6\" slab");
    EXPECT_EQ(+im.surfaces[Floor].adjacentTemp, 55);
    EXPECT_EQ(GetText(im.products[0].productName), "General Storage                 ");
    EXPECT_EQ(+im.products[0].quantity, 2160);
    EXPECT_EQ(+im.products[0].productWeight, 2160);
    EXPECT_EQ(+im.flags.jobLoaded, 1);
    EXPECT_GT(+im.totals.totalLoad, 0);
}

TEST_F(CliNew, ThirtyTwoDegreesIsAFreezerThirtyThreeACooler) {
    ASSERT_EQ(New("--box-temp 32 --length 10 --width 10 --height 8").status, 0);
    Job freezer = Read();
    EXPECT_EQ(+freezer.image.header.runHours, 18);
    EXPECT_EQ(+freezer.image.surfaces[EastWall].thickness, 4.0);
    EXPECT_EQ(SurfaceName(freezer.image.surfaces[Floor]), "Concrete w/ 6\" styrene");
    EXPECT_EQ(+freezer.image.products[0].quantity, 560); // 800 cubic feet x 0.7

    ASSERT_EQ(New("--box-temp 33 --length 10 --width 10 --height 8").status, 0);
    EXPECT_EQ(+Read().image.header.runHours, 16);
}

TEST_F(CliNew, RunHoursAndTheFoldersDefaultsFileAreUsed) {
    TDefaults defaults = BuiltInDefaults();
    defaults.coolerWallInches = 6.0;
    defaults.defaultAmbient = 100;
    ASSERT_TRUE(WriteDefaultsFile(defaults, dir.File("DEFAULTS.KVI")).ok);
    ASSERT_EQ(New("--box-temp 38 --length 12.5 --width 8 --height 9 --run-hours 20").status, 0);
    const Job job = Read();
    EXPECT_EQ(+job.image.header.runHours, 20);
    EXPECT_EQ(+job.image.header.designAmbient, 100);
    EXPECT_EQ(+job.image.surfaces[SouthWall].thickness, 6.0);
}

TEST_F(CliNew, AMissingTableIsExitFourWithItsName) {
    WriteBytes(dir.File("not-a-folder"), {0});
    CliRun run = RunCli("new --box-temp 35 --length 10 --width 10 --height 8 -o " +
                        dir.File("job.kvj") + " --dir " + dir.File("not-a-folder"));
    EXPECT_EQ(run.status, 4);
    EXPECT_THAT(run.out, HasSubstr("INSUL.DAT is missing"));

    WriteBytes(dir.File("INSUL.DAT"), {3, 1, 2});
    run = New("--box-temp 35 --length 10 --width 10 --height 8");
    EXPECT_EQ(run.status, 4);
    EXPECT_THAT(run.out, HasSubstr("INSUL.DAT: "));
    EXPECT_FALSE(std::filesystem::exists(dir.File("job.kvj")));
}

TEST_F(CliNew, BadValuesAreUsageErrors) {
    CliRun run = New("--box-temp 61 --length 10 --width 10 --height 8");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("Value not in range -50..60"));
    EXPECT_EQ(New("--box-temp 35.5 --length 10 --width 10 --height 8").status, 1);
    EXPECT_EQ(New("--box-temp 35 --length nan --width 10 --height 8").status, 1);
    run = New("--box-temp 35 --length 10 --width 10 --height 201");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("--height: Value not in range 0..200"));
    run = New("--box-temp 35 --length 10 --width 10");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("--height is required"));
    EXPECT_EQ(New("--box-temp 35 --length 10 --width 10 --height 8 extra").status, 1);
    EXPECT_EQ(New("--box-temp 35 --length 10 --width 10 --height 8 --run-hours 0").status, 1);
    run = New("--box-temp 35 --length 0 --width 10 --height 8");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("no volume"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("job.kvj")));
}

TEST_F(CliNew, AnUnwritableJobFileIsExitThree) {
    const CliRun run = RunCli("new --box-temp 35 --length 10 --width 10 --height 8 -o " +
                              dir.File("no/such/job.kvj") + " --dir " + dir.Path());
    EXPECT_EQ(run.status, 3);
    EXPECT_THAT(run.out, HasSubstr("no/such/job.kvj"));
}

} // namespace
