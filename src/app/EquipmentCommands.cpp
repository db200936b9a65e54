#include "app/EquipmentCommands.h"

#include "dialogs/CoilDialogs.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/SpotDialogs.h"
#include "dialogs/UnitCodesDialog.h"
#include "dialogs/UnitDialogs.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"

namespace {

void Warn(QWidget* parent, const char* title, const char* text) {
    ShowMessage(parent, {QString::fromUtf8(title), QString::fromUtf8(text),
                         MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace

void UnitSearchCommand(AppState& state, QWidget* parent) {
    Table* units = state.tables.get(ReferenceTable::Units);
    if (units == nullptr)
        return;
    // The search works on the totals of the current inputs, as the summary shows them.
    RefreshJob(state.job, state.equipment);
    if (!UnitSelectionDialog(state.job, state.equipment, parent, state.units))
        return;
    if (!SearchUnits(state.job, *units, state.equipment)) {
        Warn(parent, NoUnitsTitle, NoUnitsMessage);
        return;
    }
    ShowUnitList(state.job, *units, state.equipment, parent, state.units);
}

void CoilSearchCommand(AppState& state, QWidget* parent) {
    Table* coils = state.tables.get(ReferenceTable::Coils);
    if (coils == nullptr)
        return;
    RefreshJob(state.job, state.equipment);
    if (state.job.image.unit.unitSelected == 0)
        return;
    if (!CoilSelectionDialog(state.job, state.equipment, parent))
        return;
    if (!SearchCoils(state.job, *coils, state.equipment)) {
        Warn(parent, NoCoilsTitle, NoCoilsMessage);
        return;
    }
    ShowCoilList(state.job, *coils, state.equipment, parent, state.units);
}

void SpotUnitCommand(AppState& state, QWidget* parent) {
    Table* units = state.tables.get(ReferenceTable::Units);
    if (units == nullptr || !RunSpotUnitDialog(state.spot, parent, state.units))
        return;
    const bool found = SpotUnitSearch(state.job, *units, state.equipment, state.spot,
                                      [&](Job& job, EquipmentState& equipment) {
                                          ShowUnitList(job, *units, equipment, parent, state.units);
                                      });
    if (!found)
        Warn(parent, NoUnitsTitle, NoUnitsMessage);
}

void SpotCoilCommand(AppState& state, QWidget* parent) {
    Table* coils = state.tables.get(ReferenceTable::Coils);
    if (coils == nullptr || !RunSpotCoilDialog(state.spot, parent, state.units))
        return;
    const bool found = SpotCoilSearch(state.job, *coils, state.equipment, state.spot,
                                      [&](Job& job, EquipmentState& equipment) {
                                          ShowCoilList(job, *coils, equipment, parent, state.units);
                                      });
    if (!found)
        Warn(parent, NoCoilsTitle, NoCoilsMessage);
}

bool UnitCodesCommand(QWidget* parent) {
    return RunUnitCodesDialog(parent);
}
