#include "RandomJobs.h"

#include "calc/InputEdits.h"
#include "calc/Totals.h"
#include "cli/NewJob.h"
#include "cli/SampleJob.h"
#include "equipment/CoilList.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitList.h"
#include "equipment/UnitSearch.h"
#include "job/FixedText.h"
#include "tables/ProductTable.h"
#include "tables/SurfaceInsulation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

// Raw numbers of the engine mapped to ranges by plain arithmetic (the standard's distributions
// may differ between libraries).
class Draw {
public:
    explicit Draw(int index)
        : engine_(0x51554C424F58ULL * 1000003ULL + static_cast<unsigned>(index)) {}

    std::uint64_t Raw() { return engine_(); }
    int32_t Int(int32_t lo, int32_t hi) {
        const auto span = static_cast<std::uint64_t>(static_cast<int64_t>(hi) - lo + 1);
        return static_cast<int32_t>(lo + static_cast<int64_t>(Raw() % span));
    }
    // Now and then an end of the accepted range, otherwise a value from `usual`.
    template <typename T, typename Usual> T Edge(T min, T max, Usual usual) {
        const int32_t roll = Int(0, 99);
        return roll < 6 ? min : roll < 12 ? max : usual();
    }
    int32_t Edgy(int32_t min, int32_t max, int32_t lo, int32_t hi) {
        return Edge(min, max, [&] { return Int(lo, hi); });
    }
    // A value of two decimals.
    double Cents(double lo, double hi) {
        return Int(static_cast<int32_t>(std::lround(lo * 100)),
                   static_cast<int32_t>(std::lround(hi * 100))) /
               100.0;
    }
    double EdgyCents(double min, double max, double lo, double hi) {
        return Edge(min, max, [&] { return Cents(lo, hi); });
    }
    bool Chance(int percent) { return Int(0, 99) < percent; }
    template <typename T, std::size_t N> const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(Int(0, static_cast<int32_t>(N) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

// Texts in Windows-1252, some at their field's full width, some with accented letters.
const std::array<const char*, 8> Names = {
    "Walk-in Cooler",
    "Fr\xE9zer No. 2",
    "Dairy Box",
    "",
    "Meat & Poultry Room 12345678901",
    "Caf\xE9 Cr\xE8me",
    "Produce",
    "Blast Freezer / Dock",
};
const std::array<const char*, 6> Customers = {
    "Harbor Street Market", "M\xFCller Foods", "", "North Side Grocers Incorporated", "Bay Deli",
    "O'Neill & Sons",
};
const std::array<const char*, 5> UserTexts = {
    "Display case", "", "Forklift charger", "Conveyor 20 chars!!", "Fan coil \xB0",
};
const std::array<const char*, 4> CustomInsulations = {
    "Custom panel",
    "Glass block",
    "Sandwich \xE9tanche",
    "Cork board 2 inch (old)",
};

void FillHeaderTexts(Draw& draw, TJobHeader& h) {
    SetText(h.jobName, draw.Pick(Names));
    SetText(h.customer, draw.Pick(Customers));
    SetText(h.contact, draw.Chance(70) ? "Dana Reyes" : "");
    SetText(h.quotation, draw.Chance(50) ? "Q-" + std::to_string(draw.Int(1, 99999)) : "");
    SetText(h.address, draw.Chance(60) ? "12 Harbor Street, Suite 400" : "");
    SetText(h.telephone, draw.Chance(60) ? "555-0100 x1234" : "");
    SetText(h.fax, draw.Chance(30) ? "555-0101" : "");
}

void ChooseSurfaces(Draw& draw, JobImage& im, Table& insul) {
    const int32_t rows = insul.d4recCountDo();
    for (TSurface& s : im.surfaces) {
        const int32_t roll = draw.Int(0, 99);
        if (roll < 55 && rows > 0) {
            SelectSurfaceInsulation(s, insul, draw.Int(0, rows - 1));
        } else if (roll < 70) {
            SetPadded(s.insulationName, draw.Pick(CustomInsulations), 25);
            s.factor = draw.EdgyCents(0, 120, 0.02, 0.6);
            s.factorKind = draw.Chance(50) ? 'K' : 'U';
            s.insulationRow = draw.Int(0, 40);
        } // else the New Job default stays
        if (draw.Chance(70))
            s.thickness = draw.EdgyCents(0, 999.99, 2, 8);
        if (draw.Chance(70))
            s.adjacentTemp = draw.Edgy(-999, 999, 30, 110);
    }
}

void ChooseSun(Draw& draw, JobImage& im) {
    TSunChoices sun{};
    const bool any = draw.Chance(60);
    for (auto& group : sun.flags)
        group[any ? draw.Int(0, SunChoiceCount - 1) : SunNone] = 1;
    StoreSunChoices(im, sun);
}

void ChooseProducts(Draw& draw, JobImage& im, Table& product) {
    const std::vector<ProductListRow> list = ProductListRows(product);
    if (list.empty())
        return;
    const int32_t used = draw.Pick(std::array<int32_t, 6>{0, 1, 1, 2, 3, 5});
    for (int slot = 0; slot < used; ++slot) {
        const int32_t row = draw.Int(0, static_cast<int32_t>(list.size()) - 1);
        TProductPage page{};
        page.enteringTemp = draw.Edgy(-50, 330, 20, 95);
        page.quantity = draw.Chance(8) ? 0 : draw.Edgy(0, 90000000, 50, 20000);
        page.pulldownHours = draw.Edgy(1, 96, 8, 48);
        page.respFactor = draw.EdgyCents(0, 400, 0, 2.5);
        page.respWeight = draw.Chance(50) ? page.quantity : draw.Int(0, 5000);
        page.listIndex = row;
        page.recordNo = list[static_cast<std::size_t>(row)].recordNo;
        CommitProductPage(product, im.products[slot], page);
    }
    // A slot emptied by a product named "None", now and then.
    if (used > 1 && draw.Chance(10)) {
        TProductPage page = PageOfSlot(im.products[used - 1]);
        page.recordNo = 90000000;
        CommitProductPage(product, im.products[used - 1], page);
    }
}

// One of the light, normal and heavy usage flags of an entry.
template <typename Entry> void ChooseUsage(Draw& draw, Entry& entry) {
    const int32_t usage = draw.Int(0, 2);
    entry.lightFlag = usage == 0;
    entry.normalFlag = usage == 1;
    entry.heavyFlag = usage == 2;
}

void ChooseInfiltration(Draw& draw, JobImage& im) {
    TAirChangeEntry change{};
    change.infiltratingTemp = draw.Edgy(-50, 150, 40, 100);
    change.infiltratingRelHum = draw.Edgy(0, 99, 40, 90);
    ChooseUsage(draw, change);
    StoreAirChangeEntry(im, change);

    TAirVelocityEntry velocity{};
    velocity.infiltratingTemp = draw.Edgy(-50, 150, 40, 100);
    velocity.infiltratingRelHum = draw.Edgy(0, 99, 40, 90);
    velocity.deviceEfficiency = draw.Edgy(0, 99, 0, 90);
    velocity.doorHeight = draw.EdgyCents(0, 40, 6, 12);
    velocity.doorCount = draw.Edgy(0, 100, 1, 4);
    velocity.doorWidth = draw.EdgyCents(0, 160, 3, 10);
    velocity.openMinutes = draw.Edgy(0, 1900, 10, 300);
    if (draw.Chance(50)) {
        StoreAirVelocityEntry(im, velocity);
    } else {
        if (draw.Chance(50))
            StoreAirVelocityEntry(im, velocity);
        UseAirChangeMethod(im);
    }
}

void ChooseInternalLoads(Draw& draw, JobImage& im) {
    if (draw.Chance(60))
        StoreOccupantInputs(im, draw.Edgy(0, 100, 1, 4), draw.Edgy(0, 25, 1, 8));
    if (draw.Chance(50))
        StoreMotorInputs(im, draw.Edgy(0, 25, 1, 3), draw.EdgyCents(0, 500, 0.25, 5),
                         draw.Edgy(0, 25, 4, 24));
    if (draw.Chance(50))
        StoreElectricInputs(im, draw.Edgy(0, 90000000, 100, 5000), draw.Edgy(0, 25, 2, 12));
    if (draw.Chance(70))
        StoreLightingInputs(im, draw.EdgyCents(0.5, 30, 0.5, 2), draw.Edgy(0, 25, 4, 12));
}

void ChooseMiscLoads(Draw& draw, JobImage& im) {
    if (draw.Chance(40)) {
        TGlassDoors doors = im.glassDoors;
        doors.doorCount = draw.Edgy(0, 30, 1, 8);
        doors.adjacentTemp = draw.Edgy(-20, 145, 60, 85);
        doors.doorHeight = draw.Edgy(0, 144, 60, 84);
        doors.doorWidth = draw.Edgy(0, 144, 24, 36);
        ChooseUsage(draw, doors);
        StoreGlassDoorEntry(im, doors);
    }
    if (draw.Chance(40)) {
        TUserLoad user{};
        SetText(user.userDescription, draw.Pick(UserTexts));
        user.userLoad = draw.Edgy(0, 90000000, 100, 8000);
        StoreUserLoad(im, user);
    }
    TLatentRange latent{};
    const int32_t margin = draw.Int(0, 2);
    latent.doNotExclude = margin == 0;
    latent.excludeWithin10 = margin == 1;
    latent.excludeWithin15 = margin == 2;
    StoreLatentRange(im, latent);
}

// The real searches on the shipped tables, choosing a listed row as the lists do.
void SearchEquipment(Draw& draw, Job& job, ReferenceTables& tables) {
    EquipmentState state;
    RefreshJob(job, state);
    BeginUnitSelection(job, state);
    if (!ConfirmUnitSelection(job, draw.Int(1, 3), draw.Edgy(4, 45, 8, 15)) ||
        !SearchUnits(job, *tables.units, state))
        return;
    const UnitList units = BuildUnitList(job, *tables.units, state);
    if (units.rows.empty())
        return;
    TUnitSelection unitBefore;
    std::memcpy(&unitBefore, &job.image.unit, sizeof unitBefore);
    StoreUnitRow(job, units.rows[static_cast<std::size_t>(
                          draw.Int(0, static_cast<int32_t>(units.rows.size()) - 1))]);
    AcceptUnitList(job, unitBefore);
    if (!draw.Chance(75))
        return;
    RefreshJob(job, state);
    BeginCoilSelection(job, state);
    if (!ConfirmCoilSelection(job, draw.Int(1, 4)) || !SearchCoils(job, *tables.coils, state))
        return;
    const CoilList coils = BuildCoilList(job, *tables.coils, state);
    if (coils.rows.empty())
        return;
    TCoilSelection coilBefore;
    std::memcpy(&coilBefore, &job.image.coil, sizeof coilBefore);
    StoreCoilRow(job, *tables.coils,
                 coils.rows[static_cast<std::size_t>(
                     draw.Int(0, static_cast<int32_t>(coils.rows.size()) - 1))]);
    AcceptCoilList(job, coilBefore);
}

// A selection written by hand, as a job file made elsewhere may hold: the re-check keeps it when
// the unit runs within four hours of the design run hours, and drops it otherwise.
void SetSelectionBlocks(Draw& draw, Job& job) {
    RefreshLoads(job);
    JobImage& im = job.image;
    TUnitSelection& u = im.unit;
    u.unitCount = draw.Int(1, 3);
    u.designTD = draw.Int(8, 15);
    u.suctionTemp = draw.Pick(std::array<int32_t, 4>{25, 20, -10, -20});
    u.searchAmbient = im.header.designAmbient;
    const double capacity = im.totals.totalLoad * draw.Cents(0.7, 1.4);
    u.unitCapacity = capacity > 2e9 ? 2000000000 : static_cast<int32_t>(capacity);
    SetText(u.unitModel, "HAND-SET 200");
    SetText(u.unitBrand, "Kelvo");
    u.nominalHp = draw.Cents(0.5, 10);
    u.unitSelected = 1;

    TCoilSelection& c = im.coil;
    c.coilSelected = draw.Chance(60) ? 1 : 0;
    SetText(c.coilModel, "EVAP-1");
    SetText(c.coilBrand, "Kelvo");
    SetText(c.coilStyle, "Low profile");
    SetText(c.defrostType, "air ");
    SetText(c.finText, "6");
    c.coilCount = draw.Int(1, 2);
    c.coilRating = draw.Chance(10) ? 0.0 : u.unitCapacity / draw.Cents(8, 15);
}

} // namespace

std::string JobKey(int index) {
    if (index == 0)
        return "sample";
    char key[8];
    std::snprintf(key, sizeof key, "r%03d", index);
    return key;
}

void MakeRandomJob(int index, ReferenceTables& tables, Job& job) {
    Draw draw(index);
    job = Job{};
    NewJobBox box;
    box.boxTemp = draw.Edgy(-50, 60, -20, 45);
    box.length = draw.EdgyCents(1, 400, 6, 40);
    box.width = draw.EdgyCents(1, 400, 6, 30);
    box.height = draw.EdgyCents(1, 200, 7, 12);
    if (draw.Chance(60))
        box.runHours = draw.Edgy(1, 96, 14, 20);
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", draw.Int(1, 12), draw.Int(1, 28),
                  draw.Int(1990, 2040));
    box.date = date;
    std::vector<std::string> warnings;
    ASSERT_TRUE(MakeNewJob(job, box, "", tables.insul.get(), warnings)) << JobKey(index);
    EXPECT_TRUE(warnings.empty()) << JobKey(index) << ": " << warnings.front();

    JobImage& im = job.image;
    FillHeaderTexts(draw, im.header);
    im.header.designAmbient = 90 + 5 * draw.Int(0, 3);
    im.header.safetyFactor = draw.Edgy(0, 20, 5, 15);
    im.header.boxRelHum = draw.Edgy(40, 99, 80, 90);

    ChooseSurfaces(draw, im, *tables.insul);
    ChooseSun(draw, im);
    ChooseProducts(draw, im, *tables.product);
    ChooseInfiltration(draw, im);
    ChooseInternalLoads(draw, im);
    ChooseMiscLoads(draw, im);

    const int32_t equipment = draw.Int(0, 99);
    if (equipment < 40)
        SearchEquipment(draw, job, tables);
    else if (equipment < 50)
        SetSelectionBlocks(draw, job);
}

void MakeGoldenJob(int index, ReferenceTables& tables, Job& job) {
    if (index == 0) {
        job = Job{};
        ASSERT_TRUE(BuildSampleJob(job).ok);
        return;
    }
    MakeRandomJob(index, tables, job);
}
