#pragma once
// Heat gained through glass display doors, BTU per run hour.

#include "job/JobImage.h"

#include <cstdint>

// Computes the load and sets the block's usage text.
int32_t ComputeGlassLoad(JobImage& image);
