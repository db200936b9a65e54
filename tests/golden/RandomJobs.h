#pragma once
// The jobs of the golden tests: the sample job and 200 random but valid jobs. Each random job
// comes from its own fixed seed through std::mt19937_64 (whose output the standard pins) and
// this file's own mapping to ranges, so the set is the same on every toolchain. The jobs cover
// every load component at ordinary and edge values, and some carry a unit and coil chosen by
// the real searches or a selection block set directly.

#include "job/Job.h"
#include "tables/ReferenceTables.h"

#include <string>

inline constexpr int RandomJobCount = 200;

// "sample", or "r001" to "r200".
std::string JobKey(int index);

// Job `index` (1 to RandomJobCount) made on `tables`, which New Job and the product and
// insulation choices may add records to (use a copy of the shipped tables).
void MakeRandomJob(int index, ReferenceTables& tables, Job& job);

// The sample job, or random job `index`: index 0 is the sample.
void MakeGoldenJob(int index, ReferenceTables& tables, Job& job);
