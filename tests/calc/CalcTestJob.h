#pragma once

#include "job/Job.h"

// A cleared job (built-in defaults) for a box of the given size and temperature; surfaces and
// products are empty, so only what a test sets contributes to the loads.
Job MakeBox(double length, double width, double height, int boxTemp);

// Sets a surface's insulation.
void SetSurface(TSurface& s, double factor, char kind, double inches, int adjacentTemp);
