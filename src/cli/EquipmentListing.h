#pragma once
// Printing the equipment lists: the "Desired: ..." line, then one line per row with the column
// texts separated by '|', the preselected row marked with '>'. Imperial lists keep the job's
// own 8-bit text; SI lists (the degree sign) are written as UTF-8.

#include "calc/UnitConversion.h"
#include "equipment/CoilList.h"
#include "equipment/UnitList.h"
#include "job/JobImage.h"

// `image` is the job the list was built from.
void PrintUnitList(const UnitList& list, const JobImage& image, UnitSystem units);
void PrintCoilList(const CoilList& list, const JobImage& image, UnitSystem units);
