#include "cli/EquipmentListing.h"

#include "equipment/EquipmentListUnits.h"
#include "text/Windows1252.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintLine(const std::string& text, UnitSystem units) {
    std::printf("%s\n", (units == UnitSystem::Metric ? Utf8From1252(text) : text).c_str());
}

void PrintRow(bool selected, const std::vector<std::string>& columns, UnitSystem units) {
    std::string line = selected ? ">" : " ";
    const char* separator = "";
    for (const std::string& column : columns) {
        line += separator;
        line += column;
        separator = "|";
    }
    PrintLine(line, units);
}

} // namespace

void PrintUnitList(const UnitList& list, const JobImage& image, UnitSystem units) {
    PrintLine(DesiredUnitLine(image, units), units);
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        PrintRow(static_cast<int>(i) == list.selected, UnitRowTexts(list.rows[i], units), units);
}

void PrintCoilList(const CoilList& list, const JobImage& image, UnitSystem units) {
    PrintLine(DesiredCoilLine(image, units), units);
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        PrintRow(static_cast<int>(i) == list.selected, CoilRowTexts(list.rows[i], units), units);
}
