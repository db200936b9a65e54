#pragma once
// Page 2 of the printed report: products 2 to 5 (steps 5 to 53).

#include "report/ReportContent.h"
#include "report/ReportRows.h"

inline constexpr int PageTwoLastStep = 53;

// One body step of page 2; step 53 clears control.morePages.
void DrawPageTwoStep(ReportRows& rows, const ReportContent& content, int step,
                     ReportPageControl& control);
