#pragma once
// The --units option of the commands that show quantities: "imperial" (the default) or "si".

#include "calc/UnitConversion.h"
#include "cli/Options.h"

#include <optional>
#include <string>

// The unit system the option names; nullopt with the reason in `why` for any other value.
std::optional<UnitSystem> UnitsOption(const Options& options, std::string& why);

// "imperial" or "si", as the option and the JSON output write it.
const char* UnitsName(UnitSystem units);
