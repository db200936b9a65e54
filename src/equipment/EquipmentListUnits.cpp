#include "equipment/EquipmentListUnits.h"

#include "calc/PrintfText.h"
#include "calc/QuantityText.h"

#include <cstdlib>

namespace {

bool Metric(UnitSystem system) {
    return system == UnitSystem::Metric;
}

// A column's imperial number shown in SI: the figure the row would store, read back from its
// text and converted, in the column's width.
std::string InSi(Quantity quantity, const std::string& imperial, int decimals, int siDecimals) {
    const QuantityText si(UnitSystem::Metric);
    return si.Number(quantity, std::strtod(imperial.c_str(), nullptr),
                     static_cast<int>(imperial.size()), decimals, siDecimals);
}

} // namespace

std::vector<ListColumn> UnitListColumns(UnitSystem system) {
    return {{"Model", 14},
            {Metric(system) ? "W" : "btuh", 12},
            {Metric(system) ? "Nom kW" : "Nom HP", 7},
            {"run/hrs", 6},
            {"Brand", 8},
            {"Type", 6}};
}

std::vector<ListColumn> CoilListColumns(UnitSystem system) {
    return {{"model", 10}, {Metric(system) ? "TD K" : "TD", 4}, {"style", 9},
            {"fin", 4},    {Metric(system) ? "W" : "btuh", 12}, {"defrost", 7},
            {"brand", 10}};
}

std::vector<std::string> UnitRowTexts(const UnitRow& row, UnitSystem system) {
    if (!Metric(system))
        return {row.model, row.btuh, row.nominalHp, row.runHours, row.brand, row.type};
    return {row.model,
            InSi(Quantity::HeatFlow, row.btuh, 0, 0),
            InSi(Quantity::Power, row.nominalHp, 2, 2),
            row.runHours,
            row.brand,
            row.type};
}

std::vector<std::string> CoilRowTexts(const CoilRow& row, UnitSystem system) {
    if (!Metric(system))
        return {row.model, row.td, row.style, row.fin, row.btuh, row.defrost, row.brand};
    return {row.model, InSi(Quantity::TempDifference, row.td, 2, 2), row.style,
            row.fin,   InSi(Quantity::HeatFlow, row.btuh, 0, 0),     row.defrost,
            row.brand};
}

std::string DesiredUnitLine(const JobImage& image, UnitSystem system) {
    if (!Metric(system))
        return DesiredUnitLine(image);
    const QuantityText si(system);
    const int32_t count = image.unit.unitCount;
    const std::string load = si.Value(Quantity::HeatFlow, image.totals.totalLoad, 11, 0, "btuh");
    const std::string ambient = si.Tagged(Quantity::Temperature, image.header.designAmbient, 3, 0);
    const std::string suction = si.Tagged(Quantity::Temperature, image.unit.suctionTemp, 3, 0);
    const int32_t hours = image.header.runHours;
    if (count > 1)
        return Format("Desired: %2i Units for %s @ %s Ambient %3i run/Hrs %s Suction", count,
                      load.c_str(), ambient.c_str(), hours, suction.c_str());
    return Format("Desired: 1  Unit for %s @ %s Ambient %3i run/Hrs %s Suction", load.c_str(),
                  ambient.c_str(), hours, suction.c_str());
}

std::string DesiredCoilLine(const JobImage& image, UnitSystem system) {
    if (!Metric(system))
        return DesiredCoilLine(image);
    const QuantityText si(system);
    return Format("Desired: %2i Coils for %s @%s TD", image.coil.coilCount,
                  si.Value(Quantity::HeatFlow, image.unit.unitCapacity, 10, 0, "btuh").c_str(),
                  si.Value(Quantity::TempDifference, image.unit.designTD, 3, 0, "F", 2).c_str());
}
