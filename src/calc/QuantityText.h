#pragma once
// Numbers with their units as the summary, the report and the equipment lists show them. In
// imperial units the text is exactly what "%*.*f" and the page's own unit word give, so an
// imperial page reads as it always has; in SI the value is converted and carries its SI symbol.

#include "calc/UnitConversion.h"

#include <string>

class QuantityText {
public:
    explicit QuantityText(UnitSystem system = UnitSystem::Imperial) : system_(system) {}

    bool Metric() const { return system_ == UnitSystem::Metric; }
    UnitSystem System() const { return system_; }

    // The number alone. Imperial: `width` and `decimals` as given. SI: the value converted and
    // shown with `siDecimals` (by default the quantity's own), the width changed by the
    // difference in decimals.
    std::string Number(Quantity quantity, double imperial, int width, int decimals,
                       int siDecimals = -1) const;

    // The unit word: `imperialUnit` as the page has it, or the SI symbol.
    const char* Unit(Quantity quantity, const char* imperialUnit) const;

    // Number, a blank, unit.
    std::string Value(Quantity quantity, double imperial, int width, int decimals,
                      const char* imperialUnit, int siDecimals = -1) const;

    // A number the imperial page shows without a unit: in SI it carries its symbol.
    std::string Tagged(Quantity quantity, double imperial, int width, int decimals,
                       int siDecimals = -1) const;

    // An insulation factor of kind 'K' (per inch of thickness) or 'U' (the whole construction).
    // Imperial: the number, `width` wide with two decimals, and the kind letter right after it.
    // SI: the kind letter first (a "K" after the figure would read as kelvin), the factor with the
    // quantity's decimals and its unit, W/(m.K) padded to the width of W/(m2.K).
    std::string Factor(double factor, char kind, int width) const;

    // A heat flow in kilowatts with one decimal, `width` wide, and "kW".
    std::string Kilowatts(double btuh, int width) const;

private:
    UnitSystem system_;
};
