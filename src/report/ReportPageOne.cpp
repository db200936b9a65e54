#include "report/ReportPageOne.h"

#include "calc/PrintfText.h"
#include "job/FixedText.h"
#include "report/ReportProducts.h"

using namespace report;

namespace {

std::string Btuh(int32_t load) {
    return Format("%12li btuh", static_cast<long>(load));
}

struct SurfaceLabels {
    const char* factor;
    const char* name;
};

constexpr SurfaceLabels surfaceLabels[SurfaceCount] = {
    {"No  %6.2f%c", "L x H  %26s"}, {"So  %6.2f%c", "L x H  %26s"}, {"Ea  %6.2f%c", "W x H %26s"},
    {"We  %6.2f%c", "W x H %26s"},  {"Clg %6.2f%c", "L x W %26s"},  {"Flr %6.2f%c", "L x W %26s"},
};

void SurfaceLine(ReportRows& rows, const TSurface& s, int index, PageOneState& state) {
    const int32_t y = rows.Y(0, BodyBase);
    const char kind = s.factorKind;
    rows.SetFont(ReportFont::F10);
    rows.At(
        C0, y,
        Format(surfaceLabels[index].factor, static_cast<double>(s.factor), static_cast<int>(kind)));
    rows.At(C1, y, Format(surfaceLabels[index].name, GetText(s.insulationName).c_str()));
    const int32_t sun = s.sunAllowance;
    std::string temperature;
    if (index != Floor && sun >= 1) {
        temperature = Format("%5i F+%2i", s.adjacentTemp, sun);
        ++state.sunSurfaces;
    } else {
        temperature = Format("%5i F", s.adjacentTemp);
    }
    if (kind == 'K')
        rows.At(C3, y,
                Format("%5.2f in  %s", static_cast<double>(s.thickness), temperature.c_str()));
    else
        rows.At(C3, y, Format("          %s", temperature.c_str()));
    rows.Right(C5, y, Btuh(s.hourlyGain));
    rows.n += 1;
}

// A load block's first row: bold heading, regular inputs, bold total.
void LoadHeading(ReportRows& rows, const char* heading) {
    rows.SetFont(ReportFont::F12B);
    rows.At(C0, rows.Y(0, BodyBase), heading);
    rows.SetFont(ReportFont::F12);
}

void LoadTotal(ReportRows& rows, int32_t load) {
    rows.SetFont(ReportFont::F12B);
    rows.Right(C5, rows.Y(0, BodyBase), Btuh(load));
}

void Infiltration(ReportRows& rows, const JobImage& im, int step) {
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
            rows.At(C1, y,
                    Format("Air Changes %5.2f %3i F @ %3i RH%%  a/c Factor %5.2f", airChanges,
                           im.airChangeEntry.infiltratingTemp, im.airChangeEntry.infiltratingRelHum,
                           static_cast<double>(inf.heatPerCubicFoot)));
        } else {
            const TAirVelocityEntry& v = im.airVelocityEntry;
            rows.At(C1, y,
                    Format("infil/temp %3i F @ %3i RH%% w/%2i%% prot/Dev ", v.infiltratingTemp,
                           v.infiltratingRelHum, v.deviceEfficiency));
        }
        rows.SetFont(ReportFont::F12);
        rows.n += 1;
    } else if (step == 15 && !airChange) {
        const TAirVelocityEntry& v = im.airVelocityEntry;
        rows.SetFont(ReportFont::F12);
        rows.At(C1, y,
                Format("%2d Doors %7.2f W  %7.2f H  %3i open/Min", v.doorCount,
                       static_cast<double>(v.doorWidth), static_cast<double>(v.doorHeight),
                       v.openMinutes));
        rows.n += 1;
    }
}

// Steps 16 to 24: the optional load blocks.
void OptionalLoad(ReportRows& rows, const JobImage& im, int step) {
    const TLoadTotals& t = im.totals;
    const int32_t y = rows.Y(0, BodyBase);
    switch (step) {
    case 16:
        if (t.lightingLoad < 1)
            return;
        LoadHeading(rows, "LIGHTING");
        rows.At(C1, y, Format("%6.2f watts/sq/ft", static_cast<double>(im.lighting.wattsPerSqFt)));
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
        rows.At(C1, y,
                Format("%3i @ %4i F Adj/Temp   %12s", im.glassDoors.doorCount,
                       im.glassDoors.adjacentTemp, GetText(im.glassDoors.usageText).c_str()));
        LoadTotal(rows, t.glassDoorLoad);
        break;
    case 19:
        if (t.glassDoorLoad < 1)
            return;
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%7i in Width   %7i in High", im.glassDoors.doorWidth,
                       im.glassDoors.doorHeight));
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
                Format("%3i Motors @ %7.2f hp for", im.motors.motorCount,
                       static_cast<double>(im.motors.motorHp)));
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
        rows.At(C1, y, Format("%s", GetText(im.userLoad.userDescription).c_str()));
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
    const TUnitSelection& u = im.unit;
    if (u.unitSelected == 0)
        return;
    const int32_t y = rows.Y(0, BodyBase);
    switch (step) {
    case 28:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, y, "Units");
        rows.At(C1, y,
                Format("%3i ea %8s %20s", u.unitCount, GetText(u.unitBrand).c_str(),
                       GetText(u.unitModel).c_str()));
        break;
    case 29:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("    unit based on %3i F ambient @ %3i F suction", im.header.designAmbient,
                       u.suctionTemp));
        break;
    case 30:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%10li BTUH at %5.2f run hrs %12.0f Daily Load - Selected",
                       static_cast<long>(u.unitCapacity), static_cast<double>(u.unitRunHours),
                       state.dailyCapacity));
        break;
    case 31:
        rows.SetFont(ReportFont::F10);
        rows.At(C1, y,
                Format("%10li BTUH at %5.2f run hrs %12.0f Daily Load - Design",
                       static_cast<long>(im.totals.totalLoad),
                       static_cast<double>(im.header.runHours), state.dailyLoad));
        break;
    case 32: {
        const TCoilSelection& c = im.coil;
        if (c.coilSelected == 0)
            return;
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, y, "Coils");
        rows.At(C1, y,
                Format("%3i ea %s %s  %5.2f TD %s defrost", c.coilCount,
                       GetText(c.coilBrand).c_str(), GetText(c.coilModel).c_str(),
                       static_cast<double>(c.coilTD), GetText(c.defrostType).c_str()));
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
        rows.Right(C5, rows.Y(0, BodyBase), Btuh(im.totals.wallLoad));
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
            rows.At(C1 + 1000, rows.Y(0, BodyBase), "* estimated Lbs");
        rows.n += 1;
    }
}
