#include "report/ReportProducts.h"

#include "calc/PrintfText.h"
#include "job/FixedText.h"

using namespace report;

namespace {

// A heat row: label, the pounds (respiration only), the factor and the heat.
void HeatRow(ReportRows& rows, const char* label, const std::string& pounds,
             const std::string& factor, int32_t heat) {
    rows.SetFont(ReportFont::F10);
    rows.At(C0, rows.Y(0, BodyBase), label);
    if (!pounds.empty())
        rows.At(C1 + 600, rows.Y(0, BodyBase), pounds);
    rows.At(C1 + 1600, rows.Y(0, BodyBase), factor);
    // An SI factor names its unit: the heats stand further right, clear of it.
    const int32_t heatX = rows.Units().Metric() ? C1 + 2900 : C1 + 2600;
    rows.At(heatX, rows.Y(0, BodyBase), rows.Heat(heat, 10, "btuh", LoadColumn::ProductHeats));
    rows.n += 1;
}

} // namespace

bool ProductInUse(const TProductSlot& product) {
    return product.slotLoad > 0;
}

void DrawFirstProductHeading(ReportRows& rows, const TProductSlot& p) {
    const QuantityText& q = rows.Units();
    rows.SetFont(ReportFont::F12B);
    const std::string weight = q.Number(Quantity::Mass, p.productWeight, 12, 0);
    const std::string entering = q.Value(Quantity::Temperature, p.enteringTemp, 3, 0, "F");
    rows.AtFitted(
        C0, rows.Y(0, BodyBase),
        [&](const std::string& name) {
            return Format("%32s %s%c%s in at %s %3i hr/pd", name.c_str(), weight.c_str(),
                          static_cast<int>(ShownChar(p.estimateMark)),
                          q.Unit(Quantity::Mass, "lbs"), entering.c_str(), p.pulldownHours);
        },
        GetText(p.productName), FrameWidth);
    rows.SetFont(ReportFont::F10);
}

void DrawLaterProductHeading(ReportRows& rows, const TProductSlot& p) {
    const QuantityText& q = rows.Units();
    rows.SetFont(ReportFont::F12B);
    const std::string weight = q.Value(Quantity::Mass, p.productWeight, 12, 0, "lbs");
    const std::string entering = q.Value(Quantity::Temperature, p.enteringTemp, 3, 0, "f");
    rows.AtFitted(
        C0, rows.Y(1, BodyBase),
        [&](const std::string& name) {
            return Format("%32s %s in at %s %3i hr/pd", name.c_str(), weight.c_str(),
                          entering.c_str(), p.pulldownHours);
        },
        GetText(p.productName), FrameWidth);
    rows.SetFont(ReportFont::F10);
}

void DrawProductDetail(ReportRows& rows, const TProductSlot& p, int item) {
    const QuantityText& q = rows.Units();
    switch (item) {
    case 1:
        HeatRow(
            rows, "Specific Heat Above Freezing", "",
            q.Value(Quantity::SpecificHeat, static_cast<double>(p.specHeatAbove), 6, 2, "factor"),
            p.aboveLoad);
        break;
    case 2:
        HeatRow(
            rows, "Specific Heat Below Freezing", "",
            q.Value(Quantity::SpecificHeat, static_cast<double>(p.specHeatBelow), 6, 2, "factor"),
            p.belowLoad);
        break;
    case 3:
        HeatRow(rows, "Latent Heat of Fusion", "",
                q.Value(Quantity::LatentHeat, p.latentHeat, 6, 0, "factor"), p.latentLoad);
        break;
    case 4:
        if (p.respLoad < 1)
            break;
        HeatRow(rows, "Heat of Respiration",
                q.Value(Quantity::Mass, static_cast<double>(p.respWeight), 10, 0, "lbs"),
                q.Value(Quantity::Respiration, static_cast<double>(p.respFactor), 6, 2, "factor"),
                p.respLoad);
        break;
    case 5:
        if (!ProductInUse(p))
            break;
        if (p.calcFlag == 2) {
            rows.SetFont(ReportFont::F10);
            rows.At(C1, rows.Y(0, BodyBase),
                    Format("%6li pkgs @ %s/pkg/material %s/pkg/material",
                           static_cast<long>(p.quantity),
                           q.Value(Quantity::Mass, static_cast<double>(p.pkgWeight), 8, 2, "lb", 2)
                               .c_str(),
                           rows.Heat(p.pkgLoad, 11, "btuh", LoadColumn::ProductHeats).c_str()));
            rows.n += 1;
        } else if (p.calcFlag == 3) {
            rows.SetFont(ReportFont::F10);
            rows.At(
                C1, rows.Y(0, BodyBase),
                Format("%6li pkgs @ %s/per/pkg", static_cast<long>(p.quantity),
                       q.Value(Quantity::Mass, static_cast<double>(p.grossWeight), 9, 2, "lbs", 2)
                           .c_str()));
            rows.n += 1;
        }
        break;
    default:
        break;
    }
}
