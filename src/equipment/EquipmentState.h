#pragma once
// What the equipment searches keep outside the job image for the program run.

#include "job/JobImage.h"

#include <cstdint>

inline constexpr int CandidateSlotCount = 35;

struct EquipmentState {
    TUnitSelection unitUndo{};                // taken when "Unit Selection" opens
    TCoilSelection coilUndo{};                // taken when "Coil Selection" opens
    int32_t candidates[CandidateSlotCount]{}; // record numbers; 0 is an empty slot
    double dailyLoad = 0.0;                   // runHours x totalLoad
    double dailyCapacity = 0.0;               // unit run hours (two decimals) x unitCapacity
};
