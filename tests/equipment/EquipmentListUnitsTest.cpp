// The unit and coil lists in SI: every figure is the row's imperial figure converted, in the
// column's width, and the rows themselves (what choosing one stores) stay imperial.
#include "equipment/EquipmentListUnits.h"
#include "EquipmentTables.h"
#include "tables/ReferenceTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double WattsPerBtuh = 0.29307107;
constexpr double KilowattsPerHp = 0.7456999;

// `text` right-aligned in `width`, as "%*s" gives it.
std::string RightAligned(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Fixed(double value, int width, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

// What the SI capacity column must show for an imperial capacity text.
std::string WattsText(const std::string& btuh) {
    const double watts = std::strtod(btuh.c_str(), nullptr) * WattsPerBtuh;
    return RightAligned(std::to_string(std::llround(watts)), btuh.size());
}

void ExpectUnitRowInSi(const UnitRow& row) {
    const std::vector<std::string> si = UnitRowTexts(row, UnitSystem::Metric);
    ASSERT_EQ(si.size(), 6u);
    EXPECT_EQ(si[0], row.model);
    EXPECT_EQ(si[1], WattsText(row.btuh)) << row.btuh;
    EXPECT_EQ(si[2], Fixed(std::strtod(row.nominalHp.c_str(), nullptr) * KilowattsPerHp, 7, 2))
        << row.nominalHp;
    EXPECT_EQ(si[3], row.runHours);
    EXPECT_EQ(si[4], row.brand);
    EXPECT_EQ(si[5], row.type);
    EXPECT_EQ(si[1].size(), row.btuh.size());
    EXPECT_EQ(si[2].size(), row.nominalHp.size());
}

void ExpectCoilRowInSi(const CoilRow& row) {
    const std::vector<std::string> si = CoilRowTexts(row, UnitSystem::Metric);
    ASSERT_EQ(si.size(), 7u);
    EXPECT_EQ(si[0], row.model);
    // A TD of 100 F or more is wider than "%5.2f"; the K text keeps the width shown.
    EXPECT_EQ(si[1], Fixed(std::strtod(row.td.c_str(), nullptr) * 5.0 / 9.0,
                           static_cast<int>(row.td.size()), 2))
        << row.td;
    EXPECT_EQ(si[2], row.style);
    EXPECT_EQ(si[3], row.fin);
    EXPECT_EQ(si[4], WattsText(row.btuh)) << row.btuh;
    EXPECT_EQ(si[5], row.defrost);
    EXPECT_EQ(si[6], row.brand);
    EXPECT_EQ(si[1].size(), row.td.size());
    EXPECT_EQ(si[4].size(), row.btuh.size());
}

// Both systems' headings are the titles given, in the same widths; an SI title fits its column
// wherever the imperial one does.
void ExpectColumns(const std::vector<ListColumn>& imperial, const std::vector<ListColumn>& si,
                   const std::vector<std::string>& titles, const std::vector<std::string>& siTitles,
                   const std::vector<int>& widths) {
    ASSERT_EQ(imperial.size(), titles.size());
    ASSERT_EQ(si.size(), titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(imperial[i].title, titles[i]);
        EXPECT_EQ(si[i].title, siTitles[i]);
        EXPECT_EQ(imperial[i].width, widths[i]);
        EXPECT_EQ(si[i].width, widths[i]);
        EXPECT_LE(std::string(si[i].title).size(),
                  std::max(static_cast<std::size_t>(widths[i]), titles[i].size()));
    }
}

TEST(EquipmentListUnits, HeadingsNameTheSiUnitsInTheSameWidths) {
    ExpectColumns(UnitListColumns(UnitSystem::Imperial), UnitListColumns(UnitSystem::Metric),
                  {"Model", "btuh", "Nom HP", "run/hrs", "Brand", "Type"},
                  {"Model", "W", "Nom kW", "run/hrs", "Brand", "Type"}, {14, 12, 7, 6, 8, 6});
    ExpectColumns(CoilListColumns(UnitSystem::Imperial), CoilListColumns(UnitSystem::Metric),
                  {"model", "TD", "style", "fin", "btuh", "defrost", "brand"},
                  {"model", "TD K", "style", "fin", "W", "defrost", "brand"},
                  {10, 4, 9, 4, 12, 7, 10});
}

TEST(EquipmentListUnits, UnitRowsShowWattsAndKilowatts) {
    TempFolder dir;
    auto units = MakeUnitTable(dir, {{"ICH-00830-3M4 -2", 25, 8250, 0.83, "Tundra", 1},
                                     {"BIG", 25, 12000, 57.5, "Acme", 0}});
    Job job = JobWithLoad(8763);
    job.image.header.runHours = 16;
    job.image.unit.capacityColumn = 4;
    EquipmentState state;
    state.candidates[0] = 1;
    state.candidates[1] = 2;
    const UnitList list = BuildUnitList(job, *units, state);
    ASSERT_EQ(list.rows.size(), 2u);

    const std::vector<std::string> imperial = UnitRowTexts(list.rows[0], UnitSystem::Imperial);
    // Table texts keep their fields' widths (MODEL 20, BRAND 10).
    EXPECT_EQ(imperial, (std::vector<std::string>{"ICH-00830-3M4 -2    ", "      8250", "   0.83",
                                                  "16.99", "Tundra    ", "Welded"}));
    EXPECT_EQ(UnitRowTexts(list.rows[0], UnitSystem::Metric),
              (std::vector<std::string>{"ICH-00830-3M4 -2    ", "      2418", "   0.62", "16.99",
                                        "Tundra    ", "Welded"}));
    // 57.5 hp, the largest unit of the shipped catalog.
    EXPECT_EQ(UnitRowTexts(list.rows[1], UnitSystem::Metric)[2], "  42.88");
    for (const UnitRow& row : list.rows)
        ExpectUnitRowInSi(row);
}

TEST(EquipmentListUnits, CoilRowsShowKelvinAndWatts) {
    TempFolder dir;
    auto coils = MakeCoilTable(dir, {{"MPA6-086", 25, 869, "Medium profile", 6, 0, "Boreal"},
                                     {"MPA6-101", 25, 1023, "Medium profile", 6, 0, "Boreal"}});
    Job job = JobWithLoad(8763);
    job.image.unit.unitCapacity = 8250;
    EquipmentState state;
    state.candidates[0] = 1;
    state.candidates[1] = 2;
    const CoilList list = BuildCoilList(job, *coils, state);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(CoilRowTexts(list.rows[0], UnitSystem::Imperial),
              (std::vector<std::string>{"MPA6-086    ", " 9.49", "Medium profile", " 6",
                                        "      8250", "air ", "Boreal    "}));
    // 9.49 F is 5.272 K; the TD shown is the one stored, converted.
    EXPECT_EQ(CoilRowTexts(list.rows[0], UnitSystem::Metric),
              (std::vector<std::string>{"MPA6-086    ", " 5.27", "Medium profile", " 6",
                                        "      2418", "air ", "Boreal    "}));
    for (const CoilRow& row : list.rows)
        ExpectCoilRowInSi(row);
}

// Every unit of the shipped catalog in every ambient column, twelve at a time (the widest
// capacities a list can show), and every coil of the catalog for the largest of them.
TEST(EquipmentListUnits, TheWholeShippedCatalogFitsItsColumnsInSi) {
    ReferenceTables tables = OpenReferenceTables(QUELBOX_BUILD_DATA_DIR);
    ASSERT_TRUE(tables.units) << tables.unitsProblem;
    ASSERT_TRUE(tables.coils) << tables.coilsProblem;

    Job job = JobWithLoad(100000);
    job.image.unit.unitCount = 12;
    long widest = 0;
    std::size_t unitRows = 0;
    const int32_t unitRecords = tables.units->d4recCountDo();
    for (int32_t column = 2; column <= 12; ++column) {
        job.image.unit.capacityColumn = column;
        for (int32_t first = 1; first <= unitRecords; first += UnitListRowLimit) {
            EquipmentState state;
            for (int slot = 0; slot < UnitListRowLimit && first + slot <= unitRecords; ++slot)
                state.candidates[slot] = first + slot;
            const UnitList list = BuildUnitList(job, *tables.units, state);
            for (const UnitRow& row : list.rows) {
                ExpectUnitRowInSi(row);
                widest = std::max(widest, std::strtol(row.btuh.c_str(), nullptr, 10));
            }
            unitRows += list.rows.size();
        }
    }
    EXPECT_EQ(unitRows, static_cast<std::size_t>(unitRecords) * 11);
    // 12 x 387130 BTUH, the largest capacity on file: 1361479 W, still ten characters.
    ASSERT_EQ(widest, 4645560);
    UnitRow big;
    big.btuh = "   4645560";
    big.nominalHp = "  60.00";
    EXPECT_EQ(UnitRowTexts(big, UnitSystem::Metric)[1], "   1361479");

    job.image.unit.unitCapacity = static_cast<int32_t>(widest);
    job.image.coil.coilCount = 12;
    std::size_t coilRows = 0;
    const int32_t coilRecords = tables.coils->d4recCountDo();
    for (int32_t first = 1; first <= coilRecords; first += UnitListRowLimit) {
        EquipmentState state;
        for (int slot = 0; slot < UnitListRowLimit && first + slot <= coilRecords; ++slot)
            state.candidates[slot] = first + slot;
        const CoilList list = BuildCoilList(job, *tables.coils, state);
        for (const CoilRow& row : list.rows)
            ExpectCoilRowInSi(row);
        coilRows += list.rows.size();
    }
    EXPECT_EQ(coilRows, static_cast<std::size_t>(coilRecords));
}

TEST(EquipmentListUnits, DesiredLinesInSi) {
    Job job = JobWithLoad(8763);
    JobImage& im = job.image;
    im.header.runHours = 16;
    im.unit.suctionTemp = 25;
    im.unit.unitCount = 1;
    EXPECT_EQ(DesiredUnitLine(im, UnitSystem::Imperial), DesiredUnitLine(im));
    EXPECT_EQ(DesiredUnitLine(im, UnitSystem::Metric),
              "Desired: 1  Unit for        2568 W @  32.2 \xB0"
              "C Ambient  16 run/Hrs  -3.9 \xB0"
              "C Suction");
    im.unit.unitCount = 3;
    im.header.designAmbient = 130;
    im.unit.suctionTemp = -50;
    EXPECT_EQ(DesiredUnitLine(im, UnitSystem::Imperial), DesiredUnitLine(im));
    EXPECT_EQ(DesiredUnitLine(im, UnitSystem::Metric),
              "Desired:  3 Units for        2568 W @  54.4 \xB0"
              "C Ambient  16 run/Hrs -45.6 \xB0"
              "C Suction");

    im.coil.coilCount = 1;
    im.unit.unitCapacity = 8250;
    im.unit.designTD = 10;
    EXPECT_EQ(DesiredCoilLine(im, UnitSystem::Imperial), DesiredCoilLine(im));
    EXPECT_EQ(DesiredCoilLine(im, UnitSystem::Metric),
              "Desired:  1 Coils for       2418 W @  5.56 K TD");
    im.coil.coilCount = 12;
    im.unit.designTD = 45;
    EXPECT_EQ(DesiredCoilLine(im, UnitSystem::Metric),
              "Desired: 12 Coils for       2418 W @ 25.00 K TD");
}

} // namespace
