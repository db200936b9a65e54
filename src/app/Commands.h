#pragma once
// The command table: every menu and toolbar command with its menu text, status bar hint, menu,
// enabling rule and check-mark rule. Whether a command can run is a pure function of the state.

#include "app/AppState.h"
#include "tables/TableSchemas.h"

#include <optional>
#include <span>

enum class CommandId {
    NewJob,
    EditJobInfo,
    PrintJob,
    PrintPreview,
    ExportPdf,
    LoadJob,
    SaveJob,
    SetDefaults,
    SubmittedBy,
    ClearJob,
    Exit,
    SelectProduct,
    UserLoad,
    LatentRange,
    SelectInsulation,
    SunAllowance,
    AddInsulation,
    AirChange,
    AirVelocity,
    Occupants,
    GlassDoors,
    MotorLoads,
    ElectricLoads,
    Lighting,
    MetricUnits,
    UnitSearch,
    CoilSearch,
    SpotUnit,
    SpotCoil,
    UnitProductCodes,
    HelpIndex,
    About,
    ToolBar,
};

enum class CommandMenu {
    File,
    Product,
    WallGain,
    Infiltration,
    Misc,
    View,
    Equipment,
    TopLevel,
    Help
};

enum class EnableRule { Always, Loaded, NotLoaded, UnitSelected };

enum class CheckRule {
    None,
    ProductsEntered,
    UserLoadEntered,
    SunEntered,
    AirChangeMethod,
    VelocityMethod,
    OccupantsEntered,
    GlassDoorsEntered,
    MotorsEntered,
    ElectricEntered,
    LightingEntered,
    UnitSelected,
    CoilSelected,
    MetricUnits,
    ToolBarVisible,
};

struct CommandInfo {
    CommandId id;
    const char* menuText;
    const char* hint;
    CommandMenu menu;
    EnableRule enable;
    CheckRule check;
    std::optional<ReferenceTable> needs; // a table the command cannot work without
    bool separatorBefore = false;
};

// Every command in menu order.
std::span<const CommandInfo> CommandTable();
const CommandInfo& CommandInfoOf(CommandId id);

// The toolbar's fourteen buttons, left to right.
std::span<const CommandId> ToolBarCommands();

struct CommandStatus {
    bool ruleEnabled = false; // the enabling rule alone
    bool enabled = false;     // the rule, the operation exists and the table it needs is open
    bool checkable = false;
    bool checked = false;
};

// `hasOperation`: the program carries out this command (commands whose dialogs are still to
// come stay disabled). `toolBarVisible` feeds the Tool Bar command's check mark.
CommandStatus StatusOf(const CommandInfo& command, const AppState& state, bool hasOperation,
                       bool toolBarVisible);
