#pragma once
// Resetting a job to the user's defaults, and the cooler and freezer surfaces of a new job. The
// wall and floor insulations are looked up in INSUL.DAT and added to it when it lacks them, so
// every default names an existing record.

#include "job/Defaults.h"
#include "job/FileResult.h"
#include "job/Job.h"
#include "tables/Table.h"

#include <string>

struct FloorConstruction {
    const char* name; // the INSUL.DAT key, shown padded with blanks to 26 characters
    double factor;    // used when the record must be created
    char kind;
};

inline constexpr FloorConstruction CoolerFloor{"Concrete 6\" slab", 0.21, 'U'};
inline constexpr FloorConstruction FreezerFloor{"Concrete w/ 6\" styrene", 0.04, 'U'};

inline constexpr double FloorThickness = 1.0;
inline constexpr int32_t FloorAdjacentTemp = 55;

// The first step of clearing the job, then the defaults from `defaultsPath` (built-in values
// when it does not exist) with both wall insulations found in or added to `insul`, then the
// second step. A wall whose name or factor the table could not take (a name of 2 characters or
// fewer, a factor outside 0 to 120) and that the table lacks falls back to the built-in wall.
// Without the table (nullptr) the job is still reset but the walls are not checked; the result
// says so, as it names a defaults file that cannot be read or a table that cannot be written.
FileResult ResetJobToDefaults(Job& job, TDefaults& defaults, const std::string& defaultsPath,
                              Table* insul);

// runHours (16 for a cooler, 18 for a freezer) and the six surfaces: walls and roof from the
// defaults, the floor from its construction (thickness 1.0, adjacent 55 F). Without the table
// the floor takes the construction's own values at row 0 and the result says so.
FileResult ApplyCoolerDefaults(Job& job, const TDefaults& defaults, Table* insul);
FileResult ApplyFreezerDefaults(Job& job, const TDefaults& defaults, Table* insul);
// New Job's choice by the box temperature in the header: a cooler above 32 F, else a freezer.
FileResult ApplyBoxDefaults(Job& job, const TDefaults& defaults, Table* insul);

// A new job whose Job Information was confirmed with a volume: loaded, untitled and modified,
// the product slots reset with the storage-weight estimate in product 1, named after the job.
void CompleteNewJob(Job& job);

// What "&Save" of the defaults dialog stores.
struct DefaultsDialogValues {
    int32_t coolerRow; // chosen row of the insulation list (name order) on the Cooler tab
    double coolerInches;
    int32_t coolerAdjacentTemp;
    int32_t freezerRow;
    double freezerInches;
    int32_t freezerAdjacentTemp;
    int32_t defaultAmbient;
    int32_t designRelHum;
    int32_t defaultBoxRelHum;
};

// Copies the records at the chosen rows into the cooler and freezer fields with their rows as
// the indexes (a row the table does not have keeps that wall as it was), takes the other values,
// then writes the defaults file.
FileResult SaveDefaultsFromDialog(TDefaults& defaults, const DefaultsDialogValues& values,
                                  Table* insul, const std::string& defaultsPath);
