#pragma once
// The cleared job. Clearing runs in two steps; the user's defaults are loaded between them.

#include "job/Defaults.h"
#include "job/Job.h"

// Run state, flags, header (but its design ambient and box humidity), occupant, sun, latent,
// glass door, motor, electric and lighting blocks.
void ClearJobFirstStep(Job& job);

// Design ambient and box humidity from the defaults, and the infiltration, user load,
// condensing unit and coil blocks.
void ClearJobSecondStep(Job& job, const TDefaults& defaults);

// The new-job values of the condensing unit and coil selections.
void ResetUnitSelection(TUnitSelection& unit);
void ResetCoilSelection(TCoilSelection& coil);

// Both steps with the given defaults in between.
void ClearJob(Job& job, const TDefaults& defaults);
