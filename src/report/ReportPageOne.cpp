#include "report/ReportPageOne.h"

#include "calc/PrintfText.h"
#include "job/FixedText.h"
#include "report/ReportProducts.h"

using namespace report;

namespace {

struct SurfaceLabels {
    const char* factor;
    const char* name;
};

constexpr SurfaceLabels surfaceLabels[SurfaceCount] = {
    {"No  %s", "L x H  %26s"}, {"So  %s", "L x H  %26s"}, {"Ea  %s", "W x H %26s"},
    {"We  %s", "W x H %26s"},  {"Clg %s", "L x W %26s"},  {"Flr %s", "L x W %26s"},
};

void SurfaceLine(ReportRows& rows, const TSurface& s, int index, PageOneState& state) {
    const int32_t y = rows.Y(0, BodyBase);
    const QuantityText& q = rows.Units();
    // An SI factor carries its kind and unit: in the smaller font it still ends before C1.
    rows.SetFont(q.Metric() ? ReportFont::F8 : ReportFont::F10);
    rows.At(
        C0, y,
        Format(surfaceLabels[index].factor,
               q.Factor(static_cast<double>(s.factor), s.factorKind, q.Metric() ? 0 : 6).c_str()));
    rows.SetFont(ReportFont::F10);
    const char* nameFormat = surfaceLabels[index].name;
    rows.AtFitted(
        C1, y, [nameFormat](const std::string& name) { return Format(nameFormat, name.c_str()); },
        GetText(s.insulationName), C3);
    const int32_t sun = s.sunAllowance;
    std::string temperature;
    temperature = q.Value(Quantity::Temperature, s.adjacentTemp, 5, 0, "F");
    if (index != Floor && sun >= 1) {
        temperature += "+" + q.Tagged(Quantity::TempDifference, sun, 2, 0);
        ++state.sunSurfaces;
    }
    if (s.factorKind == 'K')
        rows.At(
            C3, y,
            Format(
                "%s  %s",
                q.Value(Quantity::Thickness, static_cast<double>(s.thickness), 5, 2, "in").c_str(),
                temperature.c_str()));
    else
        rows.At(C3, y, Format("          %s", temperature.c_str()));
    rows.Right(C5, y, rows.Heat(s.hourlyGain));
    rows.n += 1;
}

// The daily figure beside a capacity: BTU a day with no unit word, or kWh a day.
std::string DailyLoad(const QuantityText& q, double btu) {
    if (!q.Metric())
        return q.Number(Quantity::Energy, btu, 12, 0);
    return q.Value(Quantity::Energy, btu, 10, 0, "");
}

// A load block's first row: bold heading, regular inputs, bold total.
void LoadHeading(ReportRows& rows, const char* heading) {
    rows.SetFont(ReportFont::F12B);
    rows.At(C0, rows.Y(0, BodyBase), heading);
    rows.SetFont(ReportFont::F12);
}

void LoadTotal(ReportRows& rows, int32_t load) {
    rows.SetFont(ReportFont::F12B);
    rows.Right(C5, rows.Y(0, BodyBase), rows.Heat(load));
}

// Where a load block's total, drawn right at C5 in bold, begins.
int32_t LoadTotalLeft(ReportRows& rows, int32_t load) {
    rows.SetFont(ReportFont::F12B);
    const int32_t left = C5 - 100 - rows.Width(rows.Heat(load));
    rows.SetFont(ReportFont::F12);
    return left;
}

void Infiltration(ReportRows& rows, const JobImage& im, int step) {
    const QuantityText& q = rows.Units();
    const TInfiltration& inf = im.infiltration;
    const bool airChange = inf.airChangeMethod != 0;
    const int32_t y = rows.Y(0, BodyBase);
    if (step == 13) {
        LoadHeading(rows, "INFILTRATION");
        rows.At(C1, y,
                airChange ? Format("Average Air Change Method %10s", GetText(inf.usageText).c_str())
                          : std::string("Air Velocity Method"));
        LoadTotal(rows, inf.infiltrationLoad);
        rows.n += 1;
    } else if (step == 14) {
        rows.SetFont(ReportFont::F10);
        if (airChange) {
            const double airChanges =
                static_cast<double>(inf.usageFactor) * static_cast<double>(inf.airChanges);
            rows.At(
                C1, y,
                Format("Air Changes %5.2f %s @ %3i RH%%  a/c Factor %s", airChanges,
                       q.Value(Quantity::Temperature, im.airChangeEntry.infiltratingTemp, 3, 0, "F")
                           .c_str(),
                       im.airChangeEntry.infiltratingRelHum,
                       q.Tagged(Quantity::HeatPerVolume, static_cast<double>(inf.heatPerCubicFoot),
                                5, 2)
                           .c_str()));
        } else {
            const TAirVelocityEntry& v = im.airVelocityEntry;
            rows.At(C1, y,
                    Format("infil/temp %s @ %3i RH%% w/%2i%% prot/Dev ",
                           q.Value(Quantity::Temperature, v.infiltratingTemp, 3, 0, "F").c_str(),
                           v.infiltratingRelHum, v.deviceEfficiency));
        }
        rows.SetFont(ReportFont::F12);
        rows.n += 1;
    } else if (step == 15 && !airChange) {
        const TAirVelocityEntry& v = im.airVelocityEntry;
        rows.SetFont(ReportFont::F12);
        const int size = q.Metric() ? 0 : 7; // SI names the sizes instead of padding them
        rows.At(C1, y,
                Format(q.Metric() ? "%2d Doors  width %s m  height %s m  %3i open/Min"
                                  : "%2d Doors %s W  %s H  %3i open/Min",
                       v.doorCount, q.Number(Quantity::Length, v.doorWidth, size, 2).c_str(),
                       q.Number(Quantity::Length, v.doorHeight, size, 2).c_str(), v.openMinutes));
        rows.n += 1;
    }
}

// Steps 16 to 24: the optional load blocks.
void OptionalLoad(ReportRows& rows, const JobImage& im, int step) {
    const QuantityText& q = rows.Units();
    const TLoadTotals& t = im.totals;
    const int32_t y = rows.Y(0, BodyBase);
    switch (step) {
    case 16:
        if (t.lightingLoad < 1)
            return;
        LoadHeading(rows, "LIGHTING");
        rows.At(C1, y,
                q.Value(Quantity::LightingDensity, static_cast<double>(im.lighting.wattsPerSqFt), 6,
                        2, "watts/sq/ft"));
        rows.At(C4, y, Format("for %3i hours", im.lighting.hours));
        LoadTotal(rows, t.lightingLoad);
        break;
    case 17:
        if (t.occupantLoad < 1)
            return;
        LoadHeading(rows, "OCCUPANTS");
        rows.At(C1, y, Format("%3i Occupants", im.occupants.occupants));
        rows.At(C4, y, Format("for %3i hours", im.occupants.hours));
        LoadTotal(rows, t.occupantLoad);
        break;
    case 18:
        if (t.glassDoorLoad < 1)
            return;
        LoadHeading(rows, "GLASS DOORS");
        rows.At(
            C1, y,
            Format("%3i @ %s Adj/Temp   %12s", im.glassDoors.doorCount,
                   q.Value(Quantity::Temperature, im.glassDoors.adjacentTemp, 4, 0, "F").c_str(),
                   GetText(im.glassDoors.usageText).c_str()));
        LoadTotal(rows, t.glassDoorLoad);
        break;
    case 19:
        if (t.glassDoorLoad < 1)
            return;
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%s Width   %s High",
                       q.Value(Quantity::Thickness, im.glassDoors.doorWidth, 7, 0, "in").c_str(),
                       q.Value(Quantity::Thickness, im.glassDoors.doorHeight, 7, 0, "in").c_str()));
        rows.SetFont(ReportFont::F12);
        break;
    case 20:
        if (t.electricLoad < 1)
            return;
        LoadHeading(rows, "ELECTRICAL");
        rows.At(C1, y, Format("%9li Watts", static_cast<long>(im.electric.watts)));
        rows.At(C4, y, Format("for %3i hours", im.electric.hours));
        LoadTotal(rows, t.electricLoad);
        break;
    case 21:
        if (t.motorLoad < 1)
            return;
        LoadHeading(rows, "MOTORS");
        rows.At(C1, y,
                Format("%3i Motors @ %s for", im.motors.motorCount,
                       q.Value(Quantity::Power, static_cast<double>(im.motors.motorHp), 7, 2, "hp")
                           .c_str()));
        rows.At(C4, y, Format("for %3i hours", im.motors.hours));
        LoadTotal(rows, t.motorLoad);
        break;
    case 22:
        if (t.productLoad < 1)
            return;
        LoadHeading(rows, "PRODUCT");
        rows.At(C1, y, "Product Load");
        LoadTotal(rows, t.productLoad);
        break;
    case 23:
        if (im.userLoad.userLoad < 1)
            return;
        LoadHeading(rows, "USER");
        rows.AtFitted(
            C1, y, [](const std::string& text) { return text; },
            GetText(im.userLoad.userDescription), LoadTotalLeft(rows, im.userLoad.userLoad));
        LoadTotal(rows, im.userLoad.userLoad);
        break;
    case 24:
        if (t.safetyLoad <= 0)
            return;
        LoadHeading(rows, "SAFETY");
        rows.At(C1, y, Format("Safety Factor %3i %%", im.header.safetyFactor));
        LoadTotal(rows, t.safetyLoad);
        rows.n += 1; // one empty row before the totals
        break;
    default:
        return;
    }
    rows.n += 1;
}

// Steps 28 to 32: the selected unit and coil.
void Equipment(ReportRows& rows, const JobImage& im, const EquipmentState& state, int step) {
    const QuantityText& q = rows.Units();
    const TUnitSelection& u = im.unit;
    if (u.unitSelected == 0)
        return;
    const int32_t y = rows.Y(0, BodyBase);
    switch (step) {
    case 28:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, y, "Units");
        rows.AtFitted(
            C1, y,
            [&u](const std::string& model) {
                return Format("%3i ea %8s %20s", u.unitCount, GetText(u.unitBrand).c_str(),
                              model.c_str());
            },
            GetText(u.unitModel), FrameWidth);
        break;
    case 29:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("    unit based on %s ambient @ %s suction",
                       q.Value(Quantity::Temperature, im.header.designAmbient, 3, 0, "F").c_str(),
                       q.Value(Quantity::Temperature, u.suctionTemp, 3, 0, "F").c_str()));
        break;
    case 30:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%s at %5.2f run hrs %s Daily Load - Selected",
                       rows.Heat(u.unitCapacity, 10, "BTUH", LoadColumn::Equipment).c_str(),
                       static_cast<double>(u.unitRunHours),
                       DailyLoad(q, state.dailyCapacity).c_str()));
        break;
    case 31:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%s at %5.2f run hrs %s Daily Load - Design",
                       rows.Heat(im.totals.totalLoad, 10, "BTUH", LoadColumn::Equipment).c_str(),
                       static_cast<double>(im.header.runHours),
                       DailyLoad(q, state.dailyLoad).c_str()));
        break;
    case 32: {
        const TCoilSelection& c = im.coil;
        if (c.coilSelected == 0)
            return;
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, y, "Coils");
        const std::string td =
            q.Tagged(Quantity::TempDifference, static_cast<double>(c.coilTD), 5, 2, 2);
        rows.AtFitted(
            C1, y,
            [&c, &td](const std::string& model) {
                return Format("%3i ea %s %s  %s TD %s defrost", c.coilCount,
                              GetText(c.coilBrand).c_str(), model.c_str(), td.c_str(),
                              GetText(c.defrostType).c_str());
            },
            GetText(c.coilModel), FrameWidth);
        break;
    }
    default:
        return;
    }
    rows.n += 1;
}

} // namespace

void DrawPageOneStep(ReportRows& rows, const ReportContent& content, int step,
                     PageOneState& state) {
    const JobImage& im = content.image;
    const TProductSlot& first = im.products[0];
    if (step == 5) {
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(0, BodyBase), "WALL GAIN");
        rows.SetFont(ReportFont::F12);
        rows.At(C1, rows.Y(0, BodyBase), "Insulation");
        rows.At(C3 - 8, rows.Y(0, BodyBase), "Thickness adj/Temp");
        rows.Right(C5, rows.Y(0, BodyBase), rows.Heat(im.totals.wallLoad));
        rows.n += 1;
    } else if (step >= 6 && step <= 11) {
        SurfaceLine(rows, im.surfaces[step - 6], step - 6, state);
    } else if (step == 12) {
        if (state.sunSurfaces > 0) {
            rows.SetFont(ReportFont::F10);
            rows.At(C3, rows.Y(0, BodyBase), "+ Allowance for Sun Effect");
            rows.n += 1;
        }
    } else if (step >= 13 && step <= 15) {
        Infiltration(rows, im, step);
    } else if (step >= 16 && step <= 24) {
        OptionalLoad(rows, im, step);
    } else if (step == 25) {
        LoadHeading(rows, "TOTALS");
        rows.At(C1, rows.Y(0, BodyBase), "Total Loads");
        LoadTotal(rows, im.totals.totalLoad);
        rows.SetFont(ReportFont::F12);
        rows.n += 1;
    } else if (step == 26 || step == 27 || (step >= 33 && step <= 35)) {
        // Spacers close up, those after the coils first, when the body would reach the footer.
        const int order = step >= 33 ? step - 33 : step - 26 + 3;
        if (order >= state.spacersLeftOut)
            rows.n += 1;
    } else if (step >= 28 && step <= 32) {
        Equipment(rows, im, content.equipment, step);
    } else if (step == 36) {
        if (ProductInUse(first)) {
            DrawFirstProductHeading(rows, first);
            rows.n += 1;
        }
    } else if (step >= 37 && step <= 41) {
        DrawProductDetail(rows, first, step - 36);
    } else if (step == 45) {
        if (first.estimateMark == '*')
            rows.At(C1 + 1000, rows.Y(0, BodyBase),
                    content.units == UnitSystem::Metric ? "* estimated kg" : "* estimated Lbs");
        rows.n += 1;
    }
}
