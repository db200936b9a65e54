#include "calc/Infiltration.h"
#include "CalcTestJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SaturationPressure, MatchesTheHandbookTables) {
    EXPECT_NEAR(SaturationPressure(20.0), 2.3389, 0.0005);
    EXPECT_NEAR(SaturationPressure(0.0), 0.6112, 0.0005);   // over ice at 0 C
    EXPECT_NEAR(SaturationPressure(-10.0), 0.2599, 0.0005); // over ice
    EXPECT_NEAR(SaturationPressure(0.01), 0.6117, 0.0005);  // over water
}

TEST(HeatPerCubicFoot, ReferenceValues) {
    // Expected values worked out independently from the same psychrometric formulas.
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.7, 35, 90), 2.01);
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.77, 35, 90), 2.00);
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.77, 0, 90), 3.03);
}

TEST(HeatPerCubicFoot, BoxFactorChangesBelowThirtyOneF) {
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.7, 32, 90), 2.09);
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.7, 31, 90), 2.12); // still 0.75
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, 14.7, 30, 90), 2.32); // 0.81
}

TEST(HeatPerCubicFoot, AirWithLessEnthalpyThanTheBoxGivesTheFloor) {
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(40, 50, 14.7, 35, 90), 0.18);
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(20, 50, 14.7, 35, 90), 0.18);
    // Air whose enthalpy cannot be computed is never printed as "nan".
    EXPECT_DOUBLE_EQ(HeatPerCubicFoot(90, 60, std::nan(""), 35, 90), 0.18);
}

TEST(AirChanges, TableRowsByVolumeAndColumnsByTemperature) {
    EXPECT_DOUBLE_EQ(AirChangesPerDay(640, 35), 23.0);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(640, 0), 18.0);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(500, 35), 26.0);   // threshold 499
    EXPECT_DOUBLE_EQ(AirChangesPerDay(499, 35), 29.5);   // threshold 399
    EXPECT_DOUBLE_EQ(AirChangesPerDay(499.9, 35), 29.5); // volume is truncated first
    EXPECT_DOUBLE_EQ(AirChangesPerDay(640, 32), 23.0);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(640, 31), 18.0);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(6, 35), 45.0);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(5, 35), 0.9); // no row: the first row
    EXPECT_DOUBLE_EQ(AirChangesPerDay(600000, 35), 0.9);
    EXPECT_DOUBLE_EQ(AirChangesPerDay(1e15, 0), 0.8);
}

TEST(AirChangeLoad, UsesVolumeUsageAirChangesAndHeat) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.airChangeEntry.infiltratingTemp = 90;
    job.image.airChangeEntry.infiltratingRelHum = 60;
    job.image.header.boxRelHum = 90;
    // 640 x 2.0 (heavy) x 23 x 2.01
    EXPECT_EQ(ComputeAirChangeLoad(job.image), 59174);
    const TInfiltration& inf = job.image.infiltration;
    EXPECT_DOUBLE_EQ(+inf.airChanges, 23.0);
    EXPECT_DOUBLE_EQ(+inf.heatPerCubicFoot, 2.01);
    EXPECT_EQ(GetText(inf.usageText), "Heavy Use ");

    job.image.infiltration.usage = 0;
    EXPECT_EQ(ComputeAirChangeLoad(job.image), 23669); // 640 x 0.8 x 23 x 2.01
    EXPECT_EQ(GetText(inf.usageText), "Light Use ");
    EXPECT_DOUBLE_EQ(+inf.usageFactor, 0.8);

    job.image.infiltration.usage = 7; // unknown usage keeps the last text and factor
    EXPECT_EQ(ComputeAirChangeLoad(job.image), 23669);
}

TEST(AirVelocityLoad, DefaultDoorAtSixtyDegreesDifference) {
    Job job = MakeBox(10, 8, 8, 35);
    TAirVelocityEntry& v = job.image.airVelocityEntry;
    v.infiltratingTemp = 95;
    v.infiltratingRelHum = 60;
    // F = 4.88 x 2.828 x 7.746 x 16 = 1710.6 cfm; x 15 min x 0.9 x 2.33
    EXPECT_EQ(ComputeAirVelocityLoad(job.image), 53808);
}

TEST(AirVelocityLoad, NoFlowGivesNoLoad) {
    Job job = MakeBox(10, 8, 8, 35);
    TAirVelocityEntry& v = job.image.airVelocityEntry;
    v.infiltratingTemp = 95;
    v.doorCount = 0;
    EXPECT_EQ(ComputeAirVelocityLoad(job.image), 0);
    v.doorCount = 1;
    v.infiltratingTemp = 30; // colder than the box: no real square root
    EXPECT_EQ(ComputeAirVelocityLoad(job.image), 0);
    v.infiltratingTemp = 36; // 1 F: F = 4.88 x 2.83 x 1 x 16 = 221 cfm, still counts
    EXPECT_GT(ComputeAirVelocityLoad(job.image), 0);
    v.doorWidth = 1.0;
    v.doorHeight = 2.0; // F = 4.88 x 1.41 x 1 x 1 below 100 cfm
    EXPECT_EQ(ComputeAirVelocityLoad(job.image), 0);
}

} // namespace
