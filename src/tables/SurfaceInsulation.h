#pragma once
// OK of "Select Insulation": each surface takes the insulation record at its chosen row of the
// name order, and its thickness and adjacent temperature.

#include "job/FileResult.h"
#include "job/JobImage.h"
#include "tables/Table.h"

#include <cstdint>

struct SurfaceChoice {
    int32_t row; // the surface's remembered row of the insulation list
    double thickness;
    int32_t adjacentTemp;
};

// Positions the table at `row` of the name order and copies INSULATION (26 characters), FACTOR
// and KU into the surface, storing the row. A row the table does not have (it shrank since the
// job was saved) keeps the surface's insulation and row as they were and returns false.
bool SelectSurfaceInsulation(TSurface& surface, Table& insul, int32_t row);

// The six surfaces in order, then each one's thickness and adjacent temperature. Without the
// table (nullptr) nothing changes and the result names it; a row the table does not have is
// named in the result while the other surfaces still take their choice.
FileResult ApplyInsulationChoices(JobImage& image, Table* insul,
                                  const SurfaceChoice (&choices)[SurfaceCount]);
