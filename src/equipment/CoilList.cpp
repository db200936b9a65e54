#include "equipment/CoilList.h"

#include "calc/PrintfText.h"
#include "equipment/CoilSearch.h"
#include "job/FixedText.h"
#include "tables/Table.h"

#include <cstdlib>
#include <cstring>

std::string DesiredCoilLine(const JobImage& image) {
    return Format("Desired: %2i Coils for %10.0f btuh @%3i TD", image.coil.coilCount,
                  static_cast<double>(image.unit.unitCapacity), image.unit.designTD);
}

CoilList BuildCoilList(const Job& job, Table& coils, const EquipmentState& state) {
    CoilList list;
    list.desired = DesiredCoilLine(job.image);
    const double count = job.image.coil.coilCount;
    const double capacity = job.image.unit.unitCapacity;
    const std::string current = GetText(job.image.coil.coilModel).substr(0, 12);
    std::string defrost = "    "; // an unknown defrost type shows the last text shown
    for (int slot = 0; slot < CoilSlotCount - 1; ++slot) {
        if (state.candidates[slot] == 0 || coils.d4go(state.candidates[slot]) != 0)
            continue;
        const double rating = coils.f4double("BTUH");
        const double td = capacity / (rating * count);
        CoilRow row;
        row.recordNo = state.candidates[slot];
        row.model = coils.f4str("MODEL").substr(0, 12);
        row.td = Format("%5.2f", td);
        row.style = Format("%14s", coils.f4str("STYLE").c_str());
        const int32_t fins = coils.f4int("FINS");
        row.fin = fins < 1 ? "  " : Format("%2i", fins);
        row.btuh = Format("%10.0f", rating * count * td);
        switch (coils.f4int("AEG")) {
        case 0:
            defrost = "air ";
            break;
        case 1:
            defrost = "elec";
            break;
        case 2:
            defrost = "gas ";
            break;
        default:
            break;
        }
        row.defrost = defrost;
        row.brand = Format("%8s", coils.f4str("BRAND").c_str());
        if (row.model == current)
            list.selected = static_cast<int>(list.rows.size());
        list.rows.push_back(std::move(row));
    }
    return list;
}

void StoreCoilRow(Job& job, Table& coils, const CoilRow& row) {
    TCoilSelection& c = job.image.coil;
    SetText(c.coilModel, row.model);
    SetText(c.coilStyle, row.style);
    SetText(c.finText, row.fin);
    SetText(c.defrostType, row.defrost);
    SetText(c.coilBrand, row.brand);
    c.coilTD = std::strtod(row.td.c_str(), nullptr);
    c.coilSelected = 1;
    const double rating = coils.d4go(row.recordNo) == 0 ? coils.f4double("BTUH") : 0.0;
    c.coilRating = c.coilCount * rating;
}

void AcceptCoilList(Job& job, const TCoilSelection& before) {
    if (std::memcmp(&before, &job.image.coil, sizeof before) != 0)
        job.run.modified = true;
    job.image.coil.coilSelected = 1;
}

void CancelCoilList(Job& job, const EquipmentState& state) {
    std::memcpy(&job.image.coil, &state.coilUndo, sizeof state.coilUndo);
}
