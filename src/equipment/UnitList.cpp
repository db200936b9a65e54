#include "equipment/UnitList.h"

#include "calc/PrintfText.h"
#include "equipment/UnitSearch.h"
#include "job/FixedText.h"
#include "tables/Table.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string Model20(const std::string& text) {
    return text.substr(0, 20);
}

} // namespace

std::string DesiredUnitLine(const JobImage& image) {
    const TUnitSelection& u = image.unit;
    const long total = image.totals.totalLoad;
    if (u.unitCount > 1)
        return Format("Desired: %2i Units for %11li btuh @ %3i Ambient %3irun/Hrs %3i Suction",
                      u.unitCount, total, image.header.designAmbient, image.header.runHours,
                      u.suctionTemp);
    return Format("Desired: 1  Unit for %11li btuh @ %3i Ambient %3i run/Hrs %3i Suction", total,
                  image.header.designAmbient, image.header.runHours, u.suctionTemp);
}

UnitList BuildUnitList(const Job& job, Table& units, const EquipmentState& state) {
    UnitList list;
    list.desired = DesiredUnitLine(job.image);
    const int32_t column = job.image.unit.capacityColumn;
    const std::string current = Model20(GetText(job.image.unit.unitModel));
    for (int slot = 0; slot < UnitListRowLimit; ++slot) {
        if (state.candidates[slot] == 0 || units.d4go(state.candidates[slot]) != 0)
            continue;
        const int32_t cap = units.f4long(column);
        double hours = 0;
        CandidateRunHours(job.image, cap, hours);
        UnitRow row;
        row.model = Model20(units.f4str("MODEL"));
        row.btuh =
            Format("%10li", static_cast<long>(CombinedCapacity(job.image.unit.unitCount, cap)));
        row.nominalHp = Format("%7.2f", units.f4double("NOMHP"));
        row.runHours = Format("%5.2f", hours);
        row.brand = Format("%8s", units.f4str("BRAND").c_str());
        row.type = units.f4int("HFLAG") == 0 ? "Metic " : "Welded";
        if (row.model == current)
            list.selected = static_cast<int>(list.rows.size());
        list.rows.push_back(std::move(row));
    }
    return list;
}

void StoreUnitRow(Job& job, const UnitRow& row) {
    TUnitSelection& u = job.image.unit;
    SetText(u.unitModel, row.model);
    SetText(u.unitBrand, row.brand);
    u.nominalHp = std::strtod(row.nominalHp.c_str(), nullptr);
    u.unitRunHours = std::strtod(row.runHours.c_str(), nullptr);
    u.unitCapacity = static_cast<int32_t>(std::strtol(row.btuh.c_str(), nullptr, 10));
    u.unitSelected = 1;
}

void AcceptUnitList(Job& job, const TUnitSelection& before) {
    if (std::memcmp(&before, &job.image.unit, sizeof before) != 0)
        job.run.modified = true;
    job.image.unit.unitSelected = 1;
}

void CancelUnitList(Job& job, const EquipmentState& state) {
    std::memcpy(&job.image.unit, &state.unitUndo, sizeof state.unitUndo);
}
