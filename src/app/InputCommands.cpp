#include "app/InputCommands.h"

#include "dialogs/InfiltrationDialogs.h"
#include "dialogs/InsulModifyDialog.h"
#include "dialogs/InsulTabDialog.h"
#include "dialogs/InternalLoadDialogs.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/ProductDialog.h"
#include "dialogs/SunDialog.h"

namespace {

void MarkIf(AppState& state, bool changed) {
    if (changed)
        state.job.run.modified = true;
}

} // namespace

void SunAllowanceCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunSunDialog(state.job.image, parent));
}

void AirChangeMethodCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunAirChangeDialog(state.job.image, parent, state.units));
}

void AirVelocityMethodCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunAirVelocityDialog(state.job.image, parent, state.units));
}

void GlassDoorsLoadCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunGlassDoorDialog(state.job.image, parent, state.units));
}

void MotorLoadsCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunMotorDialog(state.job.image, parent, state.units));
}

void ElectricLoadsCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunElectricDialog(state.job.image, parent));
}

void LightingCommand(AppState& state, QWidget* parent) {
    MarkIf(state, RunLightingDialog(state.job.image, parent, state.units));
}

void UserLoadEntryCommand(AppState& state, QWidget* parent) {
    JobImage& image = state.job.image;
    MarkIf(state, RunUserLoadDialog(image, parent, state.units));
    image.flags.userLoadEntered = image.userLoad.userLoad > 0 ? 1 : 0;
}

void OccupantsCommand(AppState& state, QWidget* parent) {
    RunOccupantDialog(state.job.image, parent);
}

void LatentRangeCommand(AppState& state, QWidget* parent) {
    RunLatentDialog(state.job.image, parent, state.units);
}

void SelectInsulationCommand(AppState& state, QWidget* parent) {
    if (Table* insul = state.tables.get(ReferenceTable::Insul))
        RunInsulationDialog(state.job.image, *insul, parent, state.units);
}

void SelectProductCommand(AppState& state, QWidget* parent) {
    if (Table* product = state.tables.get(ReferenceTable::Product))
        RunProductDialog(state.job, *product, parent, state.units);
}

void AddInsulationCommand(AppState& state, QWidget* parent) {
    if (Table* insul = state.tables.get(ReferenceTable::Insul))
        RunInsulationMaintenance(*insul, parent, state.units);
}
