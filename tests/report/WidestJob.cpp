#include "WidestJob.h"

#include "job/FixedText.h"

#include <climits>

std::string WidestText(std::size_t width) {
    return std::string(width, 'W');
}

namespace {

template <std::size_t N> void Widest(char (&field)[N]) {
    SetText(field, WidestText(N - 1));
}

void FillHeader(TJobHeader& h) {
    Widest(h.jobName);
    Widest(h.customer);
    Widest(h.contact);
    SetText(h.jobDate, "12/31/2026");
    Widest(h.quotation);
    Widest(h.address);
    Widest(h.telephone);
    Widest(h.fax);
    h.boxTemp = -50;   // -45.6 C
    h.length = 399.99; // 121.92 m
    h.width = 399.99;
    h.height = 199.99;
    h.designAmbient = 105; // 40.6 C
    h.runHours = 96;
    h.safetyFactor = 20;
    h.boxRelHum = 99;
}

void FillLoads(JobImage& im) {
    TLoadTotals& t = im.totals; // packed fields: assigned, never bound to a pointer
    t.productLoad = t.wallLoad = t.occupantLoad = t.glassDoorLoad = t.motorLoad = INT32_MAX;
    t.electricLoad = t.lightingLoad = t.safetyLoad = t.totalLoad = INT32_MAX;
    im.occupants.occupants = 100;
    im.occupants.hours = 25;
    im.glassDoors.doorCount = 30;
    im.glassDoors.adjacentTemp = -20; // -28.9 C
    im.glassDoors.doorHeight = 144;
    im.glassDoors.doorWidth = 144;
    SetText(im.glassDoors.usageText, "Normal Usage");
    im.motors.motorCount = 25;
    im.motors.motorHp = 500.0;
    im.motors.hours = 25;
    im.electric.watts = 90000000;
    im.electric.hours = 25;
    im.lighting.wattsPerSqFt = 30.0;
    im.lighting.hours = 25;
    Widest(im.userLoad.userDescription);
    im.userLoad.userLoad = INT32_MAX;
}

void FillInfiltration(JobImage& im, bool airChange) {
    TInfiltration& inf = im.infiltration;
    inf.airChangeMethod = airChange ? 1 : 0;
    inf.usageFactor = 2.0;
    inf.airChanges = 49.99;
    inf.heatPerCubicFoot = 9.99;
    SetText(inf.usageText, "Normal Use");
    inf.infiltrationLoad = INT32_MAX;
    im.airChangeEntry.infiltratingTemp = -50;
    im.airChangeEntry.infiltratingRelHum = 99;
    TAirVelocityEntry& v = im.airVelocityEntry;
    v.infiltratingTemp = -50;
    v.infiltratingRelHum = 99;
    v.deviceEfficiency = 99;
    v.doorHeight = 40.0;
    v.doorCount = 100;
    v.doorWidth = 160.0;
    v.openMinutes = 1900;
}

void FillSurfaces(JobImage& im) {
    for (int i = 0; i < SurfaceCount; ++i) {
        TSurface& s = im.surfaces[i];
        Widest(s.insulationName);
        s.factor = 120.0;                      // 17.307 W/(m.K), 681.392 W/(m2.K)
        s.factorKind = i == Floor ? 'U' : 'K'; // the floor a construction, the rest per inch
        s.thickness = 999.99;                  // 25400 mm
        s.adjacentTemp = -999;                 // -572.8 C
        s.sunAllowance = i == Floor ? 0 : 99;
        s.hourlyGain = INT32_MAX;
    }
}

void FillProducts(JobImage& im) {
    for (int slot = 0; slot < ProductSlotCount; ++slot) {
        TProductSlot& p = im.products[slot];
        Widest(p.productName);
        p.specHeatAbove = 99.99;
        p.specHeatBelow = 99.99;
        p.latentHeat = 99999;
        p.grossWeight = 99999.99;
        p.pkgWeight = 99999.99;
        p.calcFlag = slot % 2 == 0 ? 2 : 3; // packages of both kinds
        p.aboveLoad = p.belowLoad = p.respLoad = p.latentLoad = p.pkgLoad = INT32_MAX;
        p.slotLoad = p.productWeight = INT32_MAX;
        p.respWeight = 90000000; // the most the product dialog takes
        p.estimateMark = '*';
        p.enteringTemp = -50;
        p.quantity = 90000000;
        p.pulldownHours = 96;
        p.respFactor = 400.0;
    }
}

void FillEquipment(ReportFixture& f) {
    TUnitSelection& u = f.job.image.unit;
    u.unitSelected = 1;
    u.unitCount = 12;
    Widest(u.unitBrand);
    Widest(u.unitModel);
    u.unitCapacity = INT32_MAX;
    u.unitRunHours = 23.99;
    u.suctionTemp = -50;
    TCoilSelection& c = f.job.image.coil;
    c.coilSelected = 1;
    c.coilCount = 12;
    Widest(c.coilBrand);
    Widest(c.coilModel);
    Widest(c.coilStyle);
    Widest(c.defrostType);
    c.coilTD = 99.99;
    f.state.dailyLoad = 96.0 * INT32_MAX;
    f.state.dailyCapacity = 96.0 * INT32_MAX;
}

void FillSubmitter(TSubmitter& s) {
    Widest(s.companyName);
    Widest(s.companyAddress);
    Widest(s.companyContact);
    Widest(s.companyTelephone);
    Widest(s.companyFax);
}

} // namespace

void FillWidest(ReportFixture& f, bool airChange) {
    JobImage& im = f.job.image;
    FillHeader(im.header);
    FillLoads(im);
    FillInfiltration(im, airChange);
    FillSurfaces(im);
    FillProducts(im);
    FillEquipment(f);
    FillSubmitter(f.submitter);
}
