#pragma once
// The latent heat exclusion margin chosen for the job.

#include "job/JobImage.h"

#include <cstdint>

// Degrees F of the first set flag (0, 10 or 15); 0 when none is set.
int32_t LatentExclusionMargin(const TLatentRange& latent);
