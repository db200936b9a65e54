#include "report/SummaryPage.h"

#include "calc/PrintfText.h"
#include "calc/QuantityText.h"
#include "calc/Totals.h"
#include "equipment/UnitCheck.h"
#include "job/FixedText.h"
#include "report/RowFit.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int LabelX = 2;
constexpr int LoadX = 86;
// Passed for a text that carries a name or description: it may be cut where it runs into the next.
constexpr bool MayCut = true;

class PageWriter {
public:
    explicit PageWriter(UnitSystem units) : q(units) {}
    const QuantityText q; // numbers with their units in the page's unit system

    void Left(int x, int y, SummaryFont font, std::string text, bool mayCut = false) {
        page_.push_back({x, y, SummaryAlign::Left, font, std::move(text), 0, mayCut});
    }
    void Right(int x, int y, SummaryFont font, std::string text) {
        page_.push_back({x, y, SummaryAlign::Right, font, std::move(text)});
    }
    // A heading-font row: label at the left, "%12li btuh" (or watts) at the right.
    void LoadRow(int y, std::string label, long load, bool mayCut = false) {
        Left(LabelX, y, SummaryFont::Heading, std::move(label), mayCut);
        Right(LoadX, y, SummaryFont::Heading, Heat(load, 12));
    }
    std::string Heat(double btuh, int width, const char* unit = "btuh") const {
        return q.Value(Quantity::HeatFlow, btuh, width, 0, unit);
    }
    std::string Temp(int32_t fahrenheit, int width) const {
        return q.Value(Quantity::Temperature, fahrenheit, width, 0, "F");
    }
    std::string Feet(double feet) const { return q.Value(Quantity::Length, feet, 6, 2, "ft"); }
    void Detail(int y, std::string text) { Left(LabelX, y, SummaryFont::Detail, std::move(text)); }
    // A heading ending where the column ending at detail character `end` of a detail row ends.
    void OverDetail(int y, int end, std::string text) {
        page_.push_back(
            {LabelX, y, SummaryAlign::Right, SummaryFont::Heading, std::move(text), end});
    }
    SummaryPage Take() { return std::move(page_); }

private:
    SummaryPage page_;
};

// Where the header's figures end. An SI temperature or length is wider than its imperial field,
// so it ends further right, clear of the label before it.
struct HeaderColumns {
    int temperature;
    int length;
};

HeaderColumns HeaderColumnsFor(const QuantityText& q) {
    return q.Metric() ? HeaderColumns{28, 56} : HeaderColumns{26, 55};
}

void HeaderRows(PageWriter& w, const TJobHeader& h, const TSubmitter& submitter) {
    const auto H = SummaryFont::Heading;
    const HeaderColumns end = HeaderColumnsFor(w.q);
    w.Left(
        2, 1, H,
        Format("Job: %s    Customer: %s ", GetText(h.jobName).c_str(), GetText(h.customer).c_str()),
        MayCut);
    w.Left(72, 1, H, Format("Date: %s", GetText(h.jobDate).c_str()));
    w.Left(4, 2, H, "Design Ambient");
    w.Right(end.temperature, 2, H, w.Temp(h.designAmbient, 4));
    w.Left(34, 2, H, "Length No/So");
    w.Right(end.length, 2, H, w.Feet(h.length));
    w.Left(64, 2, H, "Run Hours");
    w.Right(80, 2, H, Format("%4i", h.runHours));
    w.Left(4, 3, H, "Box Temperature");
    w.Right(end.temperature, 3, H, w.Temp(h.boxTemp, 4));
    w.Left(34, 3, H, "Width Ea/We");
    w.Right(end.length, 3, H, w.Feet(h.width));
    w.Left(64, 3, H, "Rel Hum");
    w.Right(82, 3, H, Format("%4i %%", h.boxRelHum));
    w.Left(34, 4, H, "Height");
    w.Right(end.length, 4, H, w.Feet(h.height));
    w.Left(64, 4, H, "Safety");
    w.Right(82, 4, H, Format("%4i %%", h.safetyFactor));
    w.Left(2, 5, H, Format("submitted by: %s", GetText(submitter.companyName).c_str()), MayCut);
}

int LoadSummaryRows(PageWriter& w, const JobImage& im) {
    const QuantityText& q = w.q;
    const TLoadTotals& t = im.totals;
    int y = 7;
    w.LoadRow(y++, "PRODUCT LOAD", t.productLoad);
    w.LoadRow(y++, "WALL GAIN - INSULATION LOAD", t.wallLoad);
    w.LoadRow(y++,
              im.infiltration.airChangeMethod == 1 ? "INFILTRATION LOAD - Average Air Changes"
                                                   : "INFILTRATION LOAD - Air Velocity ",
              im.infiltration.infiltrationLoad);
    if (t.occupantLoad > 0)
        w.LoadRow(
            y++,
            Format("OCCUPANT LOAD %3i for %3i hrs", im.occupants.occupants, im.occupants.hours),
            t.occupantLoad);
    if (t.glassDoorLoad > 0)
        w.LoadRow(y++,
                  Format("GLASS DOOR LOAD %3i at %s adj/temp %s", im.glassDoors.doorCount,
                         w.Temp(im.glassDoors.adjacentTemp, 3).c_str(),
                         GetText(im.glassDoors.usageText).c_str()),
                  t.glassDoorLoad);
    if (t.motorLoad > 0)
        w.LoadRow(
            y++,
            Format(q.Metric() ? "MOTOR LOAD %3i at %s for %3i hrs"
                              : "MOTOR HP LOAD %3i at %s for %3i hrs",
                   im.motors.motorCount,
                   q.Value(Quantity::Power, static_cast<double>(im.motors.motorHp), 7, 2, "hp")
                       .c_str(),
                   im.motors.hours),
            t.motorLoad);
    if (t.electricLoad > 0)
        w.LoadRow(y++,
                  Format("ELECTRICAL LOAD %10li watts for %3i hours ",
                         static_cast<long>(im.electric.watts), im.electric.hours),
                  t.electricLoad);
    if (t.lightingLoad > 0)
        w.LoadRow(y++,
                  Format("LIGHTING LOAD %s for %3i hours ",
                         q.Value(Quantity::LightingDensity,
                                 static_cast<double>(im.lighting.wattsPerSqFt), 5, 2, "watts/sq/ft")
                             .c_str(),
                         im.lighting.hours),
                  t.lightingLoad);
    if (im.userLoad.userLoad > 0)
        w.LoadRow(y++,
                  Format("USER LOAD  %20s percent", GetText(im.userLoad.userDescription).c_str()),
                  im.userLoad.userLoad, MayCut);
    if (t.safetyLoad > 0)
        w.LoadRow(y++, Format("SAFETY LOAD  %2i percent", im.header.safetyFactor), t.safetyLoad);
    return y + 2;
}

// The daily figure beside a capacity: BTU a day with no unit word, or kWh a day.
std::string DailyLoad(const QuantityText& q, double btu) {
    if (!q.Metric())
        return q.Number(Quantity::Energy, btu, 12, 0);
    return q.Value(Quantity::Energy, btu, 10, 0, "");
}

int EquipmentRows(PageWriter& w, const JobImage& im, const EquipmentState& state, int y) {
    const QuantityText& q = w.q;
    const TUnitSelection& u = im.unit;
    if (u.unitSelected == 0)
        return y + 2;
    const auto H = SummaryFont::Heading;
    const auto D = SummaryFont::Detail;
    w.Left(2, y + 1, H, "EQUIPMENT SELECTION");
    w.Left(2, y + 2, H,
           Format("Unit: %3i ea %8s %20s", u.unitCount, GetText(u.unitBrand).c_str(),
                  GetText(u.unitModel).c_str()),
           MayCut);
    w.Left(2, y + 3, D,
           Format("%s @ %5.2f run hours   %s ambient  %s suction",
                  w.Heat(u.unitCapacity, 10).c_str(), static_cast<double>(u.unitRunHours),
                  w.Temp(im.header.designAmbient, 3).c_str(), w.Temp(u.suctionTemp, 3).c_str()));
    w.Left(6, y + 4, D,
           Format("  design %s at %5.2f run hrs %s Daily Load",
                  w.Heat(im.totals.totalLoad, 10, "BTUH").c_str(),
                  static_cast<double>(im.header.runHours),
                  DailyLoad(q, DailyDesignLoad(im)).c_str()));
    w.Left(6, y + 5, D,
           Format("selected %s at %5.2f run hrs %s Daily Load",
                  w.Heat(u.unitCapacity, 10, "BTUH").c_str(), static_cast<double>(u.unitRunHours),
                  DailyLoad(q, state.dailyCapacity).c_str()));
    int last = y + 5;
    const TCoilSelection& c = im.coil;
    if (c.coilSelected != 0) {
        last = y + 6;
        w.Left(
            2, last, H,
            Format(
                "Coil: %3i ea %s %s  %s TD  %s defrost %s ", c.coilCount,
                GetText(c.coilBrand).c_str(), GetText(c.coilModel).c_str(),
                q.Tagged(Quantity::TempDifference, static_cast<double>(c.coilTD), 5, 2, 2).c_str(),
                GetText(c.defrostType).c_str(), GetText(c.coilStyle).c_str()),
            MayCut);
    }
    return last + 1 + 3;
}

int InfiltrationRows(PageWriter& w, const JobImage& im, int y) {
    const QuantityText& q = w.q;
    w.LoadRow(y++, "INFILTRATION LOAD", im.infiltration.infiltrationLoad);
    const TInfiltration& inf = im.infiltration;
    if (inf.airChangeMethod != 0) {
        w.Detail(y++, Format("Average Air Change Method %10s", GetText(inf.usageText).c_str()));
        w.Detail(y++, Format("%5.2f Air Changes %s @ %3iRH%% acFact %s",
                             static_cast<double>(inf.usageFactor) * inf.airChanges,
                             w.Temp(im.airChangeEntry.infiltratingTemp, 3).c_str(),
                             im.airChangeEntry.infiltratingRelHum,
                             q.Tagged(Quantity::HeatPerVolume,
                                      static_cast<double>(inf.heatPerCubicFoot), 5, 2)
                                 .c_str()));
    } else {
        const TAirVelocityEntry& v = im.airVelocityEntry;
        const std::string temp = w.Temp(v.infiltratingTemp, 3);
        const int doorWidth = q.Metric() ? 0 : 7; // SI names the sizes instead of padding them
        w.Detail(y++,
                 Format("Air Velocity Method  %s @ %3iRH%% ", temp.c_str(), v.infiltratingRelHum));
        w.Detail(y++,
                 Format(q.Metric() ? "%3d Doors: width %s m  height %s m  %3i open/Min"
                                   : "%3d Doors:%s W  %s H  %3i open/Min",
                        v.doorCount, q.Number(Quantity::Length, v.doorWidth, doorWidth, 2).c_str(),
                        q.Number(Quantity::Length, v.doorHeight, doorWidth, 2).c_str(),
                        v.openMinutes));
        w.Detail(y++, Format("%s @ %3i RH%% %2i protDev", temp.c_str(), v.infiltratingRelHum,
                             v.deviceEfficiency));
    }
    return y + 2;
}

// One surface row of the wall block, and where its columns end: thickness, adjacent
// temperature with its unit, factor with its kind, load.
struct SurfaceRow {
    std::string text;
    int ends[4] = {};
};

SurfaceRow MakeSurfaceRow(const QuantityText& q, int index, const TSurface& s) {
    static constexpr const char* labels[SurfaceCount] = {"North 1  ", "South 2  ", "East  3  ",
                                                         "West  4  ", "Roof     ", "Floor    "};
    SurfaceRow row;
    const std::string thickness =
        q.Number(Quantity::Thickness, static_cast<double>(s.thickness), 6, 2);
    row.text =
        Format("%s%26s %*s", labels[index], GetText(s.insulationName).c_str(),
               static_cast<int>(thickness.size()), s.factorKind == 'K' ? thickness.c_str() : "");
    row.ends[0] = static_cast<int>(row.text.size());
    row.text += "  " + q.Value(Quantity::Temperature, s.adjacentTemp, 5, 0, "F");
    row.ends[1] = static_cast<int>(row.text.size());
    row.text += Format(" %c  ", s.sunAllowance > 0 ? '*' : ' ') +
                q.Factor(static_cast<double>(s.factor), s.factorKind, 6);
    row.ends[2] = static_cast<int>(row.text.size());
    row.text += " " + q.Number(Quantity::HeatFlow, s.hourlyGain, 11, 0);
    row.ends[3] = static_cast<int>(row.text.size());
    return row;
}

int WallRows(PageWriter& w, const JobImage& im, int y) {
    const QuantityText& q = w.q;
    w.LoadRow(y++, "WALL GAIN - INSULATION LOAD", im.totals.wallLoad);
    w.Right(12, y, SummaryFont::Heading, "Insulation");
    const int headingRow = y++;
    bool sun = false;
    SurfaceRow row;
    for (int i = 0; i < SurfaceCount; ++i) {
        const TSurface& s = im.surfaces[i];
        row = MakeSurfaceRow(q, i, s);
        sun = sun || s.sunAllowance > 0;
        w.Detail(y++, row.text);
    }
    const char* headings[] = {q.Metric() ? "mm" : "Inches", "adj/temp", "factor",
                              q.Unit(Quantity::HeatFlow, "btuh")};
    for (int column = 0; column < 4; ++column)
        w.OverDetail(headingRow, row.ends[column], headings[column]);
    if (sun)
        w.Left(40, y++, SummaryFont::Detail, "* includes Allowance for Sun Effect");
    return y + 1;
}

void ProductRows(PageWriter& w, const JobImage& im, int y) {
    const QuantityText& q = w.q;
    const auto H = SummaryFont::Heading;
    w.LoadRow(y, "PRODUCT LOADS", im.totals.productLoad);
    for (const TProductSlot& p : im.products) {
        if (p.slotLoad <= 0)
            continue;
        ++y;
        w.Left(2, y, H, GetText(p.productName), MayCut);
        w.Right(50, y, H,
                Format(" in at %s %3i hr/pd",
                       q.Value(Quantity::Temperature, p.enteringTemp, 3, 0, "deg F").c_str(),
                       p.pulldownHours));
        w.Right(68, y, H,
                Format("%s%c", q.Value(Quantity::Mass, p.productWeight, 12, 0, "lbs").c_str(),
                       static_cast<int>(ShownChar(p.estimateMark))));
        w.Right(LoadX, y, H, w.Heat(p.slotLoad, 12));
        const auto factor = [&q](Quantity quantity, double value, int decimals) {
            return q.Value(quantity, value, 6, decimals, "factor");
        };
        w.Detail(++y, Format("Specific Heat Above Freezing        %s %s",
                             factor(Quantity::SpecificHeat, p.specHeatAbove, 2).c_str(),
                             w.Heat(p.aboveLoad, 10).c_str()));
        w.Detail(++y, Format("Specific Heat Below Freezing        %s %s",
                             factor(Quantity::SpecificHeat, p.specHeatBelow, 2).c_str(),
                             w.Heat(p.belowLoad, 10).c_str()));
        if (p.latentLoad > 0)
            w.Detail(++y, Format("Latent Heat of Fusion               %s %s",
                                 factor(Quantity::LatentHeat, p.latentHeat, 0).c_str(),
                                 w.Heat(p.latentLoad, 10).c_str()));
        if (p.respLoad > 0)
            w.Detail(++y, Format("Heat of Respiration %s  %s %s",
                                 q.Value(Quantity::Mass, p.respWeight, 10, 0, "lbs").c_str(),
                                 factor(Quantity::Respiration, p.respFactor, 2).c_str(),
                                 w.Heat(p.respLoad, 10).c_str()));
        if (p.calcFlag == 2)
            w.Detail(++y, Format("%6li pkgs @ %s/pkg/material %s/pkg/material",
                                 static_cast<long>(p.quantity),
                                 q.Value(Quantity::Mass, p.pkgWeight, 8, 2, "lb", 2).c_str(),
                                 w.Heat(p.pkgLoad, 11).c_str()));
        else if (p.calcFlag == 3)
            w.Detail(++y, Format("%6li pkgs @ %s/per/pkg", static_cast<long>(p.quantity),
                                 q.Value(Quantity::Mass, p.grossWeight, 9, 2, "lbs", 2).c_str()));
    }
}

} // namespace

SummaryPage BuildSummaryPage(const Job& job, const EquipmentState& state,
                             const TSubmitter& submitter, UnitSystem units) {
    const JobImage& im = job.image;
    PageWriter w(units);
    HeaderRows(w, im.header, submitter);
    int y = LoadSummaryRows(w, im);
    y = EquipmentRows(w, im, state, y);
    y = InfiltrationRows(w, im, y);
    y = WallRows(w, im, y);
    ProductRows(w, im, y);
    w.Left(34, 5, SummaryFont::Heading,
           "TOTAL LOAD CALCULATION: " + w.Heat(im.totals.totalLoad, 12, "BTUH"));
    return w.Take();
}

SummaryPage RefreshSummary(Job& job, EquipmentState& state, const TSubmitter& submitter,
                           UnitSystem units) {
    if (job.image.flags.jobLoaded == 0)
        return {};
    RefreshLoads(job);
    if (job.image.totals.wallLoad < 1)
        return {};
    CheckUnitSelection(job, state);
    return BuildSummaryPage(job, state, submitter, units);
}

namespace {

// Where the visible part of a text starts and ends: its first and one past its last character
// that is not a blank (both 0 for a blank text).
struct Visible {
    std::size_t first = 0;
    std::size_t end = 0;
};

Visible VisiblePart(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return {first, text.find_last_not_of(' ') + 1};
}

// The text cut so that its visible part takes no more than `room` columns, the last one the
// ellipsis; blanks before the ellipsis go.
std::string CutToRoom(const std::string& text, std::size_t first, std::size_t room) {
    std::string cut = text.substr(0, first + (room > 0 ? room - 1 : 0));
    cut.erase(std::max(cut.find_last_not_of(' ') + 1, first));
    return cut + Ellipsis1252;
}

} // namespace

std::vector<GridText> SummaryGrid(const SummaryPage& page) {
    std::map<int, std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < page.size(); ++i)
        rows[page[i].y].push_back(i);
    std::vector<GridText> grid;
    for (const auto& [y, items] : rows) {
        std::vector<GridText> texts;
        std::vector<RowText> spans;
        for (const std::size_t index : items) {
            const SummaryItem* item = &page[index];
            // On the grid a detail character is one column.
            const int width = static_cast<int>(item->text.size());
            const int anchor = item->x + item->detailChars;
            const int column =
                item->align == SummaryAlign::Left ? anchor : std::max(0, anchor - width);
            const Visible visible = VisiblePart(item->text);
            texts.push_back({index, y, column, item->text});
            spans.push_back({column + static_cast<int>(visible.first),
                             column + static_cast<int>(visible.end), item->mayCut});
        }
        const std::vector<RowFit> fits = FitRow(spans, 1);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            GridText& text = texts[i];
            text.moved = fits[i].shift;
            text.column += fits[i].shift;
            const Visible visible = VisiblePart(text.text);
            const int start = spans[i].start + fits[i].shift;
            if (spans[i].end + fits[i].shift > fits[i].limit) {
                text.text = CutToRoom(text.text, visible.first,
                                      static_cast<std::size_t>(fits[i].limit - start));
                text.cut = true;
            }
        }
        std::stable_sort(texts.begin(), texts.end(),
                         [](const GridText& a, const GridText& b) { return a.column < b.column; });
        grid.insert(grid.end(), texts.begin(), texts.end());
    }
    return grid;
}

std::string SummaryAsText(const SummaryPage& page) {
    std::map<int, std::string> rows;
    for (const GridText& text : SummaryGrid(page)) {
        std::string& line = rows[text.row];
        const auto column = static_cast<std::size_t>(text.column);
        if (line.size() < column + text.text.size())
            line.resize(column + text.text.size(), ' ');
        // Only the visible part is written: a text's blanks never cover its neighbour.
        const Visible visible = VisiblePart(text.text);
        line.replace(column + visible.first, visible.end - visible.first, text.text, visible.first,
                     visible.end - visible.first);
    }
    std::string text;
    int line = 0;
    for (const auto& [y, row] : rows) {
        for (; line < y; ++line)
            text += '\n';
        text += row;
    }
    if (!rows.empty())
        text += '\n';
    return text;
}
