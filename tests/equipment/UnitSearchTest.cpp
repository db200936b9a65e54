#include "equipment/UnitSearch.h"
#include "EquipmentTables.h"
#include "equipment/UnitList.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

namespace {

// Records of class 25 (35 F box, TD 10) with the capacities given, class 35 records between.
std::vector<UnitRecord> Units(std::initializer_list<int> capacities) {
    std::vector<UnitRecord> units;
    int n = 0;
    for (int cap : capacities) {
        units.push_back({"OCH-0" + std::to_string(++n) + "0-1M4 -5", 25, cap});
        units.push_back({"OTHER-" + std::to_string(n), 35, cap + 50});
    }
    return units;
}

TEST(FindFirstUnit, RequiredCapacityIsShared) {
    TempFolder dir;
    // 50000 BTUH, two units: 22500 per unit; acceptable first units from 22401 to 29250.
    auto units = MakeUnitTable(dir, Units({22400, 29250}));
    Job job = JobWithLoad(50000);
    job.image.unit.unitCount = 2;
    ASSERT_TRUE(FindFirstUnit(job, *units));
    EXPECT_EQ(+job.image.unit.minCapacity, 29250);
    EXPECT_EQ(+job.image.unit.maxCapacity, 36562);
    EXPECT_EQ(+job.image.unit.suctionTemp, 25);
    EXPECT_EQ(+job.image.unit.capacityColumn, 4);
    EXPECT_EQ(+job.image.unit.searchAmbient, 90);
    units->d4go(job.image.unit.firstUnitRecord);
    EXPECT_EQ(units->f4int("EVAP"), 25);

    TempFolder other;
    auto tooBig = MakeUnitTable(other, Units({22400, 29251}));
    EXPECT_FALSE(FindFirstUnit(job, *tooBig));
}

TEST(FindFirstUnit, FailsWithoutColumnClassOrLoad) {
    TempFolder dir;
    auto units = MakeUnitTable(dir, Units({10000}));
    Job job = JobWithLoad(10000);
    job.image.header.designAmbient = 92;
    EXPECT_FALSE(FindFirstUnit(job, *units));
    EXPECT_EQ(+job.image.unit.capacityColumn, 0);
    job.image.header.designAmbient = 90;
    job.image.header.boxTemp = 90; // d = 80: no suction class
    EXPECT_FALSE(FindFirstUnit(job, *units));
    job.image.header.boxTemp = 35;
    job.image.totals.totalLoad = 1; // 0.9 truncates to 0
    EXPECT_FALSE(FindFirstUnit(job, *units));
    job.image.totals.totalLoad = 10000;
    job.image.unit.unitCount = 0; // divides by 1
    EXPECT_TRUE(FindFirstUnit(job, *units));
}

TEST(FindFirstUnit, UsesTheDesignAmbientsColumn) {
    TempFolder dir;
    UnitRecord hot{"HOT", 25, 5000};
    hot.at90 = 9000;
    auto units = MakeUnitTable(dir, {hot});
    Job job = JobWithLoad(10000); // needs 9000
    ASSERT_TRUE(FindFirstUnit(job, *units));
    EXPECT_EQ(+job.image.unit.minCapacity, 9000);
    job.image.header.designAmbient = 95;
    EXPECT_FALSE(FindFirstUnit(job, *units));
}

TEST(CollectUnitCandidates, WindowUpToAQuarterMore) {
    TempFolder dir;
    // First acceptable 24000: candidates up to 30000; 30001 ends the window.
    auto units = MakeUnitTable(dir, Units({24000, 27000, 30000, 30001}));
    Job job = JobWithLoad(24000); // run hours with one unit stay in the band
    job.image.header.runHours = 20;
    EquipmentState state;
    ASSERT_TRUE(SearchUnits(job, *units, state));
    EXPECT_EQ(+job.image.unit.maxCapacity, 30000);
    int filled = 0;
    for (int32_t rec : state.candidates)
        filled += rec != 0;
    EXPECT_EQ(filled, 3);
}

TEST(CollectUnitCandidates, RunHourBandDropsUnitsTooFarFromTheDesign) {
    TempFolder dir;
    // 30000 BTUH at 18 h: 24000 runs 22.5 h (dropped), 24658 runs 21.9 h (kept).
    auto units = MakeUnitTable(dir, Units({24000, 24658}));
    Job job = JobWithLoad(30000);
    TUnitSelection& u = job.image.unit;
    u.suctionTemp = 25;
    u.capacityColumn = 4;
    u.maxCapacity = 50000;
    units->d4tagSelect(units->d4tag("BTUC"));
    units->d4seekDouble(0);
    u.firstUnitRecord = units->d4recNo();
    EquipmentState state;
    ASSERT_TRUE(CollectUnitCandidates(job, *units, state));
    const UnitList list = BuildUnitList(job, *units, state);
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].runHours, "21.90");
}

TEST(CollectUnitCandidates, EqualCapacitiesKeepTableOrder) {
    TempFolder dir;
    auto units =
        MakeUnitTable(dir, {{"SECOND", 25, 20000}, {"FIRST", 25, 19000}, {"THIRD", 25, 20000}});
    Job job = JobWithLoad(21000);
    EquipmentState state;
    ASSERT_TRUE(SearchUnits(job, *units, state));
    const UnitList list = BuildUnitList(job, *units, state);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[0].model.substr(0, 5), "FIRST");
    EXPECT_EQ(list.rows[1].model.substr(0, 6), "SECOND");
    EXPECT_EQ(list.rows[2].model.substr(0, 5), "THIRD");
}

TEST(CollectUnitCandidates, AtMostThirtyFourCollectedAndTwentyFourListed) {
    TempFolder dir;
    std::vector<UnitRecord> many;
    for (int i = 0; i < 40; ++i)
        many.push_back({"U" + std::to_string(100 + i), 25, 20000 + i});
    auto units = MakeUnitTable(dir, many);
    Job job = JobWithLoad(22000);
    EquipmentState state;
    ASSERT_TRUE(SearchUnits(job, *units, state));
    EXPECT_NE(state.candidates[33], 0);
    EXPECT_EQ(state.candidates[34], 0);
    EXPECT_EQ(BuildUnitList(job, *units, state).rows.size(), 24u);
}

TEST(UnitList, RowTextsAndTheDesiredLine) {
    TempFolder dir;
    UnitRecord unit{"OCH-0200-1M4 -5", 25, 12500, 2.0, "Acme", 1};
    auto units = MakeUnitTable(dir, {unit});
    Job job = JobWithLoad(12000);
    job.image.header.runHours = 16;
    EquipmentState state;
    ASSERT_TRUE(SearchUnits(job, *units, state));
    const UnitList list = BuildUnitList(job, *units, state);
    ASSERT_EQ(list.rows.size(), 1u);
    const UnitRow& row = list.rows[0];
    EXPECT_EQ(row.model, "OCH-0200-1M4 -5     ");
    EXPECT_EQ(row.btuh, "     12500");
    EXPECT_EQ(row.nominalHp, "   2.00");
    EXPECT_EQ(row.runHours, "15.36");
    EXPECT_EQ(row.brand, "Acme      ");
    EXPECT_EQ(row.type, "Welded");
    EXPECT_EQ(list.desired,
              "Desired: 1  Unit for       12000 btuh @  90 Ambient  16 run/Hrs  25 Suction");

    job.image.unit.unitCount = 2;
    EXPECT_EQ(DesiredUnitLine(job.image),
              "Desired:  2 Units for       12000 btuh @  90 Ambient  16run/Hrs  25 Suction");
}

TEST(UnitList, ChoosingARowStoresItAndCancelUndoesTheEntry) {
    TempFolder dir;
    auto units = MakeUnitTable(dir, Units({11000, 12000}));
    Job job = JobWithLoad(12000);
    EquipmentState state;

    BeginUnitSelection(job, state);
    ASSERT_TRUE(ConfirmUnitSelection(job, 1, 10));
    ASSERT_TRUE(SearchUnits(job, *units, state));
    UnitList list = BuildUnitList(job, *units, state);
    ASSERT_EQ(list.rows.size(), 2u);
    TUnitSelection before;
    std::memcpy(&before, &job.image.unit, sizeof before);
    StoreUnitRow(job, list.rows[1]);
    AcceptUnitList(job, before);
    EXPECT_TRUE(job.run.modified);
    EXPECT_EQ(+job.image.unit.unitSelected, 1);
    EXPECT_EQ(+job.image.unit.unitCapacity, 12000);
    EXPECT_EQ(GetText(job.image.unit.unitModel), "OCH-020-1M4 -5      ");
    EXPECT_DOUBLE_EQ(+job.image.unit.unitRunHours, 18.0);

    // The chosen model is preselected next time.
    EXPECT_EQ(BuildUnitList(job, *units, state).selected, 1);

    // A new count and TD, then Cancel in the list: both go back.
    BeginUnitSelection(job, state);
    ASSERT_TRUE(ConfirmUnitSelection(job, 2, 15));
    EXPECT_EQ(+job.image.unit.unitSelected, 0);
    SearchUnits(job, *units, state);
    CancelUnitList(job, state);
    EXPECT_EQ(+job.image.unit.unitCount, 1);
    EXPECT_EQ(+job.image.unit.designTD, 10);
    EXPECT_EQ(+job.image.unit.unitSelected, 1);
}

TEST(UnitSelectionEntry, ZeroUnitsEndsTheCommand) {
    Job job = JobWithLoad(12000);
    job.image.unit.unitSelected = 1;
    job.run.modified = false;
    EXPECT_FALSE(ConfirmUnitSelection(job, 0, 10));
    EXPECT_EQ(+job.image.unit.unitSelected, 0);
    EXPECT_EQ(+job.image.unit.unitCount, 0);
    EXPECT_TRUE(job.run.modified);

    job.run.modified = false;
    job.image.unit.unitCount = 1;
    job.image.unit.unitSelected = 1;
    EXPECT_TRUE(ConfirmUnitSelection(job, 1, 10)); // unchanged entry keeps the selection
    EXPECT_EQ(+job.image.unit.unitSelected, 1);
    EXPECT_FALSE(job.run.modified);
}

} // namespace
