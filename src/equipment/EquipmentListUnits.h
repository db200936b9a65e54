#pragma once
// The unit and coil lists as they read in a unit system. The rows keep their imperial texts,
// which are what choosing a row stores; these give the texts a list shows instead. In imperial
// units they are the rows' own texts; in SI each figure is the row's imperial figure converted
// once (capacity in W, nominal power in kW, TD in K) with the column keeping its width. Texts
// are Windows-1252 like the rows.

#include "calc/UnitConversion.h"
#include "equipment/CoilList.h"
#include "equipment/UnitList.h"
#include "job/JobImage.h"

#include <string>
#include <vector>

// A column heading and the column's width in characters.
struct ListColumn {
    const char* title;
    int width;
};

// Model, capacity, nominal power, run hours, brand, type.
std::vector<ListColumn> UnitListColumns(UnitSystem system);
// Model, TD, style, fins, capacity, defrost, brand.
std::vector<ListColumn> CoilListColumns(UnitSystem system);

// A row's texts in the order of its list's columns.
std::vector<std::string> UnitRowTexts(const UnitRow& row, UnitSystem system);
std::vector<std::string> CoilRowTexts(const CoilRow& row, UnitSystem system);

// The "Desired: ..." line below the list; imperial is DesiredUnitLine(image) and
// DesiredCoilLine(image).
std::string DesiredUnitLine(const JobImage& image, UnitSystem system);
std::string DesiredCoilLine(const JobImage& image, UnitSystem system);
