#include "app/Commands.h"

#include <array>

namespace {

using enum CommandId;
using M = CommandMenu;
using E = EnableRule;
using C = CheckRule;
constexpr auto Insul = ReferenceTable::Insul;
constexpr auto Product = ReferenceTable::Product;
constexpr auto Units = ReferenceTable::Units;
constexpr auto Coils = ReferenceTable::Coils;

const std::array Commands{
    CommandInfo{NewJob, "&New Job", "Initiate a New Kelv Job", M::File, E::Always, C::None, {}},
    CommandInfo{EditJobInfo,
                "&Edit Basic Job Info",
                "Edit basic data on Current Job",
                M::File,
                E::Loaded,
                C::None,
                {}},
    CommandInfo{PrintJob, "&Print Job", "Print Current Job", M::File, E::Loaded, C::None, {}, true},
    CommandInfo{PrintPreview,
                "Print Pre&view",
                "Show the printed report of the Current Job",
                M::File,
                E::Loaded,
                C::None,
                {}},
    CommandInfo{ExportPdf,
                "Expor&t PDF...",
                "Save the printed report of the Current Job as a PDF",
                M::File,
                E::Loaded,
                C::None,
                {}},
    CommandInfo{
        LoadJob, "&Load Job", "Load an KVJ job file", M::File, E::Always, C::None, {}, true},
    CommandInfo{SaveJob,
                "&Save Job",
                "Save the Current JOB as an KVJ job file",
                M::File,
                E::Loaded,
                C::None,
                {}},
    CommandInfo{SetDefaults, "Set Quelbox &Defaults",
                "Set Basic Default Parameters (Must Clear all Quelbox jobs before using)", M::File,
                E::NotLoaded, C::None, Insul, true},
    CommandInfo{SubmittedBy,
                "Submitted &by Info",
                "Company Submitted By Information for the Load Calculations",
                M::File,
                E::Always,
                C::None,
                {}},
    CommandInfo{ClearJob,
                "&Clear Quelbox",
                "Clear Quelbox of all job files",
                M::File,
                E::Always,
                C::None,
                {},
                true},
    CommandInfo{Exit, "E&xit\tAlt+F4", "Exit  Quelbox", M::File, E::Always, C::None, {}, true},
    CommandInfo{SelectProduct, "&Select Product", "Select up to 5 products for Calculation",
                M::Product, E::Loaded, C::ProductsEntered, Product},
    CommandInfo{UserLoad,
                "&User Load",
                "Enter User Defined Load (does not calcute)",
                M::Product,
                E::Loaded,
                C::UserLoadEntered,
                {}},
    CommandInfo{LatentRange,
                "&Latent Range",
                "Select Latent Range for Exclusion / Inclusion",
                M::Product,
                E::Always,
                C::None,
                {}},
    CommandInfo{SelectInsulation, "Select &Insulation", "Select Insulation Types", M::WallGain,
                E::Loaded, C::None, Insul},
    CommandInfo{SunAllowance,
                "&Sun Allowance",
                "for Outdoor Box -  Allowance for Sun Effect",
                M::WallGain,
                E::Loaded,
                C::SunEntered,
                {}},
    CommandInfo{AddInsulation, "&Add Insulation",
                "Add Insulation -- Must Clear all jobs before Adding New Insulation Types",
                M::WallGain, E::NotLoaded, C::None, Insul},
    CommandInfo{AirChange,
                "&Air Change Method",
                "Infiltration - Average Air Changes Method  (use Air Velocity for Large Boxes)",
                M::Infiltration,
                E::Loaded,
                C::AirChangeMethod,
                {}},
    CommandInfo{AirVelocity,
                "Air &Velocity Method",
                "Infiltration - Air Velocity Method",
                M::Infiltration,
                E::Loaded,
                C::VelocityMethod,
                {}},
    CommandInfo{Occupants,
                "&Occupants",
                "Select for Occupant / Woker Loads",
                M::Misc,
                E::Loaded,
                C::OccupantsEntered,
                {}},
    CommandInfo{GlassDoors,
                "&Glass Doors",
                "Select for Glas Door Loads",
                M::Misc,
                E::Loaded,
                C::GlassDoorsEntered,
                {}},
    CommandInfo{MotorLoads,
                "&Motor Loads",
                "Select for Motor / HP Loads (suggest 4HP for Fork Lift)",
                M::Misc,
                E::Loaded,
                C::MotorsEntered,
                {}},
    CommandInfo{ElectricLoads,
                "&Electric Loads",
                "Selct for Electrical Loads (in Watts)",
                M::Misc,
                E::Loaded,
                C::ElectricEntered,
                {}},
    CommandInfo{Lighting,
                "&Lighting",
                "Lighting: .8 long storage      1.5 is Normal      2 for Work Areas",
                M::Misc,
                E::Loaded,
                C::LightingEntered,
                {}},
    CommandInfo{MetricUnits,
                "&Metric Units",
                "Show and enter quantities in SI units: \u00B0C, m, kg, W",
                M::View,
                E::Always,
                C::MetricUnits,
                {}},
    CommandInfo{UnitSearch, "&Unit Search", "Search the Condensing Units for the Design Load",
                M::Equipment, E::Loaded, C::UnitSelected, Units},
    CommandInfo{CoilSearch, "&Coil Search", "Search the Evaporator Coils for the Selected Unit",
                M::Equipment, E::UnitSelected, C::CoilSelected, Coils},
    CommandInfo{SpotUnit, "&Spot Unit", "Size a Condensing Unit for any Load", M::Equipment,
                E::Always, C::None, Units, true},
    CommandInfo{SpotCoil, "S&pot Coil", "Size an Evaporator Coil for any Load", M::Equipment,
                E::Always, C::None, Coils},
    CommandInfo{UnitProductCodes,
                "Condensing &Unit Product Codes",
                "How the Condensing Unit Model Codes are built",
                M::TopLevel,
                E::Always,
                C::None,
                {}},
    CommandInfo{HelpIndex, "&Help Index", "Open the Quelbox Help", M::Help, E::Always, C::None, {}},
    CommandInfo{About, "&About...", "Kelv About", M::Help, E::Always, C::None, {}},
    CommandInfo{
        ToolBar, "&Tool Bar", "Restore Tool Bar", M::Help, E::Always, C::ToolBarVisible, {}, true},
};

const std::array ToolBarOrder{
    LoadJob,   SaveJob,       PrintJob,   NewJob,     EditJobInfo, SelectInsulation, SunAllowance,
    AirChange, SelectProduct, GlassDoors, MotorLoads, Occupants,   UnitSearch,       CoilSearch};
static_assert(ToolBarOrder.size() == 14);

bool RuleEnabled(EnableRule rule, const AppState& state) {
    switch (rule) {
    case E::Always:
        return true;
    case E::Loaded:
        return state.jobLoaded();
    case E::NotLoaded:
        return !state.jobLoaded();
    case E::UnitSelected:
        return state.job.image.unit.unitSelected != 0;
    }
    return false;
}

bool Checked(CheckRule rule, const AppState& state, bool toolBarVisible) {
    const TJobFlags& f = state.job.image.flags;
    switch (rule) {
    case C::None:
        return false;
    case C::ProductsEntered:
        return f.productsEntered != 0;
    case C::UserLoadEntered:
        return f.userLoadEntered != 0;
    case C::SunEntered:
        return f.sunEntered != 0;
    case C::AirChangeMethod:
        return f.velocityMethod == 0;
    case C::VelocityMethod:
        return f.velocityMethod == 1;
    case C::OccupantsEntered:
        return f.occupantsEntered != 0;
    case C::GlassDoorsEntered:
        return f.glassDoorsEntered != 0;
    case C::MotorsEntered:
        return f.motorsEntered != 0;
    case C::ElectricEntered:
        return f.electricEntered != 0;
    case C::LightingEntered:
        return f.lightingEntered != 0;
    case C::UnitSelected:
        return state.job.image.unit.unitSelected != 0;
    case C::CoilSelected:
        return state.job.image.coil.coilSelected != 0;
    case C::MetricUnits:
        return state.units == UnitSystem::Metric;
    case C::ToolBarVisible:
        return toolBarVisible;
    }
    return false;
}

} // namespace

std::span<const CommandInfo> CommandTable() {
    return Commands;
}

const CommandInfo& CommandInfoOf(CommandId id) {
    for (const CommandInfo& command : Commands) {
        if (command.id == id)
            return command;
    }
    return Commands.front();
}

std::span<const CommandId> ToolBarCommands() {
    return ToolBarOrder;
}

CommandStatus StatusOf(const CommandInfo& command, const AppState& state, bool hasOperation,
                       bool toolBarVisible) {
    CommandStatus status;
    status.ruleEnabled = RuleEnabled(command.enable, state);
    const bool tableOpen = !command.needs || state.tables.get(*command.needs) != nullptr;
    status.enabled = status.ruleEnabled && hasOperation && tableOpen;
    status.checkable = command.check != C::None;
    status.checked = Checked(command.check, state, toolBarVisible);
    return status;
}
