#pragma once
// Imperial and SI units for showing and entering a job. The job, the tables and every computation
// stay imperial; these conversions are applied only where a value is shown or typed.
//
// Factors are those of NIST Special Publication 811 (2008), Appendix B.8 and B.9, "Factors for
// units listed alphabetically / by kind of quantity"; the foot, inch, pound and calorie-based
// factors are exact by definition, the others are given to the precision NIST lists.

#include <cstdint>

enum class UnitSystem { Imperial, Metric };

enum class Quantity {
    Temperature,     // F          -> degree C
    TempDifference,  // delta F    -> K
    Length,          // ft         -> m
    Thickness,       // in         -> mm
    Area,            // ft2        -> m2
    Volume,          // ft3        -> m3
    Mass,            // lb         -> kg
    HeatFlow,        // Btu/h      -> W
    Power,           // hp         -> kW
    KFactor,         // Btu.in/(h.ft2.F) -> W/(m.K)
    UFactor,         // Btu/(h.ft2.F)    -> W/(m2.K)
    HeatFlux,        // Btu/(h.ft2)      -> W/m2
    LightingDensity, // W/ft2      -> W/m2
    SpecificHeat,    // Btu/(lb.F) -> kJ/(kg.K)
    LatentHeat,      // Btu/lb     -> kJ/kg
    Respiration,     // Btu/(lb.24 h) -> mW/kg
    CoilRating,      // Btu/(h.F)  -> W/K
    Velocity,        // ft/min     -> m/s
    HeatPerVolume,   // Btu/ft3    -> kJ/m3
    Energy,          // Btu        -> kWh
};
inline constexpr int QuantityCount = static_cast<int>(Quantity::Energy) + 1;

// Multiplier from the imperial unit to the SI unit (temperatures: of a difference).
double SiFactor(Quantity quantity);

// An imperial value in the SI unit, and back.
double ToSi(Quantity quantity, double imperial);
double FromSi(Quantity quantity, double si);

// The unit's symbol as Windows-1252 text (the degree sign is 0xB0), e.g. "\xB0" "C",
// "W/(m\xB2\xB7K)".
const char* UnitSymbol(Quantity quantity, UnitSystem system);

// A field that stores a whole imperial number (box temperature, run hours, TD...): the nearest
// whole imperial value of an SI entry, saturated to the int32 range (NaN gives 0).
int32_t NearestWholeImperial(Quantity quantity, double si);

// The imperial range [low, high] in SI, widened outward to `decimals` places so that both
// imperial ends stay reachable.
struct SiRange {
    double low = 0;
    double high = 0;
};
SiRange ToSiRange(Quantity quantity, double low, double high, int decimals);

// Decimals an SI value is shown with where the page does not say otherwise.
int SiDecimals(Quantity quantity);

// 1 Btu/h in watts, the factor the totals use.
inline constexpr double WattsPerBtuh = 0.29307107;
