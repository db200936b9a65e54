#include "report/PrintedReport.h"

#include "report/ReportFrame.h"
#include "report/ReportPageOne.h"
#include "report/ReportPageTwo.h"
#include "report/ReportRows.h"

#include <algorithm>
#include <initializer_list>

namespace {

double Largest(std::initializer_list<double> loads) {
    return std::max(loads);
}

// The load columns of the page, each in one unit: the totals at the right edge (the same on both
// pages, as the grand total heads both), the product heats of the page's products and the
// selected unit's lines.
void ChooseLoadUnits(ReportRows& rows, const JobImage& im, int page) {
    const TLoadTotals& t = im.totals;
    double totals = Largest(
        {static_cast<double>(t.productLoad), static_cast<double>(t.wallLoad),
         static_cast<double>(t.occupantLoad), static_cast<double>(t.glassDoorLoad),
         static_cast<double>(t.motorLoad), static_cast<double>(t.electricLoad),
         static_cast<double>(t.lightingLoad), static_cast<double>(t.safetyLoad),
         static_cast<double>(t.totalLoad), static_cast<double>(im.infiltration.infiltrationLoad),
         static_cast<double>(im.userLoad.userLoad)});
    for (const TSurface& s : im.surfaces)
        totals = std::max(totals, static_cast<double>(s.hourlyGain));
    rows.ChooseLoadUnit(LoadColumn::Totals, totals);
    double heats = 0;
    for (int slot = page == 2 ? 1 : 0; slot < (page == 2 ? ProductSlotCount : 1); ++slot) {
        const TProductSlot& p = im.products[slot];
        heats = std::max({heats, static_cast<double>(p.aboveLoad), static_cast<double>(p.belowLoad),
                          static_cast<double>(p.latentLoad), static_cast<double>(p.respLoad),
                          static_cast<double>(p.pkgLoad)});
    }
    rows.ChooseLoadUnit(LoadColumn::ProductHeats, heats);
    rows.ChooseLoadUnit(LoadColumn::Equipment, std::max(static_cast<double>(im.unit.unitCapacity),
                                                        static_cast<double>(t.totalLoad)));
}

constexpr int jobInformationSteps = 5;

bool AbortRequested(ReportPageControl& control) {
    if (control.userAbort && control.userAbort()) {
        control.morePages = false;
        return true;
    }
    return false;
}

void PageOneBodyStep(ReportRows& rows, const ReportContent& content, int step,
                     PageOneState& state) {
    if (step < jobInformationSteps)
        DrawJobInformationStep(rows, content.image, content.submitter, step);
    else
        DrawPageOneStep(rows, content, step, state);
}

// The spacer rows to close up so that the lowest body text ends above the footer: the body is
// rehearsed once without drawing.
int SpacersToLeaveOut(ReportRows& rows, const ReportContent& content) {
    const int32_t firstRow = rows.n;
    rows.Rehearse(true);
    PageOneState rehearsal;
    for (int step = 0; step < PageOneFooterStep; ++step)
        PageOneBodyStep(rows, content, step, rehearsal);
    rows.Rehearse(false);
    rows.n = firstRow;
    const int32_t overrun = rows.Lowest() - FooterTop(rows);
    if (overrun <= 0)
        return 0;
    return std::min(PageOneSpacerRows, (overrun + rows.S() - 1) / rows.S());
}

void WalkPageOne(ReportRows& rows, const ReportContent& content, ReportPageControl& control) {
    PageOneState state;
    state.spacersLeftOut = SpacersToLeaveOut(rows, content);
    for (int step = 0; step <= PageOneFooterStep; ++step) {
        if (AbortRequested(control))
            return;
        if (step < PageOneFooterStep)
            PageOneBodyStep(rows, content, step, state);
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
    ChooseLoadUnits(rows, content.image, page);
    DrawPageFrame(rows, content);
    if (page == 2)
        WalkPageTwo(rows, content, control);
    else
        WalkPageOne(rows, content, control);
}
