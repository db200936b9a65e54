#include "job/ClearJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ClearJob, HeaderTakesTheClearedValues) {
    Job job;
    std::memset(&job.image, 0x5A, sizeof job.image);
    job.run.modified = job.run.untitled = job.run.newJob = true;
    ClearJob(job, BuiltInDefaults());

    const TJobHeader& h = job.image.header;
    EXPECT_EQ(std::memcmp(h.signature, "[W98]\0", 6), 0);
    EXPECT_EQ(GetText(h.jobName), "");
    EXPECT_EQ(+h.boxTemp, 35);
    EXPECT_EQ(+h.runHours, 18);
    EXPECT_EQ(+h.safetyFactor, 10);
    EXPECT_EQ(+h.designAmbient, 90);
    EXPECT_EQ(+h.boxRelHum, 90);
    EXPECT_DOUBLE_EQ(+h.volume, 0.0);
    EXPECT_DOUBLE_EQ(+h.length, 0.0);
    EXPECT_EQ(+h.reserved246, 0);
    EXPECT_DOUBLE_EQ(+h.reserved254, 10.0);
    EXPECT_FALSE(job.run.modified);
    EXPECT_FALSE(job.run.untitled);
    EXPECT_FALSE(job.run.newJob);
    const unsigned char zeros[sizeof(TJobFlags)] = {};
    EXPECT_EQ(std::memcmp(&job.image.flags, zeros, sizeof zeros), 0);
}

TEST(ClearJob, CustomerTextsAndSlotsAreNotCleared) {
    Job job;
    SetText(job.image.header.customer, "Harbor Market");
    SetText(job.image.header.jobDate, "01/02/2026");
    job.image.products[2].quantity = 77;
    job.image.surfaces[Floor].adjacentTemp = 55;
    job.image.totals.totalLoad = 1234;
    job.image.motors.dailyLoad = 999;
    ClearJob(job, BuiltInDefaults());
    EXPECT_EQ(GetText(job.image.header.customer), "Harbor Market");
    EXPECT_EQ(GetText(job.image.header.jobDate), "01/02/2026");
    EXPECT_EQ(+job.image.products[2].quantity, 77);
    EXPECT_EQ(+job.image.surfaces[Floor].adjacentTemp, 55);
    EXPECT_EQ(+job.image.totals.totalLoad, 1234);
    EXPECT_EQ(+job.image.motors.dailyLoad, 999);
}

TEST(ClearJob, SecondStepTakesTheUsersDesignConditions) {
    TDefaults defaults = BuiltInDefaults();
    defaults.defaultAmbient = 100;
    defaults.designRelHum = 55;
    defaults.defaultBoxRelHum = 85;
    Job job;
    ClearJob(job, defaults);
    const JobImage& im = job.image;
    EXPECT_EQ(+im.header.designAmbient, 100);
    EXPECT_EQ(+im.header.boxRelHum, 85);
    EXPECT_EQ(+im.airChangeEntry.infiltratingTemp, 100);
    EXPECT_EQ(+im.airChangeEntry.infiltratingRelHum, 55);
    EXPECT_EQ(+im.airVelocityEntry.infiltratingTemp, 100);
    EXPECT_EQ(+im.airVelocityEntry.infiltratingRelHum, 55);
}

TEST(ClearJob, ComponentBlocksTakeTheirClearedValues) {
    Job job;
    std::memset(&job.image, 0x5A, sizeof job.image);
    ClearJob(job, BuiltInDefaults());
    const JobImage& im = job.image;
    EXPECT_EQ(+im.occupants.hours, 8);
    EXPECT_DOUBLE_EQ(+im.motors.motorHp, 4.0);
    EXPECT_DOUBLE_EQ(+im.lighting.wattsPerSqFt, 1.5);
    for (int group = 0; group < SunGroupCount; ++group) {
        EXPECT_EQ(+im.sun.flags[group][SunNone], 1);
        EXPECT_EQ(im.sun.flags[group][SunDark] + im.sun.flags[group][SunMedium] +
                      im.sun.flags[group][SunLight],
                  0);
    }
    EXPECT_EQ(+im.latent.excludeWithin10, 1);
    EXPECT_EQ(im.latent.doNotExclude + im.latent.excludeWithin15, 0);
    EXPECT_EQ(std::memcmp(im.glassDoors.usageText, "Normal Usage", 12), 0);
    EXPECT_EQ(+im.glassDoors.doorHeight, 55);
    EXPECT_EQ(+im.infiltration.airChangeMethod, 1);
    EXPECT_EQ(std::memcmp(im.infiltration.usageText, "Heavy Use ", 10), 0);
    EXPECT_EQ(+im.airVelocityEntry.openMinutes, 15);
    EXPECT_EQ(GetText(im.userLoad.userDescription), "");
    EXPECT_EQ(+im.unit.unitCount, 1);
    EXPECT_EQ(+im.unit.capacityColumn, 1);
    EXPECT_DOUBLE_EQ(+im.unit.unitRunHours, 18.0);
    EXPECT_DOUBLE_EQ(+im.unit.nominalHp, 0.0);
    EXPECT_EQ(+im.unit.unitModel[0], 0);
    EXPECT_EQ(+im.unit.reserved28, 0x5A5A5A5A); // never written
    EXPECT_EQ(+im.coil.coilCount, 1);
    EXPECT_EQ(+im.coil.maxCoilRating, 0);
    EXPECT_EQ(+im.coil.firstCoilRecord, 0);
    EXPECT_DOUBLE_EQ(+im.coil.coilTD, 10.0);
}

} // namespace
