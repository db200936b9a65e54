#include "equipment/SpotSearch.h"
#include "EquipmentTables.h"
#include "equipment/CoilList.h"
#include "equipment/UnitList.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> Bytes(const Job& job) {
    const auto* p = reinterpret_cast<const unsigned char*>(&job.image);
    return {p, p + sizeof job.image};
}

Job JobWithASelection() {
    Job job = JobWithLoad(18000);
    job.image.unit.unitSelected = 1;
    job.image.unit.unitCapacity = 19000;
    SetText(job.image.unit.unitModel, "KEEP-ME");
    job.image.coil.coilSelected = 1;
    job.image.coil.coilRating = 1900;
    job.run.modified = false;
    return job;
}

TEST(SpotUnit, SearchesTheEnteredSuctionAndPutsTheJobBack) {
    TempFolder dir;
    auto units = MakeUnitTable(dir, {{"S25", 25, 10000}, {"S35", 35, 10000}});
    Job job = JobWithASelection();
    const auto before = Bytes(job);
    EquipmentState state;
    SpotEntries entries;
    entries.unit = {1, 10000, 18, 25};
    std::vector<std::string> shown;
    const bool found = SpotUnitSearch(job, *units, state, entries, [&](Job& j, EquipmentState& s) {
        EXPECT_EQ(+j.image.header.boxTemp, 35);
        EXPECT_EQ(+j.image.unit.suctionTemp, 25);
        const UnitList list = BuildUnitList(j, *units, s);
        for (const UnitRow& row : list.rows)
            shown.push_back(row.model.substr(0, 3));
        // The user picks the row: it must not stay in the job.
        TUnitSelection picked;
        std::memcpy(&picked, &j.image.unit, sizeof picked);
        StoreUnitRow(j, list.rows.at(0));
        AcceptUnitList(j, picked);
    });
    EXPECT_TRUE(found);
    EXPECT_EQ(shown, std::vector<std::string>{"S25"});
    EXPECT_EQ(Bytes(job), before);
    EXPECT_FALSE(job.run.modified);
}

TEST(SpotUnit, NoMatchLeavesTheJobAsItWas) {
    TempFolder dir;
    auto units = MakeUnitTable(dir, {{"S25", 25, 10000}});
    Job job = JobWithASelection();
    const auto before = Bytes(job);
    EquipmentState state;
    SpotEntries entries;
    entries.unit = {1, 10000, 18, -40}; // no class -40 unit in the table
    bool shown = false;
    EXPECT_FALSE(
        SpotUnitSearch(job, *units, state, entries, [&](Job&, EquipmentState&) { shown = true; }));
    EXPECT_FALSE(shown);
    EXPECT_EQ(Bytes(job), before);
}

TEST(SpotCoil, SuctionClassFromBoxPlusTenAndTheWindow) {
    TempFolder dir;
    // 20000 BTUH, one coil, TD 10: ratings above 1900 up to 2400 of class 35.
    auto coils = MakeCoilTable(dir, {{"C1900", 35, 1900},
                                     {"C1901", 35, 1901},
                                     {"C2400", 35, 2400},
                                     {"C2401", 35, 2401},
                                     {"X2000", 30, 2000}});
    Job job = JobWithASelection();
    const auto before = Bytes(job);
    EquipmentState state;
    SpotEntries entries;
    entries.coil = {1, 10, 20000, 35};
    std::vector<std::string> shown;
    EXPECT_TRUE(SpotCoilSearch(job, *coils, state, entries, [&](Job& j, EquipmentState& s) {
        EXPECT_EQ(+j.image.unit.suctionTemp, 35);
        EXPECT_EQ(+j.image.coil.maxCoilRating, 2400);
        for (const CoilRow& row : BuildCoilList(j, *coils, s).rows)
            shown.push_back(row.model.substr(0, 5));
    }));
    EXPECT_EQ(shown, (std::vector<std::string>{"C1901", "C2400"}));
    EXPECT_EQ(Bytes(job), before);

    entries.coil = {1, 15, 20000, 35}; // TD 15: class 30
    shown.clear();
    SpotCoilSearch(job, *coils, state, entries,
                   [&](Job& j, EquipmentState&) { EXPECT_EQ(+j.image.unit.suctionTemp, 30); });
    EXPECT_EQ(Bytes(job), before);
}

TEST(SpotCoil, NoMatchReportsFailure) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"C5000", 35, 5000}});
    Job job = JobWithASelection();
    const auto before = Bytes(job);
    EquipmentState state;
    SpotEntries entries;
    entries.coil = {1, 10, 20000, 35};
    EXPECT_FALSE(SpotCoilSearch(job, *coils, state, entries, nullptr));
    EXPECT_EQ(Bytes(job), before);
}

} // namespace
