#include "report/PrintedReport.h"

#include "report/ReportFrame.h"
#include "report/ReportPageOne.h"
#include "report/ReportPageTwo.h"
#include "report/ReportRows.h"

namespace {

constexpr int jobInformationSteps = 5;

bool AbortRequested(ReportPageControl& control) {
    if (control.userAbort && control.userAbort()) {
        control.morePages = false;
        return true;
    }
    return false;
}

void WalkPageOne(ReportRows& rows, const ReportContent& content, ReportPageControl& control) {
    PageOneState state;
    for (int step = 0; step <= PageOneFooterStep; ++step) {
        if (AbortRequested(control))
            return;
        if (step < jobInformationSteps)
            DrawJobInformationStep(rows, content.image, content.submitter, step);
        else if (step < PageOneFooterStep)
            DrawPageOneStep(rows, content, step, state);
        else
            DrawFooter(rows, 1, control.pageCount);
    }
}

void WalkPageTwo(ReportRows& rows, const ReportContent& content, ReportPageControl& control) {
    for (int step = 0; step <= PageTwoLastStep && rows.n < rows.U() + 4; ++step) {
        if (AbortRequested(control))
            return;
        if (step < jobInformationSteps)
            DrawJobInformationStep(rows, content.image, content.submitter, step);
        else
            DrawPageTwoStep(rows, content, step, control);
    }
}

} // namespace

void DrawReportPage(int page, Surface& surface, const ReportContent& content,
                    ReportPageControl& control) {
    Form form;
    form.SetSurface(&surface);
    form.Open();
    ReportRows rows(form, surface, content.units);
    DrawPageFrame(rows, content);
    if (page == 2)
        WalkPageTwo(rows, content, control);
    else
        WalkPageOne(rows, content, control);
}
