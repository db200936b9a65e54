#pragma once
// The "Evaporator Coils" list: its rows as the dialog shows them, and storing a chosen row.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

#include <string>
#include <vector>

class Table;

struct CoilRow {
    int32_t recordNo = 0;
    std::string model;   // first 12 characters of MODEL
    std::string td;      // "%5.2f": unit capacity / (rating x coil count)
    std::string style;   // "%14s"
    std::string fin;     // "%2i", or two blanks
    std::string btuh;    // "%10.0f"
    std::string defrost; // "air ", "elec", "gas "
    std::string brand;   // "%8s"
};

struct CoilList {
    std::vector<CoilRow> rows;
    int selected = 0;
    std::string desired;
};

CoilList BuildCoilList(const Job& job, Table& coils, const EquipmentState& state);

std::string DesiredCoilLine(const JobImage& image);

// OK (or a double click) on a row: the coil's texts, its TD read back, its rating from the record.
void StoreCoilRow(Job& job, Table& coils, const CoilRow& row);

// After the list closes with OK: the job is modified when the selection differs from `before`.
void AcceptCoilList(Job& job, const TCoilSelection& before);

// Cancel of the list: the selection goes back to the undo copy taken by "Coil Selection".
void CancelCoilList(Job& job, const EquipmentState& state);
