#include "equipment/UnitCheck.h"
#include "EquipmentTables.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

namespace {

Job JobWithSelectedUnit(int totalLoad, int unitCapacity) {
    Job job = JobWithLoad(totalLoad);
    TUnitSelection& u = job.image.unit;
    u.unitSelected = 1;
    u.unitCapacity = unitCapacity;
    SetText(u.unitModel, "OCH-0200-1M4 -5");
    return job;
}

TEST(CheckUnitSelection, RunHoursAndDailyFigures) {
    Job job = JobWithSelectedUnit(12000, 12500);
    EquipmentState state;
    EXPECT_EQ(CheckUnitSelection(job, state), 1);
    EXPECT_DOUBLE_EQ(+job.image.unit.unitRunHours, 12000.0 * 18 / 12500);
    EXPECT_DOUBLE_EQ(state.dailyLoad, 18.0 * 12000);
    EXPECT_DOUBLE_EQ(state.dailyCapacity, 17.28 * 12500); // run hours shown with two decimals
}

TEST(CheckUnitSelection, GrowingLoadDropsTheSelectionAndTheCoil) {
    Job job = JobWithSelectedUnit(12000, 12500);
    job.image.coil.coilSelected = 1;
    job.image.coil.coilRating = 1250;
    EquipmentState state;
    ASSERT_EQ(CheckUnitSelection(job, state), 1);
    job.image.totals.totalLoad = 15300; // 22.03 hours against 18
    EXPECT_EQ(CheckUnitSelection(job, state), 0);
    EXPECT_EQ(+job.image.unit.unitSelected, 0);
    EXPECT_EQ(GetText(job.image.unit.unitModel), "");
    EXPECT_DOUBLE_EQ(+job.image.unit.unitRunHours, 18.0);
    EXPECT_EQ(+job.image.coil.coilSelected, 0);
}

TEST(CheckUnitSelection, CoilTdFollowsTheUnit) {
    Job job = JobWithSelectedUnit(12000, 12500);
    TCoilSelection& c = job.image.coil;
    c.coilSelected = 1;
    c.coilCount = 0;
    c.coilRating = 1250;
    EquipmentState state;
    CheckUnitSelection(job, state);
    EXPECT_DOUBLE_EQ(+c.coilTD, 10.0);
    EXPECT_EQ(+c.coilCount, 1);
    job.image.unit.unitCapacity = 13750;
    CheckUnitSelection(job, state);
    EXPECT_DOUBLE_EQ(+c.coilTD, 11.0);

    c.coilRating = 0; // no rating: the coil is dropped
    CheckUnitSelection(job, state);
    EXPECT_EQ(+c.coilSelected, 0);
    EXPECT_DOUBLE_EQ(+c.coilTD, 0.0);
}

TEST(CheckUnitSelection, ARatingThatGivesAnAbsurdTdCountsAsNone) {
    // 12500 / 125.0 = 100 TD no longer fits "%5.2f"; the tiny ones overflow to inf or 1e300.
    for (double rating : {125.0, 1e-300, 5e-324, -1250.0}) {
        Job job = JobWithSelectedUnit(12000, 12500);
        TCoilSelection& c = job.image.coil;
        c.coilSelected = 1;
        c.coilRating = rating;
        EquipmentState state;
        CheckUnitSelection(job, state);
        EXPECT_EQ(+c.coilSelected, 0) << rating;
        EXPECT_DOUBLE_EQ(+c.coilTD, 0.0) << rating;
        EXPECT_DOUBLE_EQ(+c.coilRating, 0.0) << rating;
    }
    Job job = JobWithSelectedUnit(12000, 12500);
    job.image.coil.coilSelected = 1;
    job.image.coil.coilRating = 12500 / 99.9; // a TD the field holds
    EquipmentState state;
    CheckUnitSelection(job, state);
    EXPECT_EQ(+job.image.coil.coilSelected, 1);
    EXPECT_NEAR(+job.image.coil.coilTD, 99.9, 1e-9);
}

TEST(CheckUnitSelection, ZeroCountOrTinyCapacityUnselects) {
    Job job = JobWithSelectedUnit(12000, 12500);
    job.image.unit.unitCount = 0;
    EquipmentState state;
    EXPECT_EQ(CheckUnitSelection(job, state), 0);
    EXPECT_EQ(+job.image.unit.unitCount, 1);
    job = JobWithSelectedUnit(12000, 4);
    EXPECT_EQ(CheckUnitSelection(job, state), 0);
}

} // namespace
