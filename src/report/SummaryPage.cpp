#include "report/SummaryPage.h"

#include "calc/PrintfText.h"
#include "calc/Totals.h"
#include "equipment/UnitCheck.h"
#include "job/FixedText.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int LabelX = 2;
constexpr int LoadX = 86;

class PageWriter {
public:
    void Left(int x, int y, SummaryFont font, std::string text) {
        page_.push_back({x, y, SummaryAlign::Left, font, std::move(text)});
    }
    void Right(int x, int y, SummaryFont font, std::string text) {
        page_.push_back({x, y, SummaryAlign::Right, font, std::move(text)});
    }
    // A heading-font row: label at the left, "%12li btuh" at the right.
    void LoadRow(int y, std::string label, long load) {
        Left(LabelX, y, SummaryFont::Heading, std::move(label));
        Right(LoadX, y, SummaryFont::Heading, Format("%12li btuh", load));
    }
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

void HeaderRows(PageWriter& w, const TJobHeader& h, const TSubmitter& submitter) {
    const auto H = SummaryFont::Heading;
    w.Left(2, 1, H,
           Format("Job: %s    Customer: %s ", GetText(h.jobName).c_str(),
                  GetText(h.customer).c_str()));
    w.Left(72, 1, H, Format("Date: %s", GetText(h.jobDate).c_str()));
    w.Left(4, 2, H, "Design Ambient");
    w.Right(26, 2, H, Format("%4i F", h.designAmbient));
    w.Left(34, 2, H, "Length No/So");
    w.Right(55, 2, H, Format("%6.2f ft", static_cast<double>(h.length)));
    w.Left(64, 2, H, "Run Hours");
    w.Right(80, 2, H, Format("%4i", h.runHours));
    w.Left(4, 3, H, "Box Temperature");
    w.Right(26, 3, H, Format("%4i F", h.boxTemp));
    w.Left(34, 3, H, "Width Ea/We");
    w.Right(55, 3, H, Format("%6.2f ft", static_cast<double>(h.width)));
    w.Left(64, 3, H, "Rel Hum");
    w.Right(82, 3, H, Format("%4i %%", h.boxRelHum));
    w.Left(34, 4, H, "Height");
    w.Right(55, 4, H, Format("%6.2f ft", static_cast<double>(h.height)));
    w.Left(64, 4, H, "Safety");
    w.Right(82, 4, H, Format("%4i %%", h.safetyFactor));
    w.Left(2, 5, H, Format("submitted by: %s", GetText(submitter.companyName).c_str()));
}

int LoadSummaryRows(PageWriter& w, const JobImage& im) {
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
                  Format("GLASS DOOR LOAD %3i at %3i F adj/temp %s", im.glassDoors.doorCount,
                         im.glassDoors.adjacentTemp, GetText(im.glassDoors.usageText).c_str()),
                  t.glassDoorLoad);
    if (t.motorLoad > 0)
        w.LoadRow(y++,
                  Format("MOTOR HP LOAD %3i at %7.2f hp for %3i hrs", im.motors.motorCount,
                         static_cast<double>(im.motors.motorHp), im.motors.hours),
                  t.motorLoad);
    if (t.electricLoad > 0)
        w.LoadRow(y++,
                  Format("ELECTRICAL LOAD %10li watts for %3i hours ",
                         static_cast<long>(im.electric.watts), im.electric.hours),
                  t.electricLoad);
    if (t.lightingLoad > 0)
        w.LoadRow(y++,
                  Format("LIGHTING LOAD %5.2f watts/sq/ft for %3i hours ",
                         static_cast<double>(im.lighting.wattsPerSqFt), im.lighting.hours),
                  t.lightingLoad);
    if (im.userLoad.userLoad > 0)
        w.LoadRow(y++,
                  Format("USER LOAD  %20s percent", GetText(im.userLoad.userDescription).c_str()),
                  im.userLoad.userLoad);
    if (t.safetyLoad > 0)
        w.LoadRow(y++, Format("SAFETY LOAD  %2i percent", im.header.safetyFactor), t.safetyLoad);
    return y + 2;
}

int EquipmentRows(PageWriter& w, const JobImage& im, const EquipmentState& state, int y) {
    const TUnitSelection& u = im.unit;
    if (u.unitSelected == 0)
        return y + 2;
    const auto H = SummaryFont::Heading;
    const auto D = SummaryFont::Detail;
    w.Left(2, y + 1, H, "EQUIPMENT SELECTION");
    w.Left(2, y + 2, H,
           Format("Unit: %3i ea %8s %20s", u.unitCount, GetText(u.unitBrand).c_str(),
                  GetText(u.unitModel).c_str()));
    w.Left(2, y + 3, D,
           Format("%10li btuh @ %5.2f run hours   %3i F ambient  %3i F suction",
                  static_cast<long>(u.unitCapacity), static_cast<double>(u.unitRunHours),
                  im.header.designAmbient, u.suctionTemp));
    w.Left(6, y + 4, D,
           Format("  design %10li BTUH at %5.2f run hrs %12.0f Daily Load",
                  static_cast<long>(im.totals.totalLoad), static_cast<double>(im.header.runHours),
                  DailyDesignLoad(im)));
    w.Left(6, y + 5, D,
           Format("selected %10li BTUH at %5.2f run hrs %12.0f Daily Load",
                  static_cast<long>(u.unitCapacity), static_cast<double>(u.unitRunHours),
                  state.dailyCapacity));
    int last = y + 5;
    const TCoilSelection& c = im.coil;
    if (c.coilSelected != 0) {
        last = y + 6;
        w.Left(2, last, H,
               Format("Coil: %3i ea %s %s  %5.2f TD  %s defrost %s ", c.coilCount,
                      GetText(c.coilBrand).c_str(), GetText(c.coilModel).c_str(),
                      static_cast<double>(c.coilTD), GetText(c.defrostType).c_str(),
                      GetText(c.coilStyle).c_str()));
    }
    return last + 1 + 3;
}

int InfiltrationRows(PageWriter& w, const JobImage& im, int y) {
    w.LoadRow(y++, "INFILTRATION LOAD", im.infiltration.infiltrationLoad);
    const TInfiltration& inf = im.infiltration;
    if (inf.airChangeMethod != 0) {
        w.Detail(y++, Format("Average Air Change Method %10s", GetText(inf.usageText).c_str()));
        w.Detail(y++,
                 Format("%5.2f Air Changes %3i F @ %3iRH%% acFact %5.2f",
                        static_cast<double>(inf.usageFactor) * inf.airChanges,
                        im.airChangeEntry.infiltratingTemp, im.airChangeEntry.infiltratingRelHum,
                        static_cast<double>(inf.heatPerCubicFoot)));
    } else {
        const TAirVelocityEntry& v = im.airVelocityEntry;
        w.Detail(y++, Format("Air Velocity Method  %3i F @ %3iRH%% ", v.infiltratingTemp,
                             v.infiltratingRelHum));
        w.Detail(y++, Format("%3d Doors:%7.2f W  %7.2f H  %3i open/Min", v.doorCount,
                             static_cast<double>(v.doorWidth), static_cast<double>(v.doorHeight),
                             v.openMinutes));
        w.Detail(y++, Format("%3i F @ %3i RH%% %2i protDev", v.infiltratingTemp,
                             v.infiltratingRelHum, v.deviceEfficiency));
    }
    return y + 2;
}

int WallRows(PageWriter& w, const JobImage& im, int y) {
    static constexpr const char* formats[SurfaceCount] = {
        "North 1  %26s %6s  %5i F %c  %6.2f%c %11li", "South 2  %26s %6s  %5i F %c  %6.2f%c %11li",
        "East  3  %26s %6s  %5i F %c  %6.2f%c %11li", "West  4  %26s %6s  %5i F %c  %6.2f%c %11li",
        "Roof     %26s %6s  %5i F %c  %6.2f%c %11li", "Floor    %26s %6s  %5i F %c  %6.2f%c %11li",
    };
    // Where each column of the surface rows ends, in characters of those rows: thickness,
    // adjacent temperature with its "F", factor with its kind, load.
    static constexpr std::pair<const char*, int> headings[] = {
        {"Inches", 42}, {"adj/temp", 51}, {"factor", 62}, {"btuh", 74}};
    w.LoadRow(y++, "WALL GAIN - INSULATION LOAD", im.totals.wallLoad);
    w.Right(12, y, SummaryFont::Heading, "Insulation");
    for (const auto& [heading, end] : headings)
        w.OverDetail(y, end, heading);
    ++y;
    bool sun = false;
    for (int i = 0; i < SurfaceCount; ++i) {
        const TSurface& s = im.surfaces[i];
        const std::string inches =
            s.factorKind == 'K' ? Format("%6.2f", static_cast<double>(s.thickness)) : "      ";
        const char mark = s.sunAllowance > 0 ? '*' : ' ';
        sun = sun || mark == '*';
        w.Detail(y++, Format(formats[i], GetText(s.insulationName).c_str(), inches.c_str(),
                             s.adjacentTemp, mark, static_cast<double>(s.factor), s.factorKind,
                             static_cast<long>(s.hourlyGain)));
    }
    if (sun)
        w.Left(40, y++, SummaryFont::Detail, "* includes Allowance for Sun Effect");
    return y + 1;
}

void ProductRows(PageWriter& w, const JobImage& im, int y) {
    const auto H = SummaryFont::Heading;
    w.LoadRow(y, "PRODUCT LOADS", im.totals.productLoad);
    for (const TProductSlot& p : im.products) {
        if (p.slotLoad <= 0)
            continue;
        ++y;
        w.Left(2, y, H, GetText(p.productName));
        w.Right(50, y, H, Format(" in at %3i deg F %3i hr/pd", p.enteringTemp, p.pulldownHours));
        w.Right(68, y, H,
                Format("%12li lbs%c", static_cast<long>(p.productWeight),
                       static_cast<int>(ShownChar(p.estimateMark))));
        w.Right(LoadX, y, H, Format("%12li btuh", static_cast<long>(p.slotLoad)));
        w.Detail(++y, Format("Specific Heat Above Freezing        %6.2f factor %10li btuh",
                             static_cast<double>(p.specHeatAbove), static_cast<long>(p.aboveLoad)));
        w.Detail(++y, Format("Specific Heat Below Freezing        %6.2f factor %10li btuh",
                             static_cast<double>(p.specHeatBelow), static_cast<long>(p.belowLoad)));
        if (p.latentLoad > 0)
            w.Detail(++y, Format("Latent Heat of Fusion               %6i factor %10li btuh",
                                 p.latentHeat, static_cast<long>(p.latentLoad)));
        if (p.respLoad > 0)
            w.Detail(++y, Format("Heat of Respiration %10li lbs  %6.2f factor %10li btuh",
                                 static_cast<long>(p.respWeight), static_cast<double>(p.respFactor),
                                 static_cast<long>(p.respLoad)));
        if (p.calcFlag == 2)
            w.Detail(++y, Format("%6li pkgs @ %8.2f lb/pkg/material %11li btuh/pkg/material",
                                 static_cast<long>(p.quantity), static_cast<double>(p.pkgWeight),
                                 static_cast<long>(p.pkgLoad)));
        else if (p.calcFlag == 3)
            w.Detail(++y, Format("%6li pkgs @ %9.2f lbs/per/pkg", static_cast<long>(p.quantity),
                                 static_cast<double>(p.grossWeight)));
    }
}

} // namespace

SummaryPage BuildSummaryPage(const Job& job, const EquipmentState& state,
                             const TSubmitter& submitter) {
    const JobImage& im = job.image;
    PageWriter w;
    HeaderRows(w, im.header, submitter);
    int y = LoadSummaryRows(w, im);
    y = EquipmentRows(w, im, state, y);
    y = InfiltrationRows(w, im, y);
    y = WallRows(w, im, y);
    ProductRows(w, im, y);
    w.Left(34, 5, SummaryFont::Heading,
           Format("TOTAL LOAD CALCULATION: %12li BTUH", static_cast<long>(im.totals.totalLoad)));
    return w.Take();
}

SummaryPage RefreshSummary(Job& job, EquipmentState& state, const TSubmitter& submitter) {
    if (job.image.flags.jobLoaded == 0)
        return {};
    RefreshLoads(job);
    if (job.image.totals.wallLoad < 1)
        return {};
    CheckUnitSelection(job, state);
    return BuildSummaryPage(job, state, submitter);
}

std::string SummaryAsText(const SummaryPage& page) {
    // On the grid a detail character is one column.
    struct Span {
        int start;
        std::string text;
    };
    std::map<int, std::vector<Span>> spans;
    for (const SummaryItem& item : page) {
        const int width = static_cast<int>(item.text.size());
        const int anchor = item.x + item.detailChars;
        const int start = item.align == SummaryAlign::Left ? anchor : std::max(0, anchor - width);
        spans[item.y].push_back({start, item.text});
    }
    std::map<int, std::string> rows;
    for (auto& [y, row] : spans) {
        std::stable_sort(row.begin(), row.end(),
                         [](const Span& a, const Span& b) { return a.start < b.start; });
        std::string& line = rows[y];
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string text = row[i].text;
            if (i + 1 < row.size() && row[i + 1].start > row[i].start)
                text.resize(std::min<std::size_t>(
                    text.size(), static_cast<std::size_t>(row[i + 1].start - row[i].start - 1)));
            const auto start = static_cast<std::size_t>(row[i].start);
            if (line.size() < start + text.size())
                line.resize(start + text.size(), ' ');
            line.replace(start, text.size(), text);
        }
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
