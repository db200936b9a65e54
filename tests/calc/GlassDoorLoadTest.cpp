#include "calc/GlassDoorLoad.h"
#include "CalcTestJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

namespace {

Job CoolerWithDoors(int count, int adjacent) {
    Job job = MakeBox(10, 8, 8, 35);
    job.image.glassDoors.doorCount = count;
    job.image.glassDoors.adjacentTemp = adjacent;
    return job;
}

TEST(GlassDoorLoad, CoolerDoorsAtTheAreaLimit) {
    Job job = CoolerWithDoors(2, 80);
    EXPECT_EQ(ComputeGlassLoad(job.image), 1980); // 2 x 0.75 x 1320
    job.image.glassDoors.adjacentTemp = 90;
    EXPECT_EQ(ComputeGlassLoad(job.image), 2336); // f = 1.18
    job.image.glassDoors.adjacentTemp = 80;
    job.image.glassDoors.normalFlag = 0;
    job.image.glassDoors.heavyFlag = 1;
    EXPECT_EQ(ComputeGlassLoad(job.image), 2970);
    EXPECT_EQ(GetText(job.image.glassDoors.usageText), "Heavy Usage ");
}

TEST(GlassDoorLoad, AreaBeyondTheLimitCountsAtHalf) {
    Job job = CoolerWithDoors(1, 90);
    job.image.glassDoors.doorHeight = 72;
    job.image.glassDoors.doorWidth = 30;
    // 0.75 x 840 x 0.5 + 0.75 x 1320 x 1.18 x 1.0
    EXPECT_EQ(ComputeGlassLoad(job.image), 1483);
}

TEST(GlassDoorLoad, FreezerFactorsByTemperatureDifference) {
    const std::pair<int, double> cases[] = {{80, 1.09}, {75, 1.04}, {60, 0.99}, {59, 1.0}};
    for (auto [adjacent, factor] : cases) {
        Job job = MakeBox(10, 8, 8, -10);
        job.image.glassDoors.doorCount = 1;
        job.image.glassDoors.adjacentTemp = adjacent;
        EXPECT_EQ(ComputeGlassLoad(job.image), static_cast<int32_t>(1.56 * 1320 * factor))
            << adjacent;
    }
}

TEST(GlassDoorLoad, ThirtyTwoDegreesIsAFreezer) {
    Job job = MakeBox(10, 8, 8, 32);
    job.image.glassDoors.doorCount = 1;
    job.image.glassDoors.adjacentTemp = 80;       // dT 48: factor 1.0
    EXPECT_EQ(ComputeGlassLoad(job.image), 2059); // 1.56 x 1320
}

TEST(GlassDoorLoad, NoDoorsNoLoad) {
    Job job = CoolerWithDoors(0, 80);
    EXPECT_EQ(ComputeGlassLoad(job.image), 0);
    job.image.glassDoors.doorCount = -3;
    EXPECT_EQ(ComputeGlassLoad(job.image), 0);
}

TEST(GlassDoorLoad, CountsPastTheTableUseItsLastRow) {
    Job job = CoolerWithDoors(40, 80);
    EXPECT_EQ(ComputeGlassLoad(job.image), static_cast<int32_t>(40 * 0.4625 * 1320));
}

TEST(GlassDoorLoad, NoUsageFlagCountsAsNormal) {
    Job job = CoolerWithDoors(2, 80);
    job.image.glassDoors.normalFlag = 0;
    EXPECT_EQ(ComputeGlassLoad(job.image), 1980);
    EXPECT_EQ(GetText(job.image.glassDoors.usageText), "Normal Usage");
}

} // namespace
