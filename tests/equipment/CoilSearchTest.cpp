#include "equipment/CoilSearch.h"
#include "EquipmentTables.h"
#include "equipment/CoilList.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// One unit found at 24000 (window to 30000) and selected; two coils, TD 10.
Job JobReadyForCoils() {
    Job job = JobWithLoad(24000);
    TUnitSelection& u = job.image.unit;
    u.unitSelected = 1;
    u.suctionTemp = 25;
    u.minCapacity = 24000;
    u.maxCapacity = 30000;
    u.unitCapacity = 27000;
    job.image.coil.coilCount = 2;
    return job;
}

TEST(CoilSearch, WindowFromNinetyFivePercentOfTheLowBound) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"C1140", 25, 1140},
                                     {"C1141", 25, 1141},
                                     {"X1200", 35, 1200},
                                     {"C1500", 25, 1500},
                                     {"C1501", 25, 1501}});
    Job job = JobReadyForCoils();
    EquipmentState state;
    BeginCoilSelection(job, state);
    ASSERT_TRUE(SearchCoils(job, *coils, state));
    EXPECT_EQ(+job.image.coil.maxCoilRating, 1500);
    const CoilList list = BuildCoilList(job, *coils, state);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0].model, "C1141       ");
    EXPECT_EQ(list.rows[1].model, "C1500       ");
}

TEST(CoilSearch, FirstMatchAboveTheHighBoundFailsAndRestores) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"C1140", 25, 1140}, {"C1501", 25, 1501}});
    Job job = JobReadyForCoils();
    EquipmentState state;
    BeginCoilSelection(job, state);
    TCoilSelection before;
    std::memcpy(&before, &job.image.coil, sizeof before);
    EXPECT_FALSE(SearchCoils(job, *coils, state));
    EXPECT_EQ(std::memcmp(&before, &job.image.coil, sizeof before), 0);
}

TEST(CoilSearch, NothingWithoutASelectedUnit) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"C1200", 25, 1200}});
    Job job = JobReadyForCoils();
    job.image.unit.unitSelected = 0;
    job.image.coil.coilSelected = 1;
    EXPECT_FALSE(FindFirstCoil(job, *coils));
    EXPECT_EQ(+job.image.coil.coilSelected, 0);
}

TEST(CoilList, RowsShowTheTdForThePickedUnit) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"KLP-1350", 25, 1350, "Low Profile", 6, 1, "Chill"},
                                     {"KLP-1400", 25, 1400, "Center Mount", 0, 7, "Chill"}});
    Job job = JobReadyForCoils();
    EquipmentState state;
    BeginCoilSelection(job, state);
    ASSERT_TRUE(SearchCoils(job, *coils, state));
    const CoilList list = BuildCoilList(job, *coils, state);
    ASSERT_EQ(list.rows.size(), 2u);
    const CoilRow& row = list.rows[0];
    EXPECT_EQ(row.td, "10.00");
    EXPECT_EQ(row.btuh, "     27000");
    EXPECT_EQ(row.style, "Low Profile   ");
    EXPECT_EQ(row.fin, " 6");
    EXPECT_EQ(row.defrost, "elec");
    EXPECT_EQ(row.brand, "Chill     ");
    EXPECT_EQ(list.rows[1].fin, "  ");
    EXPECT_EQ(list.rows[1].defrost, "elec"); // unknown type repeats the text shown last
    EXPECT_EQ(list.desired, "Desired:  2 Coils for      27000 btuh @ 10 TD");

    TCoilSelection before;
    std::memcpy(&before, &job.image.coil, sizeof before);
    StoreCoilRow(job, *coils, row);
    AcceptCoilList(job, before);
    EXPECT_EQ(+job.image.coil.coilSelected, 1);
    EXPECT_DOUBLE_EQ(+job.image.coil.coilTD, 10.0);
    EXPECT_DOUBLE_EQ(+job.image.coil.coilRating, 2700.0);
    EXPECT_EQ(GetText(job.image.coil.defrostType), "elec");
    EXPECT_TRUE(job.run.modified);
    EXPECT_EQ(BuildCoilList(job, *coils, state).selected, 0);
}

TEST(CoilList, UnknownDefrostBeforeAnyShowsBlanks) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"K1", 25, 1300, "Low Profile", 4, 9}});
    Job job = JobReadyForCoils();
    EquipmentState state;
    BeginCoilSelection(job, state);
    ASSERT_TRUE(SearchCoils(job, *coils, state));
    EXPECT_EQ(BuildCoilList(job, *coils, state).rows.at(0).defrost, "    ");
}

TEST(CoilSelectionEntry, CancelOfTheListUndoesTheCount) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"C1200", 25, 1200}});
    Job job = JobReadyForCoils();
    EquipmentState state;
    BeginCoilSelection(job, state);
    ASSERT_TRUE(ConfirmCoilSelection(job, 3));
    EXPECT_EQ(+job.image.coil.coilCount, 3);
    CancelCoilList(job, state);
    EXPECT_EQ(+job.image.coil.coilCount, 2);
    EXPECT_FALSE(ConfirmCoilSelection(job, 0));
    EXPECT_EQ(+job.image.coil.coilSelected, 0);
}

} // namespace
