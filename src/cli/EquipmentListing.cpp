#include "cli/EquipmentListing.h"

#include <cstdio>

namespace {

void PrintRow(bool selected, std::initializer_list<const std::string*> columns) {
    std::string line = selected ? ">" : " ";
    const char* separator = "";
    for (const std::string* column : columns) {
        line += separator;
        line += *column;
        separator = "|";
    }
    std::printf("%s\n", line.c_str());
}

} // namespace

void PrintUnitList(const UnitList& list) {
    std::printf("%s\n", list.desired.c_str());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const UnitRow& r = list.rows[i];
        PrintRow(static_cast<int>(i) == list.selected,
                 {&r.model, &r.btuh, &r.nominalHp, &r.runHours, &r.brand, &r.type});
    }
}

void PrintCoilList(const CoilList& list) {
    std::printf("%s\n", list.desired.c_str());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const CoilRow& r = list.rows[i];
        PrintRow(static_cast<int>(i) == list.selected,
                 {&r.model, &r.td, &r.style, &r.fin, &r.btuh, &r.defrost, &r.brand});
    }
}
