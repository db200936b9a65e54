#include "ReportTestJob.h"

#include "cli/SampleJob.h"
#include "job/FixedText.h"
#include "report/PrintedReport.h"

ReportFixture::ReportFixture() {
    BuildSampleJob(job);
    SetText(submitter.companyName, "Northwind Cooling");
    SetText(submitter.companyAddress, "44 Mill Road");
    SetText(submitter.companyContact, "Pat Morgan");
    SetText(submitter.companyTelephone, "937-555-0142");
    SetText(submitter.companyFax, "937-555-0143");
}

void ReportFixture::UseProduct(int slot, const char* name) {
    TProductSlot& p = job.image.products[slot];
    p = job.image.products[0];
    SetPadded(p.productName, name, 32);
    p.slotLoad = 400 + slot;
}

DrawnPage ReportFixture::Draw(int page, int pageCount) const {
    ReportSurface surface;
    ReportPageControl control{pageCount, true, {}};
    DrawReportPage(page, surface, Content(), control);
    return surface.drawn;
}
