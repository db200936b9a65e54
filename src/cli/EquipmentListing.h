#pragma once
// Printing the equipment lists: the "Desired: ..." line, then one line per row with the column
// texts separated by '|', the preselected row marked with '>'. The table texts (Windows-1252) and
// the degree sign of SI lists are written as UTF-8.

#include "calc/UnitConversion.h"
#include "equipment/CoilList.h"
#include "equipment/UnitList.h"
#include "job/JobImage.h"

#include <cstdio>

// `image` is the job the list was built from.
void PrintUnitList(const UnitList& list, const JobImage& image, UnitSystem units,
                   std::FILE* out = stdout);
void PrintCoilList(const CoilList& list, const JobImage& image, UnitSystem units,
                   std::FILE* out = stdout);
