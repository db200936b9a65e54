#pragma once
// The commands that run the load input dialogs, with their "modified" rules. The main window
// redraws the summary after each (which recalculates the loads).

#include "app/AppState.h"

class QWidget;

// Marks the job modified when the dialog reports a change.
void SunAllowanceCommand(AppState& state, QWidget* parent);
void AirChangeMethodCommand(AppState& state, QWidget* parent);
void AirVelocityMethodCommand(AppState& state, QWidget* parent);
void GlassDoorsLoadCommand(AppState& state, QWidget* parent);
void MotorLoadsCommand(AppState& state, QWidget* parent);
void ElectricLoadsCommand(AppState& state, QWidget* parent);
void LightingCommand(AppState& state, QWidget* parent);
// Marks the job modified on a change; afterwards userLoadEntered follows the load.
void UserLoadEntryCommand(AppState& state, QWidget* parent);

// The occupant, latent range, insulation and product dialogs do not mark the job modified.
void OccupantsCommand(AppState& state, QWidget* parent);
void LatentRangeCommand(AppState& state, QWidget* parent);
void SelectInsulationCommand(AppState& state, QWidget* parent);
void SelectProductCommand(AppState& state, QWidget* parent);

// Add / edit insulation records (no job is loaded while it runs).
void AddInsulationCommand(AppState& state, QWidget* parent);
