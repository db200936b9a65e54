#include "TableTestSupport.h"
#include "TempFolder.h"
#include "tables/InsulationMaintenance.h"
#include "tables/InsulationTable.h"
#include "tables/SurfaceInsulation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

using ::testing::ElementsAre;

TInsulEdit EditOf(const char* name, double factor, bool uFactor = false) {
    TInsulEdit edit = InsulationMaintenance::BlankEdit();
    std::strncpy(edit.name, name, sizeof edit.name - 1);
    edit.factor = factor;
    edit.kFlag = uFactor ? 0 : 1;
    edit.uFlag = uFactor ? 1 : 0;
    return edit;
}

class Insulation : public ::testing::Test {
protected:
    void SetUp() override {
        insul = MakeInsulTable(dir.Path(), {{"Styrofoam", 0.24, 'K'},
                                            {"Cork board", 0.30, 'K'},
                                            {"Odd kind", 0.50, 'X'},
                                            {"Brick 8\" wall", 0.41, 'U'}});
        ASSERT_NE(insul, nullptr);
        path = dir.File("INSUL.DAT");
    }
    TempFolder dir;
    std::string path;
    std::unique_ptr<Table> insul;
};

TEST_F(Insulation, ListRowsAreInNameOrderWithTheirFormats) {
    const std::vector<InsulationListRow> rows = InsulationListRows(*insul);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].name, "Brick 8\" wall             ");
    EXPECT_EQ(rows[0].factor, "  0.41 U");
    EXPECT_EQ(rows[1].name.substr(0, 10), "Cork board");
    EXPECT_EQ(rows[3].factor, "  0.24 K");
}

TEST(InsulationFactorText, SiFactorFollowsTheKind) {
    const InsulationListRow k{"Foam", FormatInsulationFactor(0.25, 'K'), 0.25, 'K'};
    const InsulationListRow u{"Panel", FormatInsulationFactor(0.05, 'U'), 0.05, 'U'};
    EXPECT_EQ(InsulationFactorIn(k, UnitSystem::Imperial), "  0.25 K");
    EXPECT_EQ(InsulationFactorIn(k, UnitSystem::Metric), " 0.036 K"); // 0.03606 W/(m.K)
    EXPECT_EQ(InsulationFactorIn(u, UnitSystem::Metric), " 0.284 U"); // 0.28391 W/(m2.K)
}

// A list in SI shows K- and U-factors in one column: its title names the unit of each kind, and the
// column is wide enough for the title.
TEST(InsulationFactorText, SiColumnTitleNamesTheUnitOfEachKind) {
    const InsulationFactorColumn imperial = FactorColumnIn(UnitSystem::Imperial);
    EXPECT_EQ(imperial.title, "Factor");
    EXPECT_EQ(imperial.width, 8);
    const InsulationFactorColumn si = FactorColumnIn(UnitSystem::Metric);
    EXPECT_EQ(si.title, "Factor  K: W/(m\xB7K)  U: W/(m\xB2\xB7K)");
    EXPECT_GE(si.width, static_cast<int>(si.title.size()));
}

TEST_F(Insulation, PickingARowPositionsOnThatRecordOfTheNameOrder) {
    ASSERT_TRUE(GoToInsulationRow(*insul, 2));
    EXPECT_EQ(insul->d4recNo(), 3); // "Odd kind"
    EXPECT_EQ(InsulationRowOf(*insul, 3), 2);
    EXPECT_FALSE(GoToInsulationRow(*insul, 4));
    EXPECT_TRUE(insul->d4eof());
    EXPECT_FALSE(GoToInsulationRow(*insul, -1));
    EXPECT_EQ(InsulationRowOf(*insul, 99), -1);
}

TEST_F(Insulation, ShortNamesAndZeroFactorsAreNotSaved) {
    const auto before = ReadBytes(path);
    InsulationMaintenance dialog(*insul);
    EXPECT_FALSE(dialog.Add(EditOf("ab", 0.2)));
    EXPECT_FALSE(dialog.Add(EditOf("  ab  ", 0.2)));
    EXPECT_FALSE(dialog.Add(EditOf("Mineral wool", 0.0)));
    EXPECT_FALSE(dialog.Add(EditOf("Mineral wool", 120.01)));
    EXPECT_EQ(dialog.rows().size(), 4u);
    EXPECT_EQ(insul->d4recCountDo(), 4);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(Insulation, AnAddedNameIsCapitalisedAndListedBehindOneBlank) {
    InsulationMaintenance dialog(*insul);
    ASSERT_TRUE(dialog.Add(EditOf("urethane foam", 0.15)));
    ASSERT_EQ(dialog.rows().size(), 5u);
    EXPECT_EQ(dialog.rows()[4].name, " Urethane foam");
    EXPECT_EQ(dialog.rows()[4].factor, "  0.15 K");
    ASSERT_EQ(dialog.Close(), r4success);
    EXPECT_THAT(InsulNames(*insul), ElementsAre("Brick 8\" wall", "Cork board", "Odd kind",
                                                "Styrofoam", "Urethane foam"));
    ASSERT_EQ(insul->d4seek("Urethane foam"), r4success);
    EXPECT_EQ(insul->f4char("KU"), 'K');
    EXPECT_EQ(insul->f4double("FACTOR"), 0.15);
}

TEST_F(Insulation, TheListShowsPhysicalOrderAndMarksDeletedRecords) {
    {
        InsulationMaintenance dialog(*insul);
        ASSERT_TRUE(dialog.ToggleDeleted(1));
        EXPECT_EQ(dialog.rows()[1].name, "@Cork board                ");
        EXPECT_EQ(insul->d4tagSelected(), nullptr);
        // Reopened before the pack, the dialog still shows the mark.
        InsulationMaintenance again(*insul);
        EXPECT_EQ(again.rows()[0].name, " Styrofoam                 ");
        EXPECT_EQ(again.rows()[1].name[0], '@');
    }
}

TEST_F(Insulation, DeleteTwiceKeepsTheRecordDeleteOnceAndCloseRemovesIt) {
    InsulationMaintenance dialog(*insul);
    ASSERT_TRUE(dialog.ToggleDeleted(0));
    ASSERT_TRUE(dialog.ToggleDeleted(0));
    EXPECT_EQ(dialog.rows()[0].name[0], ' ');
    ASSERT_TRUE(dialog.ToggleDeleted(3));
    ASSERT_EQ(dialog.Close(), r4success);
    EXPECT_EQ(insul->d4tagSelected(), insul->d4tag(InsulTagName));
    EXPECT_THAT(InsulNames(*insul), ElementsAre("Cork board", "Odd kind", "Styrofoam"));
}

TEST_F(Insulation, AnOddKindOpensAsUFactorAndIsWrittenBackAsU) {
    InsulationMaintenance dialog(*insul);
    TInsulEdit edit{};
    ASSERT_TRUE(dialog.LoadForEdit(2, edit));
    EXPECT_EQ(std::string(edit.name), "Odd kind                  ");
    EXPECT_EQ(+edit.factor, 0.5);
    EXPECT_EQ(+edit.kFlag, 0);
    EXPECT_EQ(+edit.uFlag, 1);
    ASSERT_TRUE(dialog.Edit(2, edit));
    EXPECT_EQ(dialog.rows()[2].factor, "  0.50 U");
    ASSERT_EQ(insul->d4go(3), r4success);
    EXPECT_EQ(insul->f4char("KU"), 'U');
    TInsulEdit kRecord{};
    ASSERT_TRUE(dialog.LoadForEdit(0, kRecord));
    EXPECT_EQ(+kRecord.kFlag, 1);
    EXPECT_FALSE(dialog.LoadForEdit(4, kRecord));
}

TEST_F(Insulation, ARejectedEditLeavesTheRecord) {
    InsulationMaintenance dialog(*insul);
    EXPECT_FALSE(dialog.Edit(0, EditOf("Styrofoam", 0.0)));
    EXPECT_FALSE(dialog.Edit(7, EditOf("Styrofoam", 0.3)));
    ASSERT_EQ(insul->d4go(1), r4success);
    EXPECT_EQ(insul->f4double("FACTOR"), 0.24);
    EXPECT_EQ(dialog.rows()[0].factor, "  0.24 K");
}

TEST_F(Insulation, AnEditedRecordThatIsMarkedKeepsItsMark) {
    InsulationMaintenance dialog(*insul);
    ASSERT_TRUE(dialog.ToggleDeleted(0));
    ASSERT_TRUE(dialog.Edit(0, EditOf("styrofoam block", 0.25)));
    EXPECT_EQ(dialog.rows()[0].name, "@Styrofoam block");
    ASSERT_EQ(dialog.Close(), r4success);
    EXPECT_THAT(InsulNames(*insul), ElementsAre("Brick 8\" wall", "Cork board", "Odd kind"));
}

TEST_F(Insulation, FindOrAddAppendsOnlyAcceptableEntries) {
    EXPECT_EQ(FindOrAddInsulation(*insul, "Cork board", 9.0, 'U'), 2);
    const int32_t added = FindOrAddInsulation(*insul, "Concrete 6\" slab", 0.21, 'U');
    EXPECT_EQ(added, 5);
    EXPECT_EQ(insul->f4double("FACTOR"), 0.21);
    EXPECT_EQ(FindOrAddInsulation(*insul, "  ", 0.21, 'U'), 0);
    EXPECT_EQ(FindOrAddInsulation(*insul, "Nothing", 0.0, 'K'), 0);
    EXPECT_EQ(insul->d4recCountDo(), 5);
}

TEST_F(Insulation, ASurfaceTakesTheRecordAtItsRow) {
    TSurface surface{};
    surface.thickness = 4.0;
    ASSERT_TRUE(SelectSurfaceInsulation(surface, *insul, 1));
    EXPECT_EQ(std::string(surface.insulationName, 26), "Cork board                ");
    EXPECT_EQ(surface.terminator, 0);
    EXPECT_EQ(+surface.factor, 0.30);
    EXPECT_EQ(surface.factorKind, 'K');
    EXPECT_EQ(+surface.insulationRow, 1);

    const TSurface before = surface;
    EXPECT_FALSE(SelectSurfaceInsulation(surface, *insul, 4)); // the table shrank
    EXPECT_EQ(std::memcmp(&before, &surface, sizeof surface), 0);
}

TEST_F(Insulation, ChoicesGoIntoAllSixSurfaces) {
    JobImage image{};
    SurfaceChoice choices[SurfaceCount];
    for (int s = 0; s < SurfaceCount; ++s)
        choices[s] = {s % 4, 1.0 + s, 50 + s};
    choices[Floor].row = 9;
    const FileResult result = ApplyInsulationChoices(image, insul.get(), choices);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("has no row 9"), std::string::npos);
    EXPECT_EQ(image.surfaces[EastWall].factorKind, 'X'); // copied as the table holds it
    EXPECT_EQ(std::string(image.surfaces[WestWall].insulationName, 9), "Styrofoam");
    EXPECT_EQ(+image.surfaces[Roof].thickness, 5.0);
    EXPECT_EQ(+image.surfaces[Floor].adjacentTemp, 55);
    EXPECT_EQ(image.surfaces[Floor].insulationName[0], 0); // kept its (empty) insulation

    JobImage untouched{};
    EXPECT_FALSE(ApplyInsulationChoices(untouched, nullptr, choices).ok);
    EXPECT_EQ(+untouched.surfaces[0].thickness, 0.0);
}

} // namespace
