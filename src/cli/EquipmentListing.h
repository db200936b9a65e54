#pragma once
// Printing the equipment lists: the "Desired: ..." line, then one line per row with the column
// texts separated by '|', the preselected row marked with '>'.

#include "equipment/CoilList.h"
#include "equipment/UnitList.h"

void PrintUnitList(const UnitList& list);
void PrintCoilList(const CoilList& list);
