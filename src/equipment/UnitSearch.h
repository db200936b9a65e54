#pragma once
// Searching the condensing unit table against the design load.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

class Table;

// What OK of "Unit Selection" does with the entered count and TD: returns true when a search
// should follow. The undo copy must have been taken by BeginUnitSelection.
void BeginUnitSelection(const Job& job, EquipmentState& state);
bool ConfirmUnitSelection(Job& job, int32_t unitCount, int32_t designTD);

// The smallest acceptable unit for the design load, in the capacity order of the design
// ambient's column. Sets the suction class, column and search ambient whatever the outcome.
bool FindFirstUnit(Job& job, Table& units);

// Candidates from the first acceptable unit up to 1.25 times its capacity, of the job's suction
// class, whose run hours stay within 4 hours of the design run hours.
bool CollectUnitCandidates(Job& job, Table& units, EquipmentState& state);

// FindFirstUnit followed by CollectUnitCandidates.
bool SearchUnits(Job& job, Table& units, EquipmentState& state);

// What a unit search that finds nothing tells the user.
inline constexpr const char* NoUnitsMessage = "No Matching Units on File";

// Run hours of `unitCount` units of capacity `capacity` carrying the design load; the count
// times the capacity is formed as a 32-bit product. Empty when that product is 0.
bool CandidateRunHours(const JobImage& image, int32_t capacity, double& hours);

// unitCount x capacity as the 32-bit product the lists show.
int32_t CombinedCapacity(int32_t unitCount, int32_t capacity);
