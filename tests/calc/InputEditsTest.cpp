#include "calc/InputEdits.h"
#include "CalcTestJob.h"

#include <gtest/gtest.h>

namespace {

TEST(InputEdits, SunOkWithoutChangeStillDerivesTheAllowances) {
    Job job = MakeBox(10, 8, 8, 35);
    TSunChoices sun = job.image.sun;
    job.image.surfaces[Roof].sunAllowance = 99; // stale
    EXPECT_FALSE(StoreSunChoices(job.image, sun));
    EXPECT_EQ(+job.image.surfaces[Roof].sunAllowance, 0);

    sun.flags[SunRoof][SunNone] = 0;
    sun.flags[SunRoof][SunMedium] = 1;
    EXPECT_TRUE(StoreSunChoices(job.image, sun));
    EXPECT_EQ(+job.image.surfaces[Roof].sunAllowance, 15);
    EXPECT_EQ(+job.image.flags.sunEntered, 1);
}

TEST(InputEdits, AirChangeUsageFromTheFirstFlagAndTheMethodSwitch) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.infiltration.airChangeMethod = 0;
    TAirChangeEntry entry = job.image.airChangeEntry;
    EXPECT_FALSE(StoreAirChangeEntry(job.image, entry));
    EXPECT_EQ(+job.image.infiltration.usage, 2);
    entry.heavyFlag = 0;
    entry.normalFlag = 1;
    EXPECT_TRUE(StoreAirChangeEntry(job.image, entry));
    EXPECT_EQ(+job.image.infiltration.usage, 1);
    EXPECT_DOUBLE_EQ(+job.image.infiltration.usageFactor, 1.0);
    EXPECT_EQ(+job.image.infiltration.airChangeMethod, 0); // only the command switches
    UseAirChangeMethod(job.image);
    EXPECT_EQ(+job.image.infiltration.airChangeMethod, 1);
}

TEST(InputEdits, AirVelocityOkSwitchesTheMethod) {
    Job job = MakeBox(10, 8, 8, 35);
    TAirVelocityEntry entry = job.image.airVelocityEntry;
    EXPECT_FALSE(StoreAirVelocityEntry(job.image, entry));
    EXPECT_EQ(+job.image.infiltration.airChangeMethod, 0);
    entry.doorCount = 2;
    EXPECT_TRUE(StoreAirVelocityEntry(job.image, entry));
    EXPECT_EQ(+job.image.airVelocityEntry.doorCount, 2);
}

TEST(InputEdits, InternalLoadInputsReportChangesAndKeepResults) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.motors.dailyLoad = 1234;
    EXPECT_FALSE(StoreMotorInputs(job.image, 0, 4.0, 8));
    EXPECT_TRUE(StoreMotorInputs(job.image, 1, 4.0, 8));
    EXPECT_TRUE(StoreMotorInputs(job.image, 1, 4.5, 8));
    EXPECT_EQ(+job.image.motors.dailyLoad, 1234);
    EXPECT_FALSE(StoreOccupantInputs(job.image, 0, 8));
    EXPECT_TRUE(StoreOccupantInputs(job.image, 3, 8));
    EXPECT_FALSE(StoreElectricInputs(job.image, 0, 8));
    EXPECT_TRUE(StoreElectricInputs(job.image, 0, 9));
    EXPECT_FALSE(StoreLightingInputs(job.image, 1.5, 8));
    EXPECT_TRUE(StoreLightingInputs(job.image, 0.8, 8));
}

TEST(InputEdits, GlassDoorsStoreOnlyTheTransferRecord) {
    Job job = MakeBox(10, 8, 8, 35);
    TGlassDoors edited = job.image.glassDoors;
    edited.glassLoad = 777;    // not part of the dialog's record
    edited.usageText[0] = 'X'; // nor is the text
    EXPECT_FALSE(StoreGlassDoorEntry(job.image, edited));
    EXPECT_EQ(+job.image.glassDoors.glassLoad, 0);
    EXPECT_EQ(job.image.glassDoors.usageText[0], 'N');
    edited.doorCount = 4;
    EXPECT_TRUE(StoreGlassDoorEntry(job.image, edited));
    EXPECT_EQ(+job.image.glassDoors.doorCount, 4);
}

TEST(InputEdits, UserLoadSetsItsIndicator) {
    Job job = MakeBox(10, 8, 8, 35);
    TUserLoad load = job.image.userLoad;
    load.userLoad = 500;
    EXPECT_TRUE(StoreUserLoad(job.image, load));
    EXPECT_EQ(+job.image.flags.userLoadEntered, 1);
    load.userLoad = 0;
    EXPECT_TRUE(StoreUserLoad(job.image, load));
    EXPECT_EQ(+job.image.flags.userLoadEntered, 0);
    EXPECT_FALSE(StoreUserLoad(job.image, load));
}

} // namespace
