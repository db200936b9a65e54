#include "calc/ProductLoad.h"
#include "calc/Totals.h"
#include "equipment/CoilList.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitList.h"
#include "equipment/UnitSearch.h"
#include "job/ClearJob.h"
#include "job/FixedText.h"
#include "tables/ReferenceTables.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A box as New Job makes it with the built-in defaults, the general-storage product filled in.
Job Box(double length, double width, double height, int boxTemp) {
    Job job;
    ClearJob(job, BuiltInDefaults());
    TJobHeader& h = job.image.header;
    h.length = length;
    h.width = width;
    h.height = height;
    h.volume = length * width * height;
    h.boxTemp = boxTemp;
    h.runHours = boxTemp > 32 ? 16 : 18;
    for (int i = NorthWall; i <= Floor; ++i) {
        TSurface& s = job.image.surfaces[i];
        s.factor = i == Floor ? (boxTemp > 32 ? 0.21 : 0.04) : 0.2;
        s.factorKind = i == Floor ? 'U' : 'K';
        s.thickness = boxTemp > 32 ? 3.5 : 4.0;
        s.adjacentTemp = i == Floor ? 55 : 90;
    }
    ResetProducts(job.image, boxTemp);
    const int32_t pounds = EstimateProductCapacity(h);
    job.image.products[0].quantity = pounds;
    job.image.products[0].productWeight = pounds;
    job.image.flags.jobLoaded = 1;
    RefreshLoads(job);
    return job;
}

class ShippedCatalog
    : public ::testing::TestWithParam<std::tuple<double, double, double, int, int>> {};

TEST_P(ShippedCatalog, CommonBoxesFindUnitsAndCoils) {
    ReferenceTables tables = OpenReferenceTables(QUELBOX_BUILD_DATA_DIR);
    ASSERT_TRUE(tables.units) << tables.unitsProblem;
    ASSERT_TRUE(tables.coils) << tables.coilsProblem;
    const auto [length, width, height, boxTemp, coilCount] = GetParam();
    Job job = Box(length, width, height, boxTemp);
    ASSERT_GT(+job.image.totals.totalLoad, 0);

    EquipmentState state;
    ASSERT_TRUE(SearchUnits(job, *tables.units, state)) << DesiredUnitLine(job.image);
    const UnitList units = BuildUnitList(job, *tables.units, state);
    ASSERT_FALSE(units.rows.empty());
    TUnitSelection before;
    std::memcpy(&before, &job.image.unit, sizeof before);
    StoreUnitRow(job, units.rows[static_cast<std::size_t>(units.selected)]);
    AcceptUnitList(job, before);
    ASSERT_EQ(CheckUnitSelection(job, state), 1);
    // The unit covers the load within the run-hour band.
    EXPECT_NEAR(+job.image.unit.unitRunHours, +job.image.header.runHours, 4.0);

    BeginCoilSelection(job, state);
    ASSERT_TRUE(ConfirmCoilSelection(job, coilCount));
    ASSERT_TRUE(SearchCoils(job, *tables.coils, state)) << DesiredCoilLine(job.image);
    const CoilList coils = BuildCoilList(job, *tables.coils, state);
    ASSERT_FALSE(coils.rows.empty());
    const double td = std::strtod(coils.rows[0].td.c_str(), nullptr);
    EXPECT_GT(td, 5.0);
    EXPECT_LT(td, 20.0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ShippedCatalog,
                         ::testing::Values(std::make_tuple(10.0, 8.0, 8.0, 35, 1),
                                           std::make_tuple(20.0, 20.0, 10.0, -10, 1),
                                           // a box this large shares its load among two coils
                                           std::make_tuple(40.0, 30.0, 16.0, 35, 2)));

} // namespace
