#pragma once
// The design load: every component turned into BTU per hour of equipment run time.

#include "job/Job.h"

#include <cstdint>

// A 24-hour load divided by the run hours (18 when below 1), truncated toward zero.
int32_t perRunHour(const TJobHeader& header, int32_t dailyLoad);

// percentage x 0.01 x load, truncated; 0 when that is 10 or less.
int32_t safetyAllowance(int32_t percentage, int32_t load);

// Recomputes every component and TLoadTotals, the infiltration result and the indicator
// words; marks the job modified when the total changed. Returns the safety allowance.
int32_t RecalculateLoads(Job& job);

// BTU per 24 h at the design load: runHours x totalLoad.
double DailyDesignLoad(const JobImage& image);

// What every display of the loads runs first: the sun allowances, then RecalculateLoads.
void RefreshLoads(Job& job);
