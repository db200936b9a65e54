#include "calc/InternalLoads.h"
#include "CalcTestJob.h"

#include <gtest/gtest.h>

namespace {

TEST(OccupantLoad, HeatPerPersonFollowsTheBoxTemperature) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.occupants.occupants = 2;
    job.image.occupants.hours = 4;
    EXPECT_EQ(ComputeOccupantLoad(job.image), 7600);
    job.image.header.boxTemp = -10;
    EXPECT_EQ(ComputeOccupantLoad(job.image), 11200);
    job.image.occupants.occupants = 0;
    EXPECT_EQ(ComputeOccupantLoad(job.image), 0);
}

TEST(OccupantLoad, RowBoundaries) {
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(50), 720);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(49), 840);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(0), 1300);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(-1), 1400);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(-60), 1400);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(-100), 1400); // below the table
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(10), 1200);
    EXPECT_DOUBLE_EQ(OccupantHeatPerHour(29), 1050);
}

TEST(ElectricAndLighting, WattsToBtu) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.electric.watts = 1000;
    job.image.electric.hours = 8;
    EXPECT_EQ(ComputeElectricLoad(job.image), 27280);
    job.image.electric.hours = 0;
    EXPECT_EQ(ComputeElectricLoad(job.image), 0);

    job.image.lighting.wattsPerSqFt = 1.5;
    job.image.lighting.hours = 8;
    EXPECT_EQ(ComputeLightingLoad(job.image), 3273); // 3273.6 truncated
    job.image.lighting.hours = 0;
    EXPECT_EQ(ComputeLightingLoad(job.image), 0);
}

TEST(ElectricAndLighting, LargeInputsSaturate) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.electric.watts = 90000000;
    job.image.electric.hours = 25;
    EXPECT_EQ(ComputeElectricLoad(job.image), 2147483647);
}

TEST(MotorLoad, FactorByNominalSize) {
    Job job = MakeBox(10, 8, 8, 35);
    TMotorInputs& m = job.image.motors;
    m.motorCount = 1;
    m.motorHp = 0.5;
    m.hours = 24;
    EXPECT_EQ(ComputeMotorLoad(job.image), 44400);
    EXPECT_DOUBLE_EQ(MotorHeatPerHp(0.49), 3850);
    EXPECT_DOUBLE_EQ(MotorHeatPerHp(1.0), 3500);
    EXPECT_DOUBLE_EQ(MotorHeatPerHp(10.0), 3000);
    EXPECT_DOUBLE_EQ(MotorHeatPerHp(0.25), 4000);
    EXPECT_DOUBLE_EQ(MotorHeatPerHp(0.001), 6400); // smaller than the table
}

TEST(MotorLoad, NothingWithoutMotorsOrHorsepowerOrHours) {
    Job job = MakeBox(10, 8, 8, 35);
    TMotorInputs& m = job.image.motors;
    m.motorCount = 0;
    m.motorHp = 2.0;
    m.hours = 8;
    EXPECT_EQ(ComputeMotorLoad(job.image), 0);
    m.motorCount = 2;
    m.motorHp = 0.0;
    EXPECT_EQ(ComputeMotorLoad(job.image), 0);
    m.motorHp = 2.0;
    m.hours = 0;
    EXPECT_EQ(ComputeMotorLoad(job.image), 0);
    m.motorHp = 0.00005; // tiny motor still uses the first row
    m.hours = 24;
    EXPECT_EQ(ComputeMotorLoad(job.image), 15); // 2 x 0.00005 x 24 x 6400 = 15.36
}

} // namespace
