#pragma once
// The sample job the build makes: a 10 x 8 x 8 ft cooler at 35 F with walls, one product,
// infiltration, lights and a user load.

#include "job/Job.h"

void BuildSampleJob(Job& job);
