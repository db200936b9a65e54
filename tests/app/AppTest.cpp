#include "../dialogs/DialogTestSupport.h"

#include "app/AboutDialog.h"
#include "app/Commands.h"
#include "app/HelpWindow.h"
#include "app/KelvoFrame.h"
#include "app/SummaryView.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <QAction>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using enum CommandId;

CommandStatus Status(const AppState& state, CommandId id) {
    return StatusOf(CommandInfoOf(id), state, true, true);
}

// Input commands of the Product, Wall Gain, Infiltration and Misc menus that need a job.
const CommandId LoadedInputs[] = {SelectProduct, UserLoad,      SelectInsulation, SunAllowance,
                                  AirChange,     AirVelocity,   Occupants,        GlassDoors,
                                  MotorLoads,    ElectricLoads, Lighting};

} // namespace

TEST(CommandTable, EveryCommandOnceAndTheToolbarInOrder) {
    std::set<CommandId> seen;
    for (const CommandInfo& c : CommandTable())
        EXPECT_TRUE(seen.insert(c.id).second) << c.menuText;
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(ToolBar) + 1);
    const std::vector<CommandId> bar(ToolBarCommands().begin(), ToolBarCommands().end());
    EXPECT_EQ(bar,
              (std::vector<CommandId>{LoadJob, SaveJob, PrintJob, NewJob, EditJobInfo,
                                      SelectInsulation, SunAllowance, AirChange, SelectProduct,
                                      GlassDoors, MotorLoads, Occupants, UnitSearch, CoilSearch}));
}

TEST(CommandTable, EnablingBeforeAndAfterAJobExists) {
    AppState state;
    EXPECT_TRUE(Status(state, SetDefaults).ruleEnabled);
    EXPECT_TRUE(Status(state, AddInsulation).ruleEnabled);
    EXPECT_TRUE(Status(state, LatentRange).ruleEnabled);
    for (CommandId id : {SaveJob, PrintJob, EditJobInfo, UnitSearch, CoilSearch})
        EXPECT_FALSE(Status(state, id).ruleEnabled) << CommandInfoOf(id).menuText;
    for (CommandId id : LoadedInputs)
        EXPECT_FALSE(Status(state, id).ruleEnabled) << CommandInfoOf(id).menuText;

    state.job.image.flags.jobLoaded = 1;
    EXPECT_FALSE(Status(state, SetDefaults).ruleEnabled);
    EXPECT_FALSE(Status(state, AddInsulation).ruleEnabled);
    for (CommandId id : LoadedInputs)
        EXPECT_TRUE(Status(state, id).ruleEnabled) << CommandInfoOf(id).menuText;
    EXPECT_FALSE(Status(state, CoilSearch).ruleEnabled);
    state.job.image.unit.unitSelected = 1;
    EXPECT_TRUE(Status(state, CoilSearch).ruleEnabled);
    EXPECT_TRUE(Status(state, UnitSearch).checked);
}

TEST(CommandTable, ExactlyOneInfiltrationMethodIsChecked) {
    AppState state;
    state.job.image.flags.jobLoaded = 1;
    for (int32_t method : {0, 1}) {
        state.job.image.flags.velocityMethod = method;
        EXPECT_NE(Status(state, AirChange).checked, Status(state, AirVelocity).checked);
    }
}

TEST(CommandTable, MissingTableOrOperationDisables) {
    AppState state; // no tables open
    EXPECT_TRUE(Status(state, SetDefaults).ruleEnabled);
    EXPECT_FALSE(Status(state, SetDefaults).enabled);
    EXPECT_TRUE(Status(state, NewJob).enabled);
    EXPECT_FALSE(StatusOf(CommandInfoOf(NewJob), state, false, true).enabled);
    EXPECT_FALSE(StatusOf(CommandInfoOf(ToolBar), state, true, false).checked);
}

TEST(StartUp, MissingTablesAreNamedAndTheJobIsStillReset) {
    TempFolder folder;
    AppState state;
    state.folder = folder.path();
    const std::vector<std::string> problems = StartUp(state, {});
    ASSERT_EQ(problems.size(), 4u);
    for (const char* name : {"INSUL.DAT", "PRODUCT.DAT", "UNITS.DAT", "COILS.DAT"}) {
        const bool named = std::any_of(problems.begin(), problems.end(), [name](auto& p) {
            return p.find(name) != std::string::npos;
        });
        EXPECT_TRUE(named) << name;
    }
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_EQ(+state.job.image.header.boxTemp, 35);
    EXPECT_EQ(+state.job.image.header.runHours, 16);
    EXPECT_EQ(state.caption, "Quelbox");
}

TEST(RecentFiles, KeepsFourMostRecentWithoutDuplicates) {
    std::vector<std::string> list;
    for (const char* p : {"a", "b", "c", "d", "e", "c"})
        AddRecentFile(list, p);
    EXPECT_EQ(list, (std::vector<std::string>{"c", "e", "d", "b"}));
}

TEST(About, LinesComeFromTheVersionInformation) {
    EnsureApplication();
    kelvoAboutDlg about{TProjectKVVersion{}};
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kelvo"));
    EXPECT_EQ(about.line(0), QStringLiteral("Quelbox"));
    EXPECT_EQ(about.line(1), QStringLiteral("Quelbox Version ") + QStringLiteral(QUELBOX_VERSION));
    EXPECT_FALSE(about.line(2).isEmpty());
    kelvoAboutDlg bare{TProjectKVVersion{std::map<std::string, std::string>{}}};
    EXPECT_EQ(bare.line(1), QStringLiteral("Version"));
    EXPECT_EQ(bare.line(3), QString());
}
