#pragma once
// Heat gained through the six surfaces, and the sun allowances of the exposed ones.

#include "job/JobImage.h"

#include <cstdint>

// Daily gain (BTU per 24 h) of one surface of dimensions a by b feet. A 'U' surface has its
// thickness set to 1.0. A 'K' surface of zero thickness gains nothing.
int32_t ComputeWallGain(JobImage& image, int surface, double a, double b);

// Computes all six surfaces into their dailyGain; returns the floor's gain.
int32_t ComputeWallGains(JobImage& image);

// Derives every surface's sun allowance from the sun block and sets sunEntered.
void ComputeSunAllowances(JobImage& image);

// Degrees F added for a sun group's choice.
int32_t SunAllowanceFor(int group, int choice);
