#include "calc/QuantityText.h"

#include "calc/PrintfText.h"

#include <algorithm>

namespace {

// Characters that the decimals take: none, or the point and the digits.
int DecimalsWidth(int decimals) {
    return decimals > 0 ? decimals + 1 : 0;
}

} // namespace

std::string QuantityText::Number(Quantity quantity, double imperial, int width, int decimals,
                                 int siDecimals) const {
    if (!Metric())
        return Format("%*.*f", width, decimals, imperial);
    if (siDecimals < 0)
        siDecimals = SiDecimals(quantity);
    const int siWidth = std::max(0, width - DecimalsWidth(decimals) + DecimalsWidth(siDecimals));
    return Format("%*.*f", siWidth, siDecimals, ToSi(quantity, imperial));
}

const char* QuantityText::Unit(Quantity quantity, const char* imperialUnit) const {
    return Metric() ? UnitSymbol(quantity, UnitSystem::Metric) : imperialUnit;
}

std::string QuantityText::Tagged(Quantity quantity, double imperial, int width, int decimals,
                                 int siDecimals) const {
    std::string text = Number(quantity, imperial, width, decimals, siDecimals);
    if (Metric())
        text = text + " " + UnitSymbol(quantity, UnitSystem::Metric);
    return text;
}

std::string QuantityText::Value(Quantity quantity, double imperial, int width, int decimals,
                                const char* imperialUnit, int siDecimals) const {
    return Number(quantity, imperial, width, decimals, siDecimals) + " " +
           Unit(quantity, imperialUnit);
}

std::string QuantityText::Factor(double factor, char kind, int width) const {
    const Quantity quantity = kind == 'K' ? Quantity::KFactor : Quantity::UFactor;
    const std::string number = Number(quantity, factor, width, 2);
    if (!Metric())
        return number + kind;
    const char* unit = quantity == Quantity::KFactor ? "W/(m\xB7K) " : "W/(m\xB2\xB7K)";
    return std::string(1, kind) + " " + number + " " + unit;
}

std::string QuantityText::Kilowatts(double btuh, int width) const {
    return Format("%*.1f kW", width, ToSi(Quantity::HeatFlow, btuh) / 1000.0);
}
