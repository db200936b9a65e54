#pragma once
// INSUL.DAT: insulation materials with their heat-transfer factor. Everything that picks an
// insulation works in the order of the tag "INSUL" (by name) and names a record by its 0-based
// row in that order.

#include "calc/UnitConversion.h"
#include "tables/Table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int InsulNameWidth = 26;
inline constexpr const char* InsulTagName = "INSUL";

struct InsulationRecord {
    std::string name; // INSULATION, exactly 26 characters
    double factor = 0.0;
    char kind = 'K'; // KU: 'K' per inch of thickness, 'U' for the whole construction
};

// One row of the insulation lists: columns "Insulation" ("%26s") and "Factor" ("%6.2f %c").
struct InsulationListRow {
    std::string name;
    std::string factor;
    double factorValue = 0.0; // the record's FACTOR and KU behind `factor`
    char kind = 'K';
};

// "%6.2f %c"
std::string FormatInsulationFactor(double factor, char kind);

// The factor column in `units`: `row.factor` in imperial; in SI the factor in W/(m.K) for a
// K-factor or W/(m2.K) for a U-factor, "%6.3f %c".
std::string InsulationFactorIn(const InsulationListRow& row, UnitSystem units);

// The lists' factor column: its title and width in characters. "Factor" in imperial units; in SI
// the title names the unit of each kind, as the column holds K- and U-factors alike.
struct InsulationFactorColumn {
    std::string title;
    int width = 8;
};
InsulationFactorColumn FactorColumnIn(UnitSystem units);

InsulationRecord ReadInsulationRecord(const Table& insul);

// Every record in name order, read from the top to the bottom of the "INSUL" order.
std::vector<InsulationListRow> InsulationListRows(Table& insul);

// Positions the table on the record at `row` of the name order (counting from the top and
// skipping forward). Returns false, leaving the table past its last record, when the order has
// no such row.
bool GoToInsulationRow(Table& insul, int row);

// The 0-based row of record `recNo` in the name order, counting from the top; -1 when it is
// not there.
int InsulationRowOf(Table& insul, int32_t recNo);

// An entry the table may take by the rules of its fields (FieldRules): a name of more than 2
// characters (leading and trailing blanks do not count) and a factor of at most 120.00 that
// FACTOR's three decimals store as more than 0.
bool InsulationEntryAcceptable(std::string_view name, double factor);

// Seeks `name` (blank-padded to 26 characters) in the name order. Returns the record number,
// positioned on it, or 0 when the table lacks it.
int32_t FindInsulation(Table& insul, std::string_view name);

// Seeks `name` (26 characters) in the name order. When the table lacks it and the entry is
// acceptable, appends it with `factor` and `kind` and seeks again. Returns the record number,
// positioned on it, or 0 when the name is neither found nor added.
int32_t FindOrAddInsulation(Table& insul, std::string_view name, double factor, char kind);
