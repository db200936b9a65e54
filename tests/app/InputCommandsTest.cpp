#include "../dialogs/DialogTestSupport.h"

#include "app/KelvoFrame.h"
#include "calc/Totals.h"
#include "dialogs/BrowseList.h"
#include "dialogs/InsulTabDialog.h"
#include "dialogs/ProductDialog.h"
#include "job/FixedText.h"
#include "job/Submitter.h"
#include "tables/ShippedTables.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using enum CommandId;

ModalScript::Step Fill(std::vector<std::pair<const char*, const char*>> fields,
                       std::vector<const char*> radios = {}) {
    return [fields, radios](QDialog& d) {
        for (const auto& [name, text] : fields)
            SetField(d, name, QLatin1String(text));
        for (const char* radio : radios)
            d.findChild<QRadioButton*>(QLatin1String(radio))->click();
        return ClickOk(d);
    };
}

ModalScript::Step Cancel() {
    return [](QDialog& d) { return ClickCancel(d); };
}

class InputCommands : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        state.folder = folder.path();
        ASSERT_TRUE(StartUp(state, ShippedTableFolders()).empty());
        SetText(state.submitter.companyName, "Cold Co");
        ASSERT_TRUE(WriteSubmitter(state.submitter, folder.file(SubmitterFileName)).ok);
        frame = std::make_unique<KelvoFrame>(state);
    }

    void MakeJob() {
        ModalScript modal(
            {Fill({{"boxTemp", "35"}}),
             Fill({{"jobName", "Walk"}, {"length", "10"}, {"width", "8"}, {"height", "8"}})});
        frame->runCommand(NewJob);
        ASSERT_TRUE(state.jobLoaded());
        state.job.run.modified = false;
    }

    // Runs `command` with one dialog step; returns whether it marked the job modified.
    bool Run(CommandId command, ModalScript::Step step) {
        state.job.run.modified = false;
        ModalScript modal({std::move(step)});
        frame->runCommand(command);
        EXPECT_EQ(modal.opened.size(), 1u) << CommandInfoOf(command).menuText;
        return state.job.run.modified;
    }

    bool Enabled(CommandId id) { return frame->action(id)->isEnabled(); }

    TempFolder folder;
    AppState state;
    std::unique_ptr<KelvoFrame> frame;
    MessageScript messages;
};

const CommandId InputCommandIds[] = {SelectProduct, UserLoad,      SelectInsulation, SunAllowance,
                                     AirChange,     AirVelocity,   Occupants,        GlassDoors,
                                     MotorLoads,    ElectricLoads, Lighting};

} // namespace

TEST_F(InputCommands, EnabledWithAJobAndAddInsulationOnlyWithout) {
    for (CommandId id : InputCommandIds)
        EXPECT_FALSE(Enabled(id)) << CommandInfoOf(id).menuText;
    EXPECT_TRUE(Enabled(LatentRange));
    EXPECT_TRUE(Enabled(AddInsulation));
    MakeJob();
    for (CommandId id : InputCommandIds)
        EXPECT_TRUE(Enabled(id)) << CommandInfoOf(id).menuText;
    EXPECT_TRUE(Enabled(LatentRange));
    EXPECT_FALSE(Enabled(AddInsulation));
}

TEST_F(InputCommands, ModifiedFollowsEachCommandsRule) {
    MakeJob();
    EXPECT_TRUE(Run(MotorLoads, Fill({{"motorCount", "1"}, {"motorHp", "0.5"}})));
    EXPECT_FALSE(Run(MotorLoads, Fill({})));
    EXPECT_TRUE(Run(ElectricLoads, Fill({{"watts", "1000"}})));
    EXPECT_TRUE(Run(Lighting, Fill({{"wattsPerSqFt", "0.8"}})));
    EXPECT_TRUE(Run(GlassDoors, Fill({{"doorCount", "2"}})));
    EXPECT_FALSE(Run(GlassDoors, Cancel()));
    // The occupant, latent, insulation and product dialogs do not mark the job.
    EXPECT_FALSE(Run(Occupants, Fill({{"occupants", "3"}, {"hours", "4"}})));
    EXPECT_EQ(+state.job.image.occupants.occupants, 3);
    EXPECT_FALSE(Run(LatentRange, Fill({}, {"within15"})));
    EXPECT_EQ(+state.job.image.latent.excludeWithin15, 1);
    // The sun dialog marks only a change, but always recomputes.
    EXPECT_FALSE(Run(SunAllowance, Fill({})));
    EXPECT_TRUE(Run(SunAllowance, Fill({}, {"roofDark"})));
    EXPECT_EQ(+state.job.image.surfaces[Roof].sunAllowance, 20);
    EXPECT_TRUE(frame->action(SunAllowance)->isChecked());
}

TEST_F(InputCommands, UserLoadSetsItsIndicatorAfterEveryRun) {
    MakeJob();
    EXPECT_TRUE(Run(UserLoad, Fill({{"userDescription", "Charger"}, {"userLoad", "500"}})));
    EXPECT_EQ(+state.job.image.flags.userLoadEntered, 1);
    EXPECT_TRUE(frame->action(UserLoad)->isChecked());
    state.job.image.flags.userLoadEntered = 0;
    EXPECT_FALSE(Run(UserLoad, Cancel()));
    EXPECT_EQ(+state.job.image.flags.userLoadEntered, 1);
    EXPECT_TRUE(Run(UserLoad, Fill({{"userLoad", ""}})));
    EXPECT_EQ(+state.job.image.flags.userLoadEntered, 0);
}

TEST_F(InputCommands, InfiltrationMethodsSwitchAndCarryTheCheckMark) {
    MakeJob();
    EXPECT_TRUE(Run(AirVelocity, Fill({{"doorCount", "2"}})));
    RefreshLoads(state.job);
    frame->updateCommands();
    EXPECT_TRUE(frame->action(AirVelocity)->isChecked());
    EXPECT_FALSE(frame->action(AirChange)->isChecked());
    EXPECT_FALSE(Run(AirChange, Cancel())); // Cancel still switches back
    EXPECT_EQ(+state.job.image.infiltration.airChangeMethod, 1);
    RefreshLoads(state.job);
    frame->updateCommands();
    EXPECT_TRUE(frame->action(AirChange)->isChecked());
    EXPECT_FALSE(frame->action(AirVelocity)->isChecked());
}

TEST_F(InputCommands, WalkThroughEveryInputDialogSavesAndLoadsTheSameTotals) {
    MakeJob();
    ModalScript modal;
    auto run = [&](CommandId id, ModalScript::Step step) {
        modal.add(std::move(step));
        frame->runCommand(id);
    };
    run(SelectInsulation, [](QDialog& d) {
        auto& tab = dynamic_cast<TInsulTab&>(d);
        tab.list()->setCurrentRow(2);
        SetField(d, "thickness0", QStringLiteral("4"));
        SetField(d, "adjacentTemp0", QStringLiteral("95"));
        tab.allWallsButton()->click();
        return ClickOk(d);
    });
    run(SunAllowance, Fill({}, {"southDark", "roofMedium"}));
    run(SelectProduct, [](QDialog& d) {
        TProductPageView* page = dynamic_cast<TProductDialog&>(d).pageView(1);
        for (int r = 0; r < page->list()->rowCount(); ++r)
            if (page->list()->row(r).value(0).trimmed() == QStringLiteral("Apples"))
                page->list()->setCurrentRow(r);
        page->findChild<QLineEdit*>(QStringLiteral("quantity"))->setText(QStringLiteral("800"));
        page->findChild<QLineEdit*>(QStringLiteral("enteringTemp"))->setText(QStringLiteral("60"));
        page->findChild<QLineEdit*>(QStringLiteral("respWeight"))->setText(QStringLiteral("800"));
        page->findChild<QLineEdit*>(QStringLiteral("respFactor"))->setText(QStringLiteral("0.29"));
        return ClickOk(d);
    });
    run(UserLoad, Fill({{"userDescription", "Charger"}, {"userLoad", "750"}}));
    run(LatentRange, Fill({}, {"within15"}));
    run(AirChange, Fill({{"infiltratingTemp", "90"}, {"infiltratingRelHum", "60"}}, {"normal"}));
    run(AirVelocity, Fill({{"openMinutes", "30"}}));
    run(Occupants, Fill({{"occupants", "2"}, {"hours", "4"}}));
    run(GlassDoors, Fill({{"doorCount", "2"}}));
    run(MotorLoads, Fill({{"motorCount", "1"}, {"motorHp", "0.5"}, {"hours", "24"}}));
    run(ElectricLoads, Fill({{"watts", "1000"}, {"hours", "8"}}));
    run(Lighting, Fill({{"wattsPerSqFt", "1.5"}, {"hours", "8"}}));
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_TRUE(messages.shown.empty());

    RefreshLoads(state.job);
    const JobImage& image = state.job.image;
    const TLoadTotals before = image.totals;
    EXPECT_GT(+before.productLoad, 0);
    EXPECT_GT(+before.wallLoad, 0);
    EXPECT_GT(+before.occupantLoad, 0);
    EXPECT_GT(+before.glassDoorLoad, 0);
    EXPECT_GT(+before.motorLoad, 0);
    EXPECT_GT(+before.electricLoad, 0);
    EXPECT_GT(+before.lightingLoad, 0);
    EXPECT_EQ(+image.infiltration.airChangeMethod, 0);
    EXPECT_EQ(+image.flags.velocityMethod, 1);
    EXPECT_EQ(+image.userLoad.userLoad, 750);
    EXPECT_EQ(GetText(image.products[1].productName).substr(0, 6), "Apples");

    const std::string path = folder.file("walk.kvj");
    {
        FileScript files({QString::fromStdString(path)});
        frame->runCommand(SaveJob);
    }
    frame->runCommand(ClearJob);
    ASSERT_FALSE(state.jobLoaded());
    {
        FileScript files({QString::fromStdString(path)});
        frame->runCommand(LoadJob);
    }
    ASSERT_TRUE(state.jobLoaded());
    RefreshLoads(state.job);
    const TLoadTotals after = state.job.image.totals;
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    EXPECT_EQ(+after.totalLoad, +before.totalLoad);
    EXPECT_TRUE(messages.shown.empty());
}
