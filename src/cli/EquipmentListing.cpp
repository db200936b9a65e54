#include "cli/EquipmentListing.h"

#include "equipment/EquipmentListUnits.h"
#include "text/Windows1252.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintLine(const std::string& text, std::FILE* out) {
    std::fprintf(out, "%s\n", Utf8From1252(text).c_str());
}

void PrintRow(bool selected, const std::vector<std::string>& columns, std::FILE* out) {
    std::string line = selected ? ">" : " ";
    const char* separator = "";
    for (const std::string& column : columns) {
        line += separator;
        line += column;
        separator = "|";
    }
    PrintLine(line, out);
}

} // namespace

void PrintUnitList(const UnitList& list, const JobImage& image, UnitSystem units, std::FILE* out) {
    PrintLine(DesiredUnitLine(image, units), out);
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        PrintRow(static_cast<int>(i) == list.selected, UnitRowTexts(list.rows[i], units), out);
}

void PrintCoilList(const CoilList& list, const JobImage& image, UnitSystem units, std::FILE* out) {
    PrintLine(DesiredCoilLine(image, units), out);
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        PrintRow(static_cast<int>(i) == list.selected, CoilRowTexts(list.rows[i], units), out);
}
