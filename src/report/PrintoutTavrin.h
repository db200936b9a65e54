#pragma once
// The printout of a job's report, without the printing framework: how many pages it has, which
// pages a print run may ask for, and drawing each page with the user's abort request tested
// before every report step. The desktop program puts its print dialog, progress dialog and
// printer around it; quelbox-cli puts a PDF writer around it.

#include "formlib/Form.h"
#include "report/ReportContent.h"

#include <cstdint>
#include <functional>
#include <string>

// What the print dialog offers: pages minPage to maxPage, preset to fromPage..toPage, no
// selection (selectionFrom = selectionTo = 0), one copy.
struct PrintPageRange {
    int32_t minPage = 1;
    int32_t maxPage = 1;
    int32_t selectionFrom = 0;
    int32_t selectionTo = 0;
    int32_t fromPage = 1;
    int32_t toPage = 1;
    int32_t copies = 1;
};

class PrintoutTavrin {
public:
    // The title is the job name, the document title of the print run.
    explicit PrintoutTavrin(std::string title) : title_(std::move(title)) {}

    const std::string& Title() const { return title_; }
    int32_t PageCount() const { return control_.pageCount; }
    bool MorePages() const { return control_.morePages; }

    // Two pages when any of product slots 2 to 5 has a product load above 0, else one.
    void SetPrintParams(const JobImage& image);
    // Sets the page count from the job and answers the dialog's range.
    PrintPageRange GetDialogInfo(const JobImage& image);
    // Nothing prints when no job is loaded.
    void BeginPrinting(const JobImage& image);
    bool HasPage(int32_t page) const;
    // Asked before every report step; true stops the page and the print run.
    void SetUserAbort(std::function<bool()> userAbort);
    // Draws one page on the page's surface.
    void PrintPage(int32_t page, Surface& surface, const ReportContent& content);

private:
    std::string title_;
    ReportPageControl control_{0, true, {}};
};

// Where a print run puts its pages: each page gets a surface from BeginPage and is closed by
// EndPage. BeginPage may answer nullptr when the device fails; the run then stops.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual Surface* BeginPage(int32_t page) = 0;
    virtual void EndPage(int32_t page) = 0;
};

// The framework's print loop: BeginPrinting, then every page from `from` to `to` (kept within
// 1..PageCount) while the printout has a page. Returns the number of pages drawn.
int32_t PrintPages(PrintoutTavrin& printout, const ReportContent& content, int32_t from, int32_t to,
                   PageSink& sink);
