#include "DialogTestSupport.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/NewJobDialog.h"
#include "dialogs/SubmitterDialog.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

#include <QLineEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

class DefaultsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        std::string message;
        ASSERT_TRUE(RestoreMissingTable(folder.path(), ReferenceTable::Insul, ShippedTableFolders(),
                                        message))
            << message;
        insul = OpenReferenceTable(folder.path(), ReferenceTable::Insul, message);
        ASSERT_NE(insul, nullptr) << message;
    }
    TempFolder folder;
    std::unique_ptr<Table> insul;
    MessageScript messages;
};

TDefaultsTab& Tabs(QDialog& dialog) {
    return static_cast<TDefaultsTab&>(dialog);
}

} // namespace

TEST_F(DefaultsDialog, SaveWritesTheWholeRecordWithEachTabsOwnRow) {
    TDefaults defaults = BuiltInDefaults();
    const int rows = static_cast<int>(InsulationListRows(*insul).size());
    ASSERT_GE(rows, 3);
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Insulation"));
        TDefaultsTab& tabs = Tabs(d);
        tabs.insulationList()->setCurrentRow(1); // Cooler tab
        tabs.showTab(TDefaultsTab::FreezerTab);
        tabs.insulationList()->setCurrentRow(2);
        SetField(d, "freezerInches", QStringLiteral("5.25"));
        tabs.showTab(TDefaultsTab::CoolerTab);
        EXPECT_EQ(tabs.insulationList()->currentRow(), 1); // each tab keeps its own row
        tabs.showTab(TDefaultsTab::DesignTab);
        SetField(d, "defaultAmbient", QStringLiteral("95"));
        SetField(d, "designRelHum", QStringLiteral("55"));
        return ClickOk(d);
    }});
    const auto saved = RunDefaultsDialog(defaults, *insul, folder.file(DefaultsFileName), nullptr);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->ok) << saved->message;
    EXPECT_EQ(std::filesystem::file_size(folder.file(DefaultsFileName)), 116u);

    TDefaults read{};
    ASSERT_TRUE(ReadDefaultsFile(read, folder.file(DefaultsFileName)).ok);
    EXPECT_EQ(+read.coolerInsulationIndex, 1);
    EXPECT_EQ(+read.freezerInsulationIndex, 2);
    EXPECT_EQ(+read.freezerWallInches, 5.25);
    EXPECT_EQ(+read.coolerWallInches, 3.5);
    EXPECT_EQ(+read.defaultAmbient, 95);
    EXPECT_EQ(+read.designRelHum, 55);
    EXPECT_EQ(+read.defaultBoxRelHum, 90);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DefaultsDialog, OutOfRangeInchesAreRefusedOnTheirTabAndCancelWritesNothing) {
    TDefaults defaults = BuiltInDefaults();
    ModalScript modal({[this](QDialog& d) {
        SetField(d, "coolerInches", QStringLiteral("41"));
        Tabs(d).showTab(TDefaultsTab::DesignTab);
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(Tabs(d).insulationList()->isVisibleTo(&d)); // back on the Cooler tab
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunDefaultsDialog(defaults, *insul, folder.file(DefaultsFileName), nullptr));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..40"));
    EXPECT_FALSE(std::filesystem::exists(folder.file(DefaultsFileName)));
}

// In SI: thickness in mm, temperatures in C with the ambient on its 5 F steps; what is not typed
// is saved as it was.
TEST_F(DefaultsDialog, SiEntriesAreSavedInImperialUnits) {
    TDefaults defaults = BuiltInDefaults();
    defaults.freezerWallInches = 4.37;
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(FieldText(d, "coolerInches"), QStringLiteral("88.9"));
        EXPECT_EQ(FieldText(d, "freezerInches"), QStringLiteral("111.0"));
        EXPECT_EQ(FieldText(d, "coolerAdjacentTemp"), QStringLiteral("32.2"));
        SetField(d, "coolerInches", QStringLiteral("100"));
        SetField(d, "freezerAdjacentTemp", QStringLiteral("20"));
        Tabs(d).showTab(TDefaultsTab::DesignTab);
        // Typed into the spin box's own line, as a user types it.
        d.findChild<QSpinBox*>(QStringLiteral("defaultAmbient"))
            ->findChild<QLineEdit*>()
            ->setText(QStringLiteral("36"));
        return ClickOk(d);
    }});
    const auto saved = RunDefaultsDialog(defaults, *insul, folder.file(DefaultsFileName), nullptr,
                                         UnitSystem::Metric);
    ASSERT_TRUE(saved);
    TDefaults read{};
    ASSERT_TRUE(ReadDefaultsFile(read, folder.file(DefaultsFileName)).ok);
    EXPECT_EQ(+read.coolerWallInches, 3.94); // 100 mm is 3.937 in
    EXPECT_EQ(+read.freezerWallInches, 4.37);
    EXPECT_EQ(+read.coolerAdjacentTemp, 90);
    EXPECT_EQ(+read.freezerAdjacentTemp, 68);
    EXPECT_EQ(+read.defaultAmbient, 95); // 36 C is 96.8 F: the 95 F step
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SubmitterDialog, UnchangedOkReportsNoChange) {
    EnsureApplication();
    TSubmitter submitter{};
    SetText(submitter.companyName, "Cold Co");
    submitter.companyName[20] = 'x'; // a byte past the NUL the dialog never shows
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Company Submitted By Information"));
        EXPECT_EQ(FieldText(d, "companyName"), QStringLiteral("Cold Co"));
        return ClickOk(d);
    }});
    EXPECT_FALSE(RunSubmitterDialog(submitter, nullptr));
    EXPECT_EQ(submitter.companyName[20], 'x');
}

TEST(SubmitterDialog, ChangedOkReplacesTheRecordAndCancelDoesNot) {
    EnsureApplication();
    TSubmitter submitter{};
    ModalScript modal({[](QDialog& d) {
                           SetField(d, "companyName", QString(40, QLatin1Char('A')));
                           SetField(d, "companyFax", QStringLiteral("555-0100"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "companyName", QStringLiteral("Other"));
                           return ClickCancel(d);
                       }});
    EXPECT_TRUE(RunSubmitterDialog(submitter, nullptr));
    EXPECT_EQ(GetText(submitter.companyName), std::string(30, 'A')); // the field takes 30
    EXPECT_EQ(GetText(submitter.companyFax), "555-0100");
    EXPECT_FALSE(RunSubmitterDialog(submitter, nullptr));
    EXPECT_EQ(GetText(submitter.companyName), std::string(30, 'A'));
}

TEST(NewJobDialog, AsksForTheBoxTemperatureInRange) {
    EnsureApplication();
    MessageScript messages;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("New Quelbox Job"));
                           EXPECT_EQ(FieldText(d, "boxTemp"), QStringLiteral("35"));
                           SetField(d, "boxTemp", QStringLiteral("-51"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "boxTemp", QStringLiteral("-10"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) { return ClickCancel(d); }});
    EXPECT_EQ(AskBoxTemperature(nullptr), -10);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range -50..60"));
    EXPECT_FALSE(AskBoxTemperature(nullptr));
}
