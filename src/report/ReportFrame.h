#pragma once
// The parts every report page shares: the page frame with the header, the job information
// block (steps 0 to 4) and the footer.

#include "report/ReportContent.h"
#include "report/ReportRows.h"

#include <string>

// The issuing company's two header lines: name and address; telephone and fax. Parts that are
// blank are left out.
struct CompanyLines {
    std::string address;
    std::string phones;
};
CompanyLines CompanyHeaderLines(const TSubmitter& submitter);

// Box, rules, title, grand total, company lines and logo; ends by measuring the line height.
void DrawPageFrame(ReportRows& rows, const ReportContent& content);

// One step of the job information block (0 to 4); advances the line index.
void DrawJobInformationStep(ReportRows& rows, const JobImage& image, const TSubmitter& submitter,
                            int step);

// Where the footer's first line stands.
int32_t FooterTop(const ReportRows& rows);

// The footer at its fixed rows; the page note only on two-page reports.
void DrawFooter(ReportRows& rows, int page, int32_t pageCount);
