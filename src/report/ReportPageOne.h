#pragma once
// Page 1 of the printed report: the loads, the equipment and product 1 (steps 5 to 45).

#include "report/ReportContent.h"
#include "report/ReportRows.h"

inline constexpr int PageOneFooterStep = 46;

// What page 1 carries from step to step: the surfaces counted for the sun allowance row.
struct PageOneState {
    int sunSurfaces = 0;
};

// One body step of page 1 (5 to 45); advances the line index as the step does.
void DrawPageOneStep(ReportRows& rows, const ReportContent& content, int step, PageOneState& state);
