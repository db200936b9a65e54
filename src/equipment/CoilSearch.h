#pragma once
// Searching the coil table for coils that match the selected condensing unit.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

class Table;

inline constexpr int CoilSlotCount = 25;

// "Coil Selection": the undo copy, then OK with the entered count; true when a search follows.
void BeginCoilSelection(const Job& job, EquipmentState& state);
bool ConfirmCoilSelection(Job& job, int32_t coilCount);

// The first coil of the unit's suction class rated above 0.95 x the low bound per coil and
// degree, not above the high bound.
bool FindFirstCoil(Job& job, Table& coils);

// Up to 24 coils from the first one, of the suction class, not above the high bound.
bool CollectCoilCandidates(Job& job, Table& coils, EquipmentState& state);

// Both steps; on failure the coil selection goes back to the undo copy.
bool SearchCoils(Job& job, Table& coils, EquipmentState& state);

// What a coil search that finds nothing tells the user.
inline constexpr const char* NoCoilsMessage = "No Matching Coils on File";
