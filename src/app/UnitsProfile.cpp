#include "app/UnitsProfile.h"

namespace {

constexpr const char* Section = "Units";
constexpr const char* Key = "System";

bool IsMetric(std::string text) {
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text == "metric";
}

} // namespace

UnitSystem LoadUnitSystem(const KelvoProfile& profile) {
    const std::optional<std::string> system = profile.value(Section, Key);
    return system && IsMetric(*system) ? UnitSystem::Metric : UnitSystem::Imperial;
}

void StoreUnitSystem(KelvoProfile& profile, UnitSystem units) {
    profile.setValue(Section, Key, units == UnitSystem::Metric ? "Metric" : "Imperial");
}
