#pragma once
// The Equipment menu and the product codes card: Unit Search, Coil Search, Spot Unit, Spot Coil
// and Condensing Unit Product Codes. Each runs its dialogs; the caller redraws afterwards.

#include "app/AppState.h"

class QWidget;

// The captions of the warning a search that finds nothing shows, the job's or the spot one.
inline constexpr const char* NoUnitsTitle = "Unit Search";
inline constexpr const char* NoCoilsTitle = "Coil Search";

void UnitSearchCommand(AppState& state, QWidget* parent);
void CoilSearchCommand(AppState& state, QWidget* parent);
void SpotUnitCommand(AppState& state, QWidget* parent);
void SpotCoilCommand(AppState& state, QWidget* parent);
bool UnitCodesCommand(QWidget* parent);
