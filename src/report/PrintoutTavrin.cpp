#include "report/PrintoutTavrin.h"

#include "report/PrintedReport.h"

#include <algorithm>

namespace {

constexpr int32_t dialogToPage = 999; // the dialog keeps it within maxPage

} // namespace

void PrintoutTavrin::SetPrintParams(const JobImage& image) {
    control_.pageCount = 1;
    for (int slot = 1; slot < ProductSlotCount; ++slot) {
        if (image.products[slot].slotLoad > 0)
            control_.pageCount = 2;
    }
}

PrintPageRange PrintoutTavrin::GetDialogInfo(const JobImage& image) {
    SetPrintParams(image);
    PrintPageRange range;
    range.minPage = 1;
    range.maxPage = control_.pageCount;
    range.fromPage = 1;
    range.toPage = std::min(dialogToPage, range.maxPage);
    return range;
}

void PrintoutTavrin::BeginPrinting(const JobImage& image) {
    if (image.flags.jobLoaded == 0)
        control_.morePages = false;
}

bool PrintoutTavrin::HasPage(int32_t) const {
    return control_.morePages;
}

void PrintoutTavrin::SetUserAbort(std::function<bool()> userAbort) {
    control_.userAbort = std::move(userAbort);
}

void PrintoutTavrin::PrintPage(int32_t page, Surface& surface, const ReportContent& content) {
    DrawReportPage(page, surface, content, control_);
}

int32_t PrintPages(PrintoutTavrin& printout, const ReportContent& content, int32_t from, int32_t to,
                   PageSink& sink) {
    if (printout.PageCount() < 1)
        printout.SetPrintParams(content.image);
    printout.BeginPrinting(content.image);
    from = std::max<int32_t>(from, 1);
    to = std::min(to, printout.PageCount());
    int32_t printed = 0;
    for (int32_t page = from; page <= to && printout.HasPage(page); ++page) {
        Surface* surface = sink.BeginPage(page);
        if (surface == nullptr)
            break;
        printout.PrintPage(page, *surface, content);
        sink.EndPage(page);
        ++printed;
    }
    return printed;
}
