#pragma once
// The "Condensing Units" list: its rows as the dialog shows them, and storing a chosen row.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

#include <string>
#include <vector>

class Table;

inline constexpr int UnitListRowLimit = 24;

struct UnitRow {
    std::string model;     // first 20 characters of MODEL
    std::string btuh;      // "%10li": capacity x unit count
    std::string nominalHp; // "%7.2f"
    std::string runHours;  // "%5.2f"
    std::string brand;     // "%8s"
    std::string type;      // "Metic " or "Welded"
};

struct UnitList {
    std::vector<UnitRow> rows;
    int selected = 0;    // the row highlighted when the list opens
    std::string desired; // the "Desired: ..." line below the list
};

// Rows of the first 24 candidate slots that hold a record, in slot order.
UnitList BuildUnitList(const Job& job, Table& units, const EquipmentState& state);

std::string DesiredUnitLine(const JobImage& image);

// OK (or a double click) on a row: the unit's texts and the numbers read back from the row.
void StoreUnitRow(Job& job, const UnitRow& row);

// After the list closes with OK: the job is modified when the selection differs from `before`.
void AcceptUnitList(Job& job, const TUnitSelection& before);

// Cancel of the list: the selection goes back to the undo copy taken before "Unit Selection".
void CancelUnitList(Job& job, const EquipmentState& state);
