#include "equipment/UnitSearch.h"

#include "calc/Numbers.h"
#include "equipment/SuctionClass.h"
#include "tables/Table.h"

#include <cstring>

void BeginUnitSelection(const Job& job, EquipmentState& state) {
    std::memcpy(&state.unitUndo, &job.image.unit, sizeof state.unitUndo);
}

bool ConfirmUnitSelection(Job& job, int32_t unitCount, int32_t designTD) {
    TUnitSelection& u = job.image.unit;
    if (unitCount != u.unitCount || designTD != u.designTD) {
        job.run.modified = true;
        u.unitSelected = 0;
    }
    u.unitCount = unitCount;
    u.designTD = designTD;
    if (unitCount < 1) {
        u.unitSelected = 0;
        return false;
    }
    return true;
}

int32_t CombinedCapacity(int32_t unitCount, int32_t capacity) {
    // The product wraps at 32 bits as the stored figures always have.
    return static_cast<int32_t>(static_cast<int64_t>(unitCount) * capacity);
}

bool CandidateRunHours(const JobImage& image, int32_t capacity, double& hours) {
    const int32_t combined = CombinedCapacity(image.unit.unitCount, capacity);
    if (combined == 0)
        return false;
    hours = static_cast<double>(image.totals.totalLoad) * image.header.runHours / combined;
    return true;
}

bool FindFirstUnit(Job& job, Table& units) {
    TUnitSelection& u = job.image.unit;
    const TJobHeader& h = job.image.header;
    const std::optional<int32_t> suction = SuctionClass(h.boxTemp, u.designTD);
    const std::optional<int32_t> column = CapacityColumn(h.designAmbient);
    if (suction)
        u.suctionTemp = *suction;
    u.capacityColumn = column.value_or(0);
    u.searchAmbient = h.designAmbient;
    u.firstUnitRecord = 0;
    if (!suction || !column)
        return false;
    const TableTag* tag = units.d4tag(CapacityColumnName(*column));
    const int evapField = units.d4field("EVAP");
    if (!tag || evapField == 0)
        return false;
    units.d4tagSelect(tag);

    const int32_t count = u.unitCount < 1 ? 1 : u.unitCount;
    const int32_t x = TruncateToInt32(0.9 * job.image.totals.totalLoad) / count;
    if (x <= 0)
        return false;
    const int64_t lo = static_cast<int64_t>(x) - 100;
    const int32_t hi = TruncateToInt32(1.3 * x);

    const int seek = units.d4seekDouble(static_cast<double>(x));
    if (seek != 0 && seek != 2)
        return false;
    do {
        if (units.f4int(evapField) != *suction)
            continue;
        const int32_t cap = units.f4long(*column);
        if (cap > hi)
            return false;
        if (cap > lo) {
            u.minCapacity = cap;
            u.maxCapacity = TruncateToInt32(1.25 * cap);
            u.firstUnitRecord = units.d4recNo();
            return true;
        }
    } while (units.d4skip(1) == 0);
    return false;
}

bool CollectUnitCandidates(Job& job, Table& units, EquipmentState& state) {
    const TUnitSelection& u = job.image.unit;
    constexpr int collected = CandidateSlotCount - 1;
    std::memset(state.candidates, 0, sizeof state.candidates);
    const int evapField = units.d4field("EVAP");
    const int32_t column = u.capacityColumn;
    if (evapField == 0 || column < 2 || column > units.d4numFields() ||
        units.d4go(u.firstUnitRecord) != 0)
        return false;

    int filled = 0;
    do {
        if (units.f4int(evapField) != u.suctionTemp)
            continue;
        if (units.f4long(column) > u.maxCapacity)
            break;
        state.candidates[filled++] = units.d4recNo();
    } while (filled < collected && units.d4skip(1) == 0);
    if (filled == 0)
        return false;

    const double runHours = job.image.header.runHours;
    int kept = 0;
    for (int slot = 0; slot < filled; ++slot) {
        double hours = 0;
        units.d4go(state.candidates[slot]);
        if (!CandidateRunHours(job.image, units.f4long(column), hours) || runHours - hours > 4 ||
            runHours - hours < -4)
            state.candidates[slot] = 0;
        else
            ++kept;
    }
    return kept > 0;
}

bool SearchUnits(Job& job, Table& units, EquipmentState& state) {
    return FindFirstUnit(job, units) && CollectUnitCandidates(job, units, state);
}
