#include "MetricFigures.h"

#include "calc/UnitConversion.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

struct Figure {
    double value = 0;
    int decimals = 0;
    std::string unit;     // the word after one blank
    char attached = '\0'; // a letter right after the digits (a factor's K or U)
};

std::vector<Figure> Figures(const std::string& text) {
    std::vector<Figure> figures;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool sign = text[i] == '-' && i + 1 < text.size() &&
                          std::isdigit(static_cast<unsigned char>(text[i + 1]));
        if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        i += sign ? 1 : 0;
        while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) ||
                                   (text[i] == '.' && i + 1 < text.size() &&
                                    std::isdigit(static_cast<unsigned char>(text[i + 1])))))
            ++i;
        Figure f;
        const std::string number = text.substr(start, i - start);
        f.value = std::strtod(number.c_str(), nullptr);
        const auto point = number.find('.');
        f.decimals = point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
        if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])))
            f.attached = text[i];
        // The unit after one blank, or a degree sign right after the digits.
        const bool degrees = i < text.size() && text[i] == '\xB0';
        if (degrees || (i + 1 < text.size() && text[i] == ' ')) {
            const std::size_t from = degrees ? i : i + 1;
            const std::size_t end = text.find(' ', from);
            f.unit = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
            // "55 F+ 5" and "2.5 lb/pkg/material": the unit ends before what follows it.
            for (const char* tail : {"+", "/pkg", "/per"}) {
                const auto at = f.unit.find(tail);
                if (at != std::string::npos)
                    f.unit.resize(at);
            }
        }
        figures.push_back(f);
    }
    return figures;
}

std::optional<Quantity> QuantityOf(const Figure& si) {
    if (si.unit == "W/m\xB2")
        return Quantity::LightingDensity; // the only W/m2 the pages show
    if (si.attached == 'K')
        return Quantity::KFactor;
    if (si.attached == 'U')
        return Quantity::UFactor;
    if (si.unit == "TD")
        return Quantity::TempDifference;
    if (si.unit == "m")
        return Quantity::Length;
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        if (si.unit == UnitSymbol(quantity, UnitSystem::Metric))
            return quantity;
    }
    return std::nullopt;
}

double HalfStep(int decimals) {
    return 0.5 * std::pow(10.0, -decimals);
}

// A load the imperial text gives in BTU per hour and the SI text in kW.
bool KilowattLoad(const Figure& imperial, const Figure& si) {
    std::string unit = imperial.unit;
    for (char& c : unit)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return si.unit == "kW" && unit == "btuh";
}

} // namespace

std::vector<std::string> MetricFigureErrors(const std::string& imperial, const std::string& si,
                                            const std::vector<std::optional<Quantity>>& columns) {
    std::vector<std::string> errors;
    const std::vector<Figure> from = Figures(imperial);
    const std::vector<Figure> to = Figures(si);
    const std::string where = "\"" + imperial + "\" / \"" + si + "\": ";
    if (from.size() != to.size()) {
        errors.push_back(where + "the texts hold different numbers of figures");
        return errors;
    }
    for (std::size_t i = 0; i < from.size(); ++i) {
        std::optional<Quantity> quantity = QuantityOf(to[i]);
        if (!quantity && i < columns.size())
            quantity = columns[i];
        double expected = from[i].value;
        double tolerance = HalfStep(to[i].decimals) + 1e-9;
        if (KilowattLoad(from[i], to[i])) {
            expected = ToSi(Quantity::HeatFlow, from[i].value) / 1000.0;
            tolerance += SiFactor(Quantity::HeatFlow) / 1000.0 * HalfStep(from[i].decimals);
        } else if (quantity) {
            expected = ToSi(*quantity, from[i].value);
            tolerance += SiFactor(*quantity) * HalfStep(from[i].decimals);
        } else if (to[i].decimals != from[i].decimals) {
            errors.push_back(where + "figure " + std::to_string(i + 1) +
                             " changed its decimals without an SI unit");
            continue;
        }
        if (std::fabs(to[i].value - expected) > tolerance)
            errors.push_back(where + "figure " + std::to_string(i + 1) + " is " +
                             std::to_string(to[i].value) + ", converted " +
                             std::to_string(expected));
    }
    return errors;
}
