#pragma once
// The printed "Refrigeration Load Calculation" report, drawn page by page through Form.

#include "formlib/Form.h"
#include "report/ReportContent.h"

// Draws page 1 or 2 of the report on the page surface: a Form is opened on it, the page frame
// drawn, then the report steps are walked, asking control.userAbort before each. An abort clears
// control.morePages and stops the page; so does the end of page 2.
void DrawReportPage(int page, Surface& surface, const ReportContent& content,
                    ReportPageControl& control);
