#include "equipment/CoilSearch.h"

#include "calc/Numbers.h"
#include "tables/Table.h"

#include <cstring>

void BeginCoilSelection(const Job& job, EquipmentState& state) {
    std::memcpy(&state.coilUndo, &job.image.coil, sizeof state.coilUndo);
}

bool ConfirmCoilSelection(Job& job, int32_t coilCount) {
    TCoilSelection& c = job.image.coil;
    if (coilCount != c.coilCount) {
        job.run.modified = true;
        c.coilSelected = 0;
    }
    c.coilCount = coilCount;
    if (coilCount < 1) {
        c.coilSelected = 0;
        return false;
    }
    return true;
}

bool FindFirstCoil(Job& job, Table& coils) {
    const TUnitSelection& u = job.image.unit;
    TCoilSelection& c = job.image.coil;
    if (u.unitSelected == 0) {
        c.coilSelected = 0;
        return false;
    }
    if (c.coilCount < 1) {
        c.coilCount = 1;
        c.coilSelected = 0;
        return false;
    }
    if (u.designTD < 1 || u.minCapacity < 1 || u.maxCapacity < 1)
        return false;

    const double units = u.unitCount;
    const double coilsPerUnit = c.coilCount;
    const double td = u.designTD;
    const double low = units * u.minCapacity / coilsPerUnit / td;
    const double high = units * u.maxCapacity / coilsPerUnit / td;
    const double target = low * 0.95;
    c.maxCoilRating = TruncateToInt32(high);
    const int32_t lo = TruncateToInt32(target);

    const int evapField = coils.d4field("EVAP");
    const int btuhField = coils.d4field("BTUH");
    const TableTag* tag = coils.d4tag("BTUH");
    if (evapField == 0 || btuhField == 0 || !tag) {
        c.coilSelected = 0;
        return false;
    }
    coils.d4tagSelect(tag);
    const int seek = coils.d4seekDouble(target);
    if (seek != 0 && seek != 2) {
        c.coilSelected = 0;
        return false;
    }
    do {
        if (coils.f4int(evapField) != u.suctionTemp)
            continue;
        const int32_t rating = coils.f4long(btuhField);
        if (rating > c.maxCoilRating)
            return false;
        if (rating > lo) {
            c.firstCoilRecord = coils.d4recNo();
            return true;
        }
    } while (coils.d4skip(1) == 0);
    return false;
}

bool CollectCoilCandidates(Job& job, Table& coils, EquipmentState& state) {
    const TCoilSelection& c = job.image.coil;
    const int32_t suction = job.image.unit.suctionTemp;
    std::memset(state.candidates, 0, sizeof(int32_t) * CoilSlotCount);
    const int evapField = coils.d4field("EVAP");
    const int btuhField = coils.d4field("BTUH");
    if (evapField == 0 || btuhField == 0 || coils.d4go(c.firstCoilRecord) != 0)
        return false;
    int filled = 0;
    do {
        if (coils.f4int(evapField) != suction)
            continue;
        if (coils.f4long(btuhField) > c.maxCoilRating)
            break;
        state.candidates[filled++] = coils.d4recNo();
    } while (filled < CoilSlotCount - 1 && coils.d4skip(1) == 0);
    return filled > 0;
}

bool SearchCoils(Job& job, Table& coils, EquipmentState& state) {
    if (FindFirstCoil(job, coils) && CollectCoilCandidates(job, coils, state))
        return true;
    std::memcpy(&job.image.coil, &state.coilUndo, sizeof state.coilUndo);
    return false;
}
