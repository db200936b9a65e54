#pragma once
// Page 1 of the printed report: the loads, the equipment and product 1 (steps 5 to 45).

#include "report/ReportContent.h"
#include "report/ReportRows.h"

inline constexpr int PageOneFooterStep = 46;

// What page 1 carries from step to step: the surfaces counted for the sun allowance row, and how
// many of its empty spacer rows it leaves out so that the body ends above the footer.
struct PageOneState {
    int sunSurfaces = 0;
    int spacersLeftOut = 0;
};

// The empty rows page 1 may close up: three after the coils, then two after the totals.
inline constexpr int PageOneSpacerRows = 5;

// One body step of page 1 (5 to 45); advances the line index as the step does.
void DrawPageOneStep(ReportRows& rows, const ReportContent& content, int step, PageOneState& state);
