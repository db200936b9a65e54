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
    rows.At(C1 + 2600, rows.Y(0, BodyBase), Format("%10li btuh", static_cast<long>(heat)));
    rows.n += 1;
}

} // namespace

bool ProductInUse(const TProductSlot& product) {
    return product.slotLoad > 0;
}

void DrawFirstProductHeading(ReportRows& rows, const TProductSlot& p) {
    rows.SetFont(ReportFont::F12B);
    rows.At(C0, rows.Y(0, BodyBase),
            Format("%32s %12li%clbs in at %3i F %3i hr/pd", GetText(p.productName).c_str(),
                   static_cast<long>(p.productWeight), static_cast<int>(ShownChar(p.estimateMark)),
                   p.enteringTemp, p.pulldownHours));
    rows.SetFont(ReportFont::F10);
}

void DrawLaterProductHeading(ReportRows& rows, const TProductSlot& p) {
    rows.SetFont(ReportFont::F12B);
    rows.At(C0, rows.Y(1, BodyBase),
            Format("%32s %12li lbs in at %3i f %3i hr/pd", GetText(p.productName).c_str(),
                   static_cast<long>(p.productWeight), p.enteringTemp, p.pulldownHours));
    rows.SetFont(ReportFont::F10);
}

void DrawProductDetail(ReportRows& rows, const TProductSlot& p, int item) {
    switch (item) {
    case 1:
        HeatRow(rows, "Specific Heat Above Freezing", "",
                Format("%6.2f factor", static_cast<double>(p.specHeatAbove)), p.aboveLoad);
        break;
    case 2:
        HeatRow(rows, "Specific Heat Below Freezing", "",
                Format("%6.2f factor", static_cast<double>(p.specHeatBelow)), p.belowLoad);
        break;
    case 3:
        HeatRow(rows, "Latent Heat of Fusion", "", Format("%6i factor", p.latentHeat),
                p.latentLoad);
        break;
    case 4:
        if (p.respLoad < 1)
            break;
        HeatRow(rows, "Heat of Respiration", Format("%10li lbs", static_cast<long>(p.respWeight)),
                Format("%6.2f factor", static_cast<double>(p.respFactor)), p.respLoad);
        break;
    case 5:
        if (!ProductInUse(p))
            break;
        if (p.calcFlag == 2) {
            rows.SetFont(ReportFont::F10);
            rows.At(C1, rows.Y(0, BodyBase),
                    Format("%6li pkgs @ %8.2f lb/pkg/material %11li btuh/pkg/material",
                           static_cast<long>(p.quantity), static_cast<double>(p.pkgWeight),
                           static_cast<long>(p.pkgLoad)));
            rows.n += 1;
        } else if (p.calcFlag == 3) {
            rows.SetFont(ReportFont::F10);
            rows.At(C1, rows.Y(0, BodyBase),
                    Format("%6li pkgs @ %9.2f lbs/per/pkg", static_cast<long>(p.quantity),
                           static_cast<double>(p.grossWeight)));
            rows.n += 1;
        }
        break;
    default:
        break;
    }
}
