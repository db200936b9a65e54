#pragma once
// A job with every field the summary and the report show at its widest: each figure at the value
// with the most characters its field takes (in either unit system), each text at its full length
// in the widest capital letter, every optional block in use and all five products.

#include "ReportTestJob.h"

// Fills `f` (job, equipment state and submitter); `airChange` picks the infiltration method.
void FillWidest(ReportFixture& f, bool airChange);

// The widest text a field of `width` characters holds.
std::string WidestText(std::size_t width);
