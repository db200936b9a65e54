#include "calc/UnitConversion.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

struct UnitInfo {
    double factor; // imperial -> SI
    const char* imperial;
    const char* si;
    int siDecimals;
};

constexpr double BtuJoules = 1055.05585262; // Btu (International Table), exact
constexpr double PoundKg = 0.45359237;      // exact
constexpr double FootMetre = 0.3048;        // exact

UnitInfo Info(Quantity quantity) {
    switch (quantity) {
    case Quantity::Temperature:
        return {1 / 1.8, "F",
                "\xB0"
                "C",
                1};
    case Quantity::TempDifference:
        return {1 / 1.8, "F", "K", 1};
    case Quantity::Length:
        return {FootMetre, "ft", "m", 2};
    case Quantity::Thickness:
        return {25.4, "in", "mm", 0};
    case Quantity::Area:
        return {FootMetre * FootMetre, "sq ft", "m\xB2", 2};
    case Quantity::Volume:
        return {FootMetre * FootMetre * FootMetre, "cu ft", "m\xB3", 2};
    case Quantity::Mass:
        return {PoundKg, "lb", "kg", 0};
    case Quantity::HeatFlow:
        return {WattsPerBtuh, "btuh", "W", 0};
    case Quantity::Power:
        return {0.7456999, "hp", "kW", 2};
    case Quantity::KFactor:
        return {0.1442279, "btu.in/h.sq ft.F", "W/(m\xB7K)", 3};
    case Quantity::UFactor:
        return {5.678263, "btu/h.sq ft.F", "W/(m\xB2\xB7K)", 3};
    case Quantity::HeatFlux:
        return {3.154591, "btu/h.sq ft", "W/m\xB2", 1};
    case Quantity::LightingDensity:
        return {1 / (FootMetre * FootMetre), "watts/sq ft", "W/m\xB2", 2};
    case Quantity::SpecificHeat:
        return {4.1868, "btu/lb.F", "kJ/(kg\xB7K)", 2};
    case Quantity::LatentHeat:
        return {2.326, "btu/lb", "kJ/kg", 0};
    case Quantity::Respiration:
        return {BtuJoules / PoundKg / 86400.0 * 1000.0, "btu/lb.24h", "mW/kg", 1};
    case Quantity::CoilRating:
        return {WattsPerBtuh * 1.8, "btuh/F", "W/K", 0};
    case Quantity::Velocity:
        return {FootMetre / 60.0, "ft/min", "m/s", 2};
    case Quantity::HeatPerVolume:
        return {BtuJoules / 1000.0 / (FootMetre * FootMetre * FootMetre), "btu/cu ft", "kJ/m\xB3",
                2};
    case Quantity::Energy:
        return {BtuJoules / 3.6e6, "btu", "kWh", 2};
    }
    return {1, "", "", 0};
}

} // namespace

double SiFactor(Quantity quantity) {
    return Info(quantity).factor;
}

double ToSi(Quantity quantity, double imperial) {
    if (quantity == Quantity::Temperature)
        return (imperial - 32.0) / 1.8;
    return imperial * Info(quantity).factor;
}

double FromSi(Quantity quantity, double si) {
    if (quantity == Quantity::Temperature)
        return si * 1.8 + 32.0;
    return si / Info(quantity).factor;
}

int SiDecimals(Quantity quantity) {
    return Info(quantity).siDecimals;
}

const char* UnitSymbol(Quantity quantity, UnitSystem system) {
    const UnitInfo info = Info(quantity);
    return system == UnitSystem::Metric ? info.si : info.imperial;
}

int32_t NearestWholeImperial(Quantity quantity, double si) {
    const double imperial = std::round(FromSi(quantity, si));
    if (std::isnan(imperial))
        return 0;
    if (imperial >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (imperial <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(imperial);
}

SiRange ToSiRange(Quantity quantity, double low, double high, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double a = ToSi(quantity, low);
    double b = ToSi(quantity, high);
    if (a > b)
        std::swap(a, b);
    // A bound that converts to a whole step up to rounding noise stays on that step.
    constexpr double noise = 1e-9;
    return {std::floor(a * scale + noise) / scale, std::ceil(b * scale - noise) / scale};
}
