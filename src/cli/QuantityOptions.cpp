#include "cli/QuantityOptions.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <cmath>

std::optional<double> QuantityOptions::Si(const std::string& name, Quantity quantity, double low,
                                          double high) {
    const SiRange range = ToSiRange(quantity, low, high, SiDecimals(quantity));
    // The message goes to a terminal: the unit (a degree sign) as UTF-8.
    return options_.real(name, 0.0, range.low, range.high,
                         Utf8From1252(UnitSymbol(quantity, UnitSystem::Metric)));
}

std::optional<int32_t> QuantityOptions::Whole(const std::string& name, Quantity quantity,
                                              int32_t fallback, int32_t low, int32_t high,
                                              int32_t step) {
    if (units_ == UnitSystem::Imperial || !options_.has(name))
        return options_.integer(name, fallback, low, high);
    const std::optional<double> si = Si(name, quantity, low, high);
    if (!si)
        return std::nullopt;
    // Within the widened range the imperial value is at most a step past an end.
    const int32_t whole =
        step == 1 ? NearestWholeImperial(quantity, *si)
                  : static_cast<int32_t>(std::lround(FromSi(quantity, *si) / step)) * step;
    return std::clamp(whole, low, high);
}

std::optional<double> QuantityOptions::Length(const std::string& name, double fallback, double low,
                                              double high) {
    if (units_ == UnitSystem::Imperial || !options_.has(name))
        return options_.real(name, fallback, low, high);
    const std::optional<double> si = Si(name, Quantity::Length, low, high);
    if (!si)
        return std::nullopt;
    const double feet = std::round(FromSi(Quantity::Length, *si) * 100.0) / 100.0;
    return std::clamp(feet, low, high);
}
