#pragma once
// New Job as the desktop program makes it once its two dialogs are confirmed: the job reset to
// the user's defaults, the cooler or freezer defaults by the box temperature, the Job
// Information entries, the product slots reset with the storage-weight estimate in product 1,
// and the loads recalculated. `quelbox-cli new`, the sample job and the catalog tests all make
// their jobs here.

#include "job/Job.h"
#include "tables/Table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the New Job and Job Information dialogs take: the box temperature, the dimensions in
// feet, the run hours (the cooler or freezer default when absent) and the job date.
struct NewJobBox {
    int32_t boxTemp = 0;
    double length = 0.0, width = 0.0, height = 0.0;
    std::optional<int32_t> runHours;
    std::string date;
};

// Makes the job. The defaults come from `defaultsPath` (the built-in values when it does not
// exist) and the surfaces from `insul`, which gains the default insulations it lacks. Returns
// false when the box has no volume. Problems that do not stop the job (a defaults file that
// cannot be read, an insulation table that cannot be written) are added to `warnings`.
bool MakeNewJob(Job& job, const NewJobBox& box, const std::string& defaultsPath, Table* insul,
                std::vector<std::string>& warnings);
