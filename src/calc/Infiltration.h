#pragma once
// Heat carried in by outside air: the average air change method and the air velocity method.

#include "job/JobImage.h"

#include <cstdint>

// Saturation vapour pressure in kPa at t degrees C (Hyland-Wexler, over water or ice).
double SaturationPressure(double tCelsius);

// BTU removed per cubic foot of infiltrating air, rounded to two decimals, at least 0.18.
double HeatPerCubicFoot(double outsideTemp, double outsideRelHum, double pressurePsia,
                        double boxTemp, double boxRelHum);

// Air changes per 24 hours for a box volume and temperature.
double AirChangesPerDay(double volume, int32_t boxTemp);

// BTU per 24 h; also sets usageText, usageFactor, airChanges and heatPerCubicFoot.
int32_t ComputeAirChangeLoad(JobImage& image);

// BTU per 24 h.
int32_t ComputeAirVelocityLoad(const JobImage& image);
