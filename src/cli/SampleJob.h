#pragma once
// The sample job the build makes: a 10 x 8 x 8 ft cooler at 35 F with walls, one product,
// infiltration, lights and a user load. It is made by the New Job path on the shipped
// insulation table, so every surface names its insulation by that table's row in name order.

#include "job/FileResult.h"
#include "job/Job.h"

// Fails, naming the table, when no shipped INSUL.DAT can be opened; the job is then not made.
FileResult BuildSampleJob(Job& job);
