#pragma once
// The user's unit system in the profile "kelvo.ini": section [Units], key System, "Metric" or
// "Imperial". Anything else, or no entry, reads as imperial.

#include "app/KelvoProfile.h"
#include "calc/UnitConversion.h"

UnitSystem LoadUnitSystem(const KelvoProfile& profile);
void StoreUnitSystem(KelvoProfile& profile, UnitSystem units);
