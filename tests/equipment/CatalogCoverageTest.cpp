// Coverage of the shipped catalog: common walk-in boxes, made by the New Job path as
// `quelbox-cli new` makes them, searched for units and coils by the program's own searches.

#include "TempFolder.h"
#include "cli/NewJob.h"
#include "equipment/CoilList.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitList.h"
#include "equipment/UnitSearch.h"
#include "job/DefaultsFile.h"
#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int BoxTemps[] = {-30, -25, -20, -15, -10, -5, 0,  5,  10, 15, 20,
                            25,  28,  30,  32,  34,  35, 38, 40, 45, 50, 55};

struct Size {
    double length, width, height;
};
constexpr Size Sizes[] = {{6, 6, 7},    {8, 8, 8},    {8, 10, 8},   {10, 12, 8},
                          {12, 14, 9},  {16, 20, 10}, {20, 24, 12}, {24, 30, 14},
                          {30, 40, 16}, {40, 50, 18}, {60, 50, 20}, {80, 60, 24}};

constexpr int DesignTD = 10;
constexpr int MaxUnits = 3;
constexpr int MaxCoils = 12; // the most the Coil Selection dialog takes

struct BoxOutcome {
    bool unit = false;     // a unit at some count from 1 to 3
    bool twoUnits = false; // a list of two or more units at some count
    bool coil = false;     // a coil for the first unit of such a list
    int32_t coilCount = 0; // the fewest coils that found one
};

// Unit Search with `unitCount` units, then Coil Search for the first unit listed with 1, 2, ...
// coils until one is found.
void SearchAtCount(Job job, int32_t unitCount, Table& units, Table& coils, BoxOutcome& outcome) {
    EquipmentState state;
    BeginUnitSelection(job, state);
    if (!ConfirmUnitSelection(job, unitCount, DesignTD) || !SearchUnits(job, units, state))
        return;
    const UnitList list = BuildUnitList(job, units, state);
    if (list.rows.empty())
        return;
    outcome.unit = true;
    outcome.twoUnits = outcome.twoUnits || list.rows.size() >= 2;
    if (outcome.coil)
        return;
    TUnitSelection before;
    std::memcpy(&before, &job.image.unit, sizeof before);
    StoreUnitRow(job, list.rows.front());
    AcceptUnitList(job, before);
    if (CheckUnitSelection(job, state) != 1)
        return;
    for (int32_t coilCount = 1; coilCount <= MaxCoils; ++coilCount) {
        BeginCoilSelection(job, state);
        if (ConfirmCoilSelection(job, coilCount) && SearchCoils(job, coils, state) &&
            !BuildCoilList(job, coils, state).rows.empty()) {
            outcome.coil = true;
            outcome.coilCount = coilCount;
            return;
        }
    }
}

class CatalogCoverage : public ::testing::TestWithParam<int> {};

TEST_P(CatalogCoverage, CommonBoxesFindUnitsAndCoils) {
    const int ambient = GetParam();
    TempFolder dir;
    std::string message;
    ASSERT_TRUE(
        RestoreMissingTable(dir.Path(), ReferenceTable::Insul, ShippedTableFolders(), message))
        << message;
    std::unique_ptr<Table> insul = OpenReferenceTable(dir.Path(), ReferenceTable::Insul, message);
    ASSERT_TRUE(insul) << message;
    ReferenceTables tables = OpenReferenceTables(QUELBOX_BUILD_DATA_DIR);
    ASSERT_TRUE(tables.units) << tables.unitsProblem;
    ASSERT_TRUE(tables.coils) << tables.coilsProblem;
    // The design ambient comes from the user's defaults, as in the program.
    TDefaults defaults = BuiltInDefaults();
    defaults.defaultAmbient = ambient;
    ASSERT_TRUE(WriteDefaultsFile(defaults, dir.File("DEFAULTS.KVI")).ok);

    int boxes = 0, withUnit = 0, withTwo = 0, withCoil = 0, mostCoils = 0;
    for (const int boxTemp : BoxTemps) {
        for (const Size& size : Sizes) {
            Job job;
            std::vector<std::string> warnings;
            ASSERT_TRUE(MakeNewJob(job, {boxTemp, size.length, size.width, size.height, {}, ""},
                                   dir.File("DEFAULTS.KVI"), insul.get(), warnings));
            ASSERT_TRUE(warnings.empty()) << warnings.front();
            ASSERT_EQ(+job.image.header.designAmbient, ambient);
            BoxOutcome outcome;
            for (int32_t count = 1; count <= MaxUnits; ++count)
                SearchAtCount(job, count, *tables.units, *tables.coils, outcome);
            const std::string box = std::to_string(boxTemp) + " F " +
                                    std::to_string(static_cast<int>(size.length)) + "x" +
                                    std::to_string(static_cast<int>(size.width)) + "x" +
                                    std::to_string(static_cast<int>(size.height)) + " ft, " +
                                    std::to_string(+job.image.totals.totalLoad) + " BTUH";
            EXPECT_TRUE(outcome.unit) << box << ": no unit";
            EXPECT_TRUE(outcome.coil) << box << ": no coil for the first unit";
            ++boxes;
            withUnit += outcome.unit;
            withTwo += outcome.twoUnits;
            withCoil += outcome.coil;
            mostCoils = std::max(mostCoils, outcome.coilCount);
        }
    }
    ASSERT_EQ(boxes, 264);
    EXPECT_GE(withTwo * 100, boxes * 95) << withTwo << " of " << boxes << " with two units";
    std::printf("ambient %d F: %d boxes, unit %d (%.1f %%), two or more units %d (%.1f %%), "
                "coil %d (%.1f %%), at most %d coils\n",
                ambient, boxes, withUnit, 100.0 * withUnit / boxes, withTwo,
                100.0 * withTwo / boxes, withCoil, 100.0 * withCoil / boxes, mostCoils);
}

INSTANTIATE_TEST_SUITE_P(DesignAmbients, CatalogCoverage,
                         ::testing::Values(85, 90, 95, 100, 105, 110, 115),
                         [](const auto& info) { return std::to_string(info.param) + "F"; });

} // namespace
