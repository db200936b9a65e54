#pragma once
// Heat released inside the box by people, motors, electric equipment and lights, BTU per 24 h.

#include "job/JobImage.h"

#include <cstdint>

int32_t ComputeOccupantLoad(const JobImage& image);
int32_t ComputeMotorLoad(const JobImage& image);
int32_t ComputeElectricLoad(const JobImage& image);
int32_t ComputeLightingLoad(const JobImage& image);

// BTU per person per hour at a box temperature.
double OccupantHeatPerHour(int32_t boxTemp);

// BTU per horsepower per hour for a motor size.
double MotorHeatPerHp(double motorHp);
