#pragma once
// Spot unit and spot coil: the searches run on values typed in directly, and the job is put
// back exactly as it was afterwards.

#include "equipment/EquipmentState.h"
#include "job/Job.h"

#include <functional>

class Table;

struct TSpotUnitEntry {
    int32_t spotQuantity = 1;
    int32_t spotLoad = 0;
    int32_t spotRunHours = 18;
    int32_t spotSuction = 25;
};

struct TSpotCoilEntry {
    int32_t spotCoilQuantity = 1;
    int32_t spotTD = 10;
    int32_t spotCoilLoad = 0;
    int32_t spotBoxTemp = 35;
};

// The last entries, kept for the program run.
struct SpotEntries {
    TSpotUnitEntry unit;
    int32_t spotAmbient = 90;
    TSpotCoilEntry coil;
};

// Shows the list the search found (the dialog may store a row in the job; it is undone).
using ShowSpotList = std::function<void(Job&, EquipmentState&)>;

// Searches units for the entry; false when none matches ("No Matching Units on File").
bool SpotUnitSearch(Job& job, Table& units, EquipmentState& state, const SpotEntries& entries,
                    const ShowSpotList& showUnits);

// Searches coils for the entry; false when none matches ("No Matching Coils on File").
bool SpotCoilSearch(Job& job, Table& coils, EquipmentState& state, const SpotEntries& entries,
                    const ShowSpotList& showCoils);
