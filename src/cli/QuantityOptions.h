#pragma once
// Options that hold a quantity (a load, a temperature, a TD, a length), read in the unit system
// the command runs in. In imperial units they are read as Options reads them. In SI an option
// takes a number in the SI unit, with or without decimals, within the imperial range converted
// and widened outward to the quantity's SI decimals; the command then uses the imperial value
// nearest to it within the imperial range, so the job gets only values it could get in
// imperial units.

#include "calc/UnitConversion.h"
#include "cli/Options.h"

#include <cstdint>
#include <optional>
#include <string>

class QuantityOptions {
public:
    QuantityOptions(Options& options, UnitSystem units) : options_(options), units_(units) {}

    // A field that holds a whole imperial number within [low, high]; `fallback` (imperial) when
    // the option is absent. With a `step`, an SI value goes to the nearest multiple of it (low
    // and high are multiples).
    std::optional<int32_t> Whole(const std::string& name, Quantity quantity, int32_t fallback,
                                 int32_t low, int32_t high, int32_t step = 1);

    // A length in feet within [low, high]; `fallback` when absent. A length given in metres is
    // kept to two decimals of a foot.
    std::optional<double> Length(const std::string& name, double fallback, double low, double high);

private:
    // The option's SI value within the imperial range converted; nullopt (with the range in the
    // options' error) when it is not a number within it.
    std::optional<double> Si(const std::string& name, Quantity quantity, double low, double high);

    Options& options_;
    UnitSystem units_;
};
