#include "tables/SurfaceInsulation.h"

#include "job/FixedText.h"
#include "tables/InsulationTable.h"

#include <string>

bool SelectSurfaceInsulation(TSurface& surface, Table& insul, int32_t row) {
    if (!GoToInsulationRow(insul, row))
        return false;
    const InsulationRecord record = ReadInsulationRecord(insul);
    surface.insulationRow = row;
    SetPadded(surface.insulationName, record.name, InsulNameWidth);
    surface.terminator = 0;
    surface.factor = record.factor;
    surface.factorKind = record.kind;
    return true;
}

FileResult ApplyInsulationChoices(JobImage& image, Table* insul,
                                  const SurfaceChoice (&choices)[SurfaceCount]) {
    if (insul == nullptr)
        return FileResult::Failure("INSUL.DAT is not open: no insulation can be chosen");
    FileResult result = FileResult::Success();
    for (int s = 0; s < SurfaceCount; ++s) {
        TSurface& surface = image.surfaces[s];
        if (!SelectSurfaceInsulation(surface, *insul, choices[s].row) && result.ok)
            result = FileResult::Failure(insul->path() + " has no row " +
                                         std::to_string(choices[s].row) +
                                         ": the surface keeps its insulation");
        surface.thickness = choices[s].thickness;
        surface.adjacentTemp = choices[s].adjacentTemp;
    }
    return result;
}
