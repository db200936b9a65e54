#pragma once
// Storing what an input dialog edited. Each dialog works on a copy of its block; on OK the copy
// comes back through one of these, which stores it and says whether the job changed. Marking
// the job modified and redrawing are the caller's.

#include "job/JobImage.h"

// "Allowance for Sun Effect": stores the choices and derives the allowances (also without a
// change). True when the sun block changed.
bool StoreSunChoices(JobImage& image, const TSunChoices& edited);

// "Infiltration Air Change", OK: stores the entry and takes the usage from its first set flag
// (light, normal, heavy). True when the entry changed.
bool StoreAirChangeEntry(JobImage& image, const TAirChangeEntry& edited);

// The air change command switches the job to that method whether OK or Cancel closed it.
void UseAirChangeMethod(JobImage& image);

// "Infiltration Air Velocity", OK: stores the entry and switches to the velocity method. True
// when the entry changed.
bool StoreAirVelocityEntry(JobImage& image, const TAirVelocityEntry& edited);

// Occupants, motors, electric and lighting: the inputs without the stored result. True when
// an input changed.
bool StoreOccupantInputs(JobImage& image, int32_t occupants, int32_t hours);
bool StoreMotorInputs(JobImage& image, int32_t motorCount, double motorHp, int32_t hours);
bool StoreElectricInputs(JobImage& image, int32_t watts, int32_t hours);
bool StoreLightingInputs(JobImage& image, double wattsPerSqFt, int32_t hours);

// "Glass Display Doors": the four numbers and three usage flags (the transfer record's 22 bytes).
bool StoreGlassDoorEntry(JobImage& image, const TGlassDoors& edited);

// "User Load": stores the block and sets userLoadEntered by whether the load is above 0. True
// when the block changed.
bool StoreUserLoad(JobImage& image, const TUserLoad& edited);

// "Latent Heat - Exclusion": stores the three flags.
void StoreLatentRange(JobImage& image, const TLatentRange& edited);
