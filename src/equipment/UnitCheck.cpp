#include "equipment/UnitCheck.h"

#include "calc/PrintfText.h"
#include "calc/Totals.h"
#include "job/ClearJob.h"

namespace {

constexpr double MaxCoilTD = 99.99;

} // namespace

int32_t CheckUnitSelection(Job& job, EquipmentState& state) {
    JobImage& im = job.image;
    TUnitSelection& u = im.unit;
    if (u.unitCount < 1) {
        u.unitSelected = 0;
        u.unitCount = 1;
    }
    if (u.unitCapacity < 5)
        u.unitSelected = 0;
    if (u.unitSelected == 0)
        return 0;

    const double runHours = im.header.runHours;
    const double totalLoad = im.totals.totalLoad;
    u.unitRunHours = totalLoad * runHours / static_cast<double>(u.unitCapacity);
    const double drift = runHours - u.unitRunHours;
    if (drift > 4 || drift < -4)
        ResetUnitSelection(u);
    if (u.unitSelected == 0) {
        im.coil.coilSelected = 0;
        return 0;
    }

    state.dailyLoad = runHours * totalLoad;
    state.dailyCapacity = RoundedAsPrinted("%6.2f", u.unitRunHours) * u.unitCapacity;

    TCoilSelection& c = im.coil;
    if (c.coilSelected != 0) {
        if (c.coilCount < 1)
            c.coilCount = 1;
        // A rating so small that the TD would not fit its printed field ("%5.2f", so at most
        // 99.99) comes from a damaged file and counts as no rating, like a rating of 0.
        const double td = c.coilRating > 0 ? u.unitCapacity / c.coilRating : 0.0;
        if (td > 0 && td <= MaxCoilTD) {
            c.coilTD = td;
        } else {
            c.coilSelected = 0;
            c.coilRating = 0;
            c.coilTD = 0;
        }
    }
    return u.unitSelected;
}

void RefreshJob(Job& job, EquipmentState& state) {
    RefreshLoads(job);
    CheckUnitSelection(job, state);
}
