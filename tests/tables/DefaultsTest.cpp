#include "TableTestSupport.h"
#include "TempFolder.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "tables/JobDefaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string Name(const TSurface& s) {
    std::string name(s.insulationName, sizeof s.insulationName);
    return name.erase(name.find_last_not_of(' ') + 1);
}

class Defaults : public ::testing::Test {
protected:
    void SetUp() override {
        insul = MakeInsulTable(dir.Path(), {{"Styrofoam", 0.24, 'K'},
                                            {"Polystyrene,molded", 0.20, 'K'},
                                            {"Cork board", 0.30, 'K'}});
        ASSERT_NE(insul, nullptr);
        defaultsPath = dir.File("DEFAULTS.KVI");
    }
    TempFolder dir;
    std::string defaultsPath;
    std::unique_ptr<Table> insul;
    Job job;
    TDefaults defaults = BuiltInDefaults();
};

TEST_F(Defaults, WithoutAFileANewCoolerGetsTheBuiltInWallsAndTheCoolerFloor) {
    ASSERT_TRUE(ResetJobToDefaults(job, defaults, defaultsPath, insul.get()).ok);
    ASSERT_TRUE(ApplyCoolerDefaults(job, defaults, insul.get()).ok);
    const JobImage& im = job.image;
    EXPECT_EQ(+im.header.runHours, 16);
    for (int s = NorthWall; s <= Roof; ++s) {
        EXPECT_EQ(Name(im.surfaces[s]), "Polystyrene,molded");
        EXPECT_EQ(+im.surfaces[s].thickness, 3.5);
        EXPECT_EQ(+im.surfaces[s].adjacentTemp, 90);
        EXPECT_EQ(+im.surfaces[s].factor, 0.2);
        EXPECT_EQ(+im.surfaces[s].insulationRow, 1); // after "Cork board"
    }
    EXPECT_EQ(Name(im.surfaces[Floor]), "Concrete 6\" slab");
    EXPECT_EQ(+im.surfaces[Floor].factor, 0.21);
    EXPECT_EQ(im.surfaces[Floor].factorKind, 'U');
    EXPECT_EQ(+im.surfaces[Floor].thickness, 1.0);
    EXPECT_EQ(+im.surfaces[Floor].adjacentTemp, 55);
    EXPECT_EQ(+im.surfaces[Floor].insulationRow, 0); // "Concrete..." sorts first
}

TEST_F(Defaults, ANewFreezerGetsFourInchesTheFreezerFloorAndEighteenHours) {
    ASSERT_TRUE(ResetJobToDefaults(job, defaults, defaultsPath, insul.get()).ok);
    ASSERT_TRUE(ApplyFreezerDefaults(job, defaults, insul.get()).ok);
    EXPECT_EQ(+job.image.header.runHours, 18);
    EXPECT_EQ(+job.image.surfaces[NorthWall].thickness, 4.0);
    EXPECT_EQ(Name(job.image.surfaces[Floor]), "Concrete w/ 6\" styrene");
    EXPECT_EQ(+job.image.surfaces[Floor].factor, 0.04);
}

TEST_F(Defaults, ATableWithoutTheFloorsGainsThemOnce) {
    ASSERT_TRUE(ApplyCoolerDefaults(job, defaults, insul.get()).ok);
    ASSERT_TRUE(ApplyFreezerDefaults(job, defaults, insul.get()).ok);
    ASSERT_TRUE(ApplyCoolerDefaults(job, defaults, insul.get()).ok);
    EXPECT_THAT(InsulNames(*insul), ElementsAre("Concrete 6\" slab", "Concrete w/ 6\" styrene",
                                                "Cork board", "Polystyrene,molded", "Styrofoam"));
}

TEST_F(Defaults, TheDesignConditionsComeFromTheDefaults) {
    defaults.defaultAmbient = 100;
    defaults.designRelHum = 55;
    defaults.defaultBoxRelHum = 85;
    ASSERT_TRUE(WriteDefaultsFile(defaults, defaultsPath).ok);
    TDefaults loaded = BuiltInDefaults();
    ASSERT_TRUE(ResetJobToDefaults(job, loaded, defaultsPath, insul.get()).ok);
    EXPECT_EQ(+job.image.header.designAmbient, 100);
    EXPECT_EQ(+job.image.header.boxRelHum, 85);
    EXPECT_EQ(+job.image.airChangeEntry.infiltratingTemp, 100);
    EXPECT_EQ(+job.image.airVelocityEntry.infiltratingRelHum, 55);
}

TEST_F(Defaults, WallsFromTheFileTakeTheTableRecordAndItsRow) {
    SetPadded(defaults.coolerWallName, "Styrofoam", 26);
    defaults.coolerWallFactor = 9.99; // the table's factor wins
    defaults.coolerWallInches = 6.0;
    SetPadded(defaults.freezerWallName, "Cork board", 26);
    ASSERT_TRUE(WriteDefaultsFile(defaults, defaultsPath).ok);
    TDefaults loaded = BuiltInDefaults();
    ASSERT_TRUE(ResetJobToDefaults(job, loaded, defaultsPath, insul.get()).ok);
    EXPECT_EQ(GetText(loaded.coolerWallName), "Styrofoam                 ");
    EXPECT_EQ(+loaded.coolerWallFactor, 0.24);
    EXPECT_EQ(+loaded.coolerInsulationIndex, 2);
    EXPECT_EQ(+loaded.freezerInsulationIndex, 0);
    ASSERT_TRUE(ApplyCoolerDefaults(job, loaded, insul.get()).ok);
    EXPECT_EQ(Name(job.image.surfaces[Roof]), "Styrofoam");
    EXPECT_EQ(+job.image.surfaces[Roof].thickness, 6.0);
    EXPECT_EQ(+job.image.surfaces[Roof].insulationRow, 2);
}

TEST_F(Defaults, AWallTheTableLacksIsAdded) {
    SetPadded(defaults.freezerWallName, "Polyurethane board", 26);
    defaults.freezerWallFactor = 0.16;
    ASSERT_TRUE(WriteDefaultsFile(defaults, defaultsPath).ok);
    TDefaults loaded = BuiltInDefaults();
    ASSERT_TRUE(ResetJobToDefaults(job, loaded, defaultsPath, insul.get()).ok);
    ASSERT_EQ(FindInsulation(*insul, "Polyurethane board"), 4);
    EXPECT_EQ(insul->f4double("FACTOR"), 0.16);
    EXPECT_EQ(insul->f4char("KU"), 'K');
    EXPECT_EQ(+loaded.freezerInsulationIndex, 2);
}

TEST_F(Defaults, AWallTheTableCannotTakeFallsBackToTheBuiltInWall) {
    std::memset(defaults.coolerWallName, ' ', 26); // a blank name
    defaults.coolerWallFactor = 0.3;
    SetPadded(defaults.freezerWallName, "Unknown foam", 26);
    defaults.freezerWallFactor = std::nan("");
    ASSERT_TRUE(WriteDefaultsFile(defaults, defaultsPath).ok);
    TDefaults loaded{};
    ASSERT_TRUE(ResetJobToDefaults(job, loaded, defaultsPath, insul.get()).ok);
    EXPECT_EQ(GetText(loaded.coolerWallName), "Polystyrene,molded        ");
    EXPECT_EQ(GetText(loaded.freezerWallName), "Polystyrene,molded        ");
    EXPECT_EQ(+loaded.freezerWallFactor, 0.2);
    EXPECT_EQ(insul->d4recCountDo(), 3);
}

TEST_F(Defaults, AShortFileLeavesTheRestAsItWas) {
    TDefaults onDisk = BuiltInDefaults();
    onDisk.coolerWallInches = 5.5; // offset 36, inside the short file
    onDisk.defaultBoxRelHum = 70;  // offset 112, past it
    WriteBytes(defaultsPath,
               std::vector<unsigned char>(reinterpret_cast<unsigned char*>(&onDisk),
                                          reinterpret_cast<unsigned char*>(&onDisk) + 50));
    TDefaults loaded = BuiltInDefaults();
    loaded.defaultBoxRelHum = 77;
    ASSERT_TRUE(ReadDefaultsFile(loaded, defaultsPath).ok);
    EXPECT_EQ(+loaded.coolerWallInches, 5.5);
    EXPECT_EQ(+loaded.defaultBoxRelHum, 77);
}

TEST_F(Defaults, TheFileIsTheRecordByteForByte) {
    defaults.designRelHum = 44;
    ASSERT_TRUE(WriteDefaultsFile(defaults, defaultsPath).ok);
    const auto bytes = ReadBytes(defaultsPath);
    ASSERT_EQ(bytes.size(), 116u);
    EXPECT_EQ(std::memcmp(bytes.data(), &defaults, 116), 0);
    EXPECT_EQ(bytes[108], 44);
    const FileResult failed = WriteDefaultsFile(defaults, dir.File("no/such/DEFAULTS.KVI"));
    EXPECT_FALSE(failed.ok);
    EXPECT_THAT(failed.message, HasSubstr("DEFAULTS.KVI"));
}

TEST_F(Defaults, WithoutTheTableTheJobIsResetAndTheResultSaysSo) {
    job.image.header.boxTemp = -20;
    const FileResult reset = ResetJobToDefaults(job, defaults, defaultsPath, nullptr);
    EXPECT_FALSE(reset.ok);
    EXPECT_THAT(reset.message, HasSubstr("INSUL.DAT"));
    EXPECT_EQ(+job.image.header.boxTemp, 35);
    const FileResult cooler = ApplyCoolerDefaults(job, defaults, nullptr);
    EXPECT_FALSE(cooler.ok);
    EXPECT_EQ(Name(job.image.surfaces[Floor]), "Concrete 6\" slab");
    EXPECT_EQ(+job.image.surfaces[Floor].factor, 0.21);
}

TEST_F(Defaults, SaveStoresTheChosenRowsAndWritesTheFile) {
    const DefaultsDialogValues values{2, 4.5, 95, 0, 6.0, 80, 95, 65, 88};
    ASSERT_TRUE(SaveDefaultsFromDialog(defaults, values, insul.get(), defaultsPath).ok);
    TDefaults saved{};
    ASSERT_TRUE(ReadDefaultsFile(saved, defaultsPath).ok);
    EXPECT_EQ(GetText(saved.coolerWallName), "Styrofoam                 ");
    EXPECT_EQ(+saved.coolerWallFactor, 0.24);
    EXPECT_EQ(+saved.coolerInsulationIndex, 2);
    EXPECT_EQ(GetText(saved.freezerWallName), "Cork board                ");
    EXPECT_EQ(+saved.freezerWallInches, 6.0);
    EXPECT_EQ(+saved.freezerAdjacentTemp, 80);
    EXPECT_EQ(+saved.defaultAmbient, 95);
    EXPECT_EQ(+saved.designRelHum, 65);
    EXPECT_EQ(+saved.defaultBoxRelHum, 88);

    const DefaultsDialogValues beyond{7, 4.5, 95, 0, 6.0, 80, 95, 65, 88};
    TDefaults kept = BuiltInDefaults();
    ASSERT_TRUE(SaveDefaultsFromDialog(kept, beyond, insul.get(), defaultsPath).ok);
    EXPECT_EQ(GetText(kept.coolerWallName), "Polystyrene,molded        ");
}

} // namespace
