#pragma once
// The user's unit system in the profile file "kelvo.ini": section [Units], key System, "Metric"
// or "Imperial". Anything else, or no entry, reads as imperial.

#include "calc/UnitConversion.h"

#include <string>

UnitSystem LoadUnitSystem(const std::string& profilePath);
// Returns false when the profile could not be written.
bool SaveUnitSystem(const std::string& profilePath, UnitSystem units);
