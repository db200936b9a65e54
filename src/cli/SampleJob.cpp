#include "cli/SampleJob.h"

#include "calc/ProductLoad.h"
#include "calc/Totals.h"
#include "job/ClearJob.h"
#include "job/FixedText.h"

namespace {

void SetSurface(TSurface& s, const char* name, double factor, char kind, double inches,
                int32_t adjacent) {
    SetPadded(s.insulationName, name, 26);
    s.terminator = 0;
    s.factor = factor;
    s.factorKind = kind;
    s.thickness = inches;
    s.adjacentTemp = adjacent;
    s.sunAllowance = 0;
    s.insulationRow = 0;
    s.dailyGain = 0;
    s.hourlyGain = 0;
}

} // namespace

void BuildSampleJob(Job& job) {
    ClearJob(job, BuiltInDefaults());
    JobImage& im = job.image;
    TJobHeader& h = im.header;
    SetText(h.jobName, "Sample Cooler");
    SetText(h.customer, "Harbor Street Market");
    SetText(h.contact, "Dana Reyes");
    SetText(h.jobDate, "12/07/2026");
    SetText(h.quotation, "Q-1001");
    SetText(h.address, "12 Harbor Street");
    SetText(h.telephone, "555-0100");
    SetText(h.fax, "555-0101");
    h.boxTemp = 35;
    h.length = 10.0;
    h.width = 8.0;
    h.height = 8.0;
    h.volume = 640.0;
    h.runHours = 16;

    for (int i = NorthWall; i <= Roof; ++i)
        SetSurface(im.surfaces[i], "Polystyrene,molded", 0.2, 'K', 3.5, 90);
    SetSurface(im.surfaces[Floor], "Concrete 6\" slab", 0.21, 'U', 1.0, 55);

    ResetProducts(im, h.boxTemp);
    TProductSlot& p = im.products[0];
    SetPadded(p.productName, "Apples", 32);
    p.freezePoint = 29.0;
    p.specHeatAbove = 0.87;
    p.specHeatBelow = 0.45;
    p.latentHeat = 121;
    p.respHeat = 0.6;
    p.calcFlag = 1;
    p.enteringTemp = 60;
    p.quantity = 1500;
    p.productWeight = 1500;
    p.pulldownHours = 24;
    p.respFactor = 0.6;
    p.respWeight = 1500;

    im.lighting.wattsPerSqFt = 1.0;
    im.lighting.hours = 8;
    SetText(im.userLoad.userDescription, "Display case");
    im.userLoad.userLoad = 500;
    im.flags.userLoadEntered = 1;
    im.flags.jobLoaded = 1;

    RefreshLoads(job);
}
