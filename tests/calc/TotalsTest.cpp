#include "calc/Totals.h"
#include "CalcTestJob.h"
#include "calc/ProductLoad.h"

#include <gtest/gtest.h>

namespace {

TEST(PerRunHour, DividesByRunHoursOrEighteen) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.header.runHours = 16;
    EXPECT_EQ(perRunHour(job.image.header, 1000), 62);
    job.image.header.runHours = 0;
    EXPECT_EQ(perRunHour(job.image.header, 1800), 100);
    job.image.header.runHours = -4;
    EXPECT_EQ(perRunHour(job.image.header, 1800), 100);
    job.image.header.runHours = 16;
    EXPECT_EQ(perRunHour(job.image.header, -1000), -62);
}

TEST(SafetyAllowance, OnlyAboveTenCounts) {
    EXPECT_EQ(safetyAllowance(10, 100), 0);
    EXPECT_EQ(safetyAllowance(10, 110), 11);
    EXPECT_EQ(safetyAllowance(0, 100000), 0);
    EXPECT_EQ(safetyAllowance(-20, 100000), 0);
    EXPECT_EQ(safetyAllowance(2000000000, 2000000000), 2147483647);
}

// A 10 x 8 x 8 ft cooler at 35 F with every component in use; each figure worked out by hand.
Job FullJob() {
    Job job = MakeBox(10, 8, 8, 35);
    JobImage& im = job.image;
    im.header.runHours = 16;
    im.header.boxRelHum = 90;
    im.header.safetyFactor = 10;
    SetSurface(im.surfaces[NorthWall], 0.16, 'K', 4.0, 95); // 4608 / 16 = 288
    SetSurface(im.surfaces[Floor], 0.21, 'U', 1.0, 55);     // 8064 / 16 = 504
    ResetProducts(im, 35);
    TProductSlot& p = im.products[0];
    p.calcFlag = 1;
    p.freezePoint = 28;
    p.specHeatAbove = 0.9;
    p.enteringTemp = 40;
    p.quantity = 1000;
    p.productWeight = 1000;
    p.pulldownHours = 24; // 187
    im.occupants.occupants = 2;
    im.occupants.hours = 4;      // 7600 / 16 = 475
    im.glassDoors.doorCount = 2; // 1980
    im.motors.motorCount = 1;
    im.motors.motorHp = 0.5;
    im.motors.hours = 24; // 44400 / 16 = 2775
    im.electric.watts = 1000;
    im.electric.hours = 8; // 27280 / 16 = 1705
    im.lighting.wattsPerSqFt = 1.5;
    im.lighting.hours = 8; // 3273 / 16 = 204
    im.airChangeEntry.infiltratingTemp = 90;
    im.airChangeEntry.infiltratingRelHum = 60; // 59174 / 16 = 3698
    im.userLoad.userLoad = 500;
    return job;
}

constexpr int32_t FullSubtotal = 288 + 504 + 187 + 475 + 1980 + 2775 + 1705 + 204 + 3698 + 500;

TEST(RecalculateLoads, EveryComponentInItsWord) {
    Job job = FullJob();
    const int32_t safety = RecalculateLoads(job);
    const TLoadTotals& t = job.image.totals;
    EXPECT_EQ(+t.wallLoad, 288 + 504);
    EXPECT_EQ(+job.image.surfaces[NorthWall].hourlyGain, 288);
    EXPECT_EQ(+job.image.surfaces[Floor].dailyGain, 8064);
    EXPECT_EQ(+t.productLoad, 187);
    EXPECT_EQ(+t.occupantLoad, 475);
    EXPECT_EQ(+job.image.occupants.dailyLoad, 7600);
    EXPECT_EQ(+t.glassDoorLoad, 1980);
    EXPECT_EQ(+t.motorLoad, 2775);
    EXPECT_EQ(+t.electricLoad, 1705);
    EXPECT_EQ(+t.lightingLoad, 204);
    EXPECT_EQ(+job.image.infiltration.infiltrationLoad, 3698);
    EXPECT_EQ(safety, FullSubtotal / 10);
    EXPECT_EQ(+t.safetyLoad, FullSubtotal / 10);
    EXPECT_EQ(+t.totalLoad, FullSubtotal + FullSubtotal / 10);
    EXPECT_DOUBLE_EQ(DailyDesignLoad(job.image), 16.0 * t.totalLoad);

    const TJobFlags& f = job.image.flags;
    EXPECT_EQ(+f.productsEntered, 1);
    EXPECT_EQ(+f.occupantsEntered, 1);
    EXPECT_EQ(+f.glassDoorsEntered, 1);
    EXPECT_EQ(+f.motorsEntered, 1);
    EXPECT_EQ(+f.electricEntered, 1);
    EXPECT_EQ(+f.lightingEntered, 1);
    EXPECT_EQ(+f.velocityMethod, 0);
    EXPECT_EQ(+f.reserved4, 0);
    EXPECT_EQ(+f.reserved10, 0);
}

TEST(RecalculateLoads, IndicatorsClearWhenComponentsGoToZero) {
    Job job = FullJob();
    RecalculateLoads(job);
    JobImage& im = job.image;
    im.occupants.occupants = 0;
    im.glassDoors.doorCount = 0;
    im.motors.motorCount = 0;
    im.electric.watts = 0;
    im.lighting.hours = 0;
    im.products[0].quantity = 0;
    RecalculateLoads(job);
    EXPECT_EQ(+im.flags.occupantsEntered, 0);
    EXPECT_EQ(+im.flags.glassDoorsEntered, 0);
    EXPECT_EQ(+im.flags.motorsEntered, 0);
    EXPECT_EQ(+im.flags.electricEntered, 0);
    EXPECT_EQ(+im.flags.lightingEntered, 0);
    EXPECT_EQ(+im.flags.productsEntered, 0);
    EXPECT_EQ(+im.totals.occupantLoad, 0);
}

TEST(RecalculateLoads, UserLoadOnlyWhenPositiveAndCoveredBySafety) {
    Job job = FullJob();
    job.image.userLoad.userLoad = -5000;
    RecalculateLoads(job);
    const int32_t withoutUser = FullSubtotal - 500;
    EXPECT_EQ(+job.image.totals.totalLoad, withoutUser + withoutUser / 10);
}

TEST(RecalculateLoads, ZeroVelocityLoadForcesTheAirChangeMethod) {
    Job job = FullJob();
    job.image.infiltration.airChangeMethod = 0; // the user chose air velocity
    job.image.airVelocityEntry.doorCount = 0;
    RecalculateLoads(job);
    EXPECT_EQ(+job.image.infiltration.airChangeMethod, 1);
    EXPECT_EQ(+job.image.flags.velocityMethod, 0);
    EXPECT_EQ(+job.image.infiltration.infiltrationLoad, 3698);
}

TEST(RecalculateLoads, VelocityMethodWhenChosenAndPositive) {
    Job job = FullJob();
    job.image.infiltration.airChangeMethod = 0;
    job.image.airVelocityEntry.infiltratingTemp = 95;
    job.image.airVelocityEntry.infiltratingRelHum = 60;
    RecalculateLoads(job);
    EXPECT_EQ(+job.image.flags.velocityMethod, 1);
    EXPECT_EQ(+job.image.infiltration.velocityDaily, 53808);
    EXPECT_EQ(+job.image.infiltration.infiltrationLoad, 53808 / 16);
    EXPECT_EQ(+job.image.infiltration.airChangeDaily, 59174); // both are always computed
}

TEST(RecalculateLoads, ModifiedOnlyWhenTheTotalChanges) {
    Job job = FullJob();
    RecalculateLoads(job);
    job.run.modified = false;
    RecalculateLoads(job);
    EXPECT_FALSE(job.run.modified);
    job.image.header.runHours = 18;
    RecalculateLoads(job);
    EXPECT_TRUE(job.run.modified);
}

TEST(RecalculateLoads, ZeroRunHoursDividesByEighteen) {
    Job job = FullJob();
    job.image.header.runHours = 0;
    RecalculateLoads(job);
    EXPECT_EQ(+job.image.totals.motorLoad, 44400 / 18);
    EXPECT_EQ(+job.image.surfaces[NorthWall].hourlyGain, 4608 / 18);
}

TEST(RecalculateLoads, HugeComponentsSaturateTheTotal) {
    Job job = FullJob();
    job.image.electric.watts = 90000000;
    job.image.electric.hours = 25;
    job.image.header.runHours = 1;
    job.image.userLoad.userLoad = 2000000000;
    RecalculateLoads(job);
    EXPECT_EQ(+job.image.totals.totalLoad, 2147483647);
}

} // namespace
