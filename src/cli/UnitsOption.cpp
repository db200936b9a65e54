#include "cli/UnitsOption.h"

std::optional<UnitSystem> UnitsOption(const Options& options, std::string& why) {
    const std::string value = options.text("--units", "imperial");
    if (value == "imperial")
        return UnitSystem::Imperial;
    if (value == "si")
        return UnitSystem::Metric;
    why = "--units takes imperial or si, not \"" + value + "\"";
    return std::nullopt;
}

const char* UnitsName(UnitSystem units) {
    return units == UnitSystem::Metric ? "si" : "imperial";
}
