#include "calc/Totals.h"

#include "calc/GlassDoorLoad.h"
#include "calc/Infiltration.h"
#include "calc/InternalLoads.h"
#include "calc/Numbers.h"
#include "calc/ProductLoad.h"
#include "calc/WallGain.h"

int32_t perRunHour(const TJobHeader& header, int32_t dailyLoad) {
    const int32_t runHours = header.runHours;
    const double divisor = runHours < 1 ? 18.0 : static_cast<double>(runHours);
    return TruncateToInt32(static_cast<double>(dailyLoad) / divisor);
}

int32_t safetyAllowance(int32_t percentage, int32_t load) {
    const int32_t allowance =
        TruncateToInt32(static_cast<double>(percentage) * 0.01 * static_cast<double>(load));
    return allowance <= 10 ? 0 : allowance;
}

namespace {

int32_t Flag(int32_t load) {
    return load > 0 ? 1 : 0;
}

} // namespace

int32_t RecalculateLoads(Job& job) {
    JobImage& im = job.image;
    TLoadTotals& t = im.totals;
    const TJobHeader& h = im.header;

    const int32_t previousTotal = t.totalLoad;
    im.infiltration.infiltrationLoad = 0;
    t.totalLoad = 0;
    t.safetyLoad = 0;
    t.wallLoad = 0;
    int32_t total = 0;

    ComputeWallGains(im);
    int32_t wallLoad = 0;
    for (TSurface& s : im.surfaces) {
        const int32_t hourly = perRunHour(h, s.dailyGain);
        s.hourlyGain = hourly;
        wallLoad = SaturatingAdd(wallLoad, hourly);
    }
    t.wallLoad = wallLoad;
    total = SaturatingAdd(total, wallLoad);

    t.productLoad = ComputeProductLoads(im);
    im.flags.productsEntered = Flag(t.productLoad);
    total = SaturatingAdd(total, t.productLoad);

    im.occupants.dailyLoad = ComputeOccupantLoad(im);
    im.flags.occupantsEntered = Flag(im.occupants.dailyLoad);
    t.occupantLoad = perRunHour(h, im.occupants.dailyLoad);
    total = SaturatingAdd(total, t.occupantLoad);

    im.glassDoors.glassLoad = ComputeGlassLoad(im);
    im.flags.glassDoorsEntered = Flag(im.glassDoors.glassLoad);
    t.glassDoorLoad = im.glassDoors.glassLoad;
    total = SaturatingAdd(total, t.glassDoorLoad);

    im.motors.dailyLoad = ComputeMotorLoad(im);
    im.flags.motorsEntered = Flag(im.motors.dailyLoad);
    t.motorLoad = perRunHour(h, im.motors.dailyLoad);
    total = SaturatingAdd(total, t.motorLoad);

    im.electric.dailyLoad = ComputeElectricLoad(im);
    im.flags.electricEntered = Flag(im.electric.dailyLoad);
    t.electricLoad = perRunHour(h, im.electric.dailyLoad);
    total = SaturatingAdd(total, t.electricLoad);

    im.lighting.dailyLoad = ComputeLightingLoad(im);
    im.flags.lightingEntered = Flag(im.lighting.dailyLoad);
    t.lightingLoad = perRunHour(h, im.lighting.dailyLoad);
    total = SaturatingAdd(total, t.lightingLoad);

    TInfiltration& inf = im.infiltration;
    inf.airChangeDaily = ComputeAirChangeLoad(im);
    inf.velocityDaily = ComputeAirVelocityLoad(im);
    if (inf.velocityDaily < 1)
        inf.airChangeMethod = 1;
    if (inf.airChangeMethod == 1) {
        inf.infiltrationLoad = perRunHour(h, inf.airChangeDaily);
        im.flags.velocityMethod = 0;
    } else {
        inf.infiltrationLoad = perRunHour(h, inf.velocityDaily);
        im.flags.velocityMethod = 1;
    }
    total = SaturatingAdd(total, inf.infiltrationLoad);

    if (im.userLoad.userLoad > 0)
        total = SaturatingAdd(total, im.userLoad.userLoad);

    const int32_t safety = safetyAllowance(h.safetyFactor, total);
    t.safetyLoad = safety;
    if (safety > 0)
        total = SaturatingAdd(total, safety);

    t.totalLoad = total;
    if (total != previousTotal)
        job.run.modified = true;
    return safety;
}

double DailyDesignLoad(const JobImage& image) {
    return static_cast<double>(image.header.runHours) * static_cast<double>(image.totals.totalLoad);
}

void RefreshLoads(Job& job) {
    ComputeSunAllowances(job.image);
    RecalculateLoads(job);
}
