#pragma once
// The re-check of the selected condensing unit after every recalculation.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

#include <cstdint>

// Drops a unit selection that no longer fits the design run hours (and the coil with it),
// keeps the coil's TD following the unit, and computes the daily figures. Returns unitSelected.
int32_t CheckUnitSelection(Job& job, EquipmentState& state);

// Recalculates the job as every display of it does: sun allowances, loads, then the re-check.
void RefreshJob(Job& job, EquipmentState& state);
