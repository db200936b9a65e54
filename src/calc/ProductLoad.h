#pragma once
// Product loads (BTU per hour over the pull-down time), the product slots' reset, and the
// estimate of how many pounds of product a box handles.

#include "job/JobImage.h"

#include <cstdint>

// Recomputes all five slots; returns the sum of their slot loads.
int32_t ComputeProductLoads(JobImage& image);

// 1 when the slot's latent heat of fusion counts, else 0.
int32_t LatentApplies(const JobImage& image, int slot);

// Pounds of product for the box's size and temperature.
int32_t EstimateProductCapacity(const TJobHeader& header);

// Empties all five slots and makes product 1 "General Storage".
void ResetProducts(JobImage& image, int32_t boxTemp);

// Empties one slot, keeping its entering temperature.
void ClearProductSlot(TProductSlot& slot);
