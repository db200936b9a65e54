#include "report/ReportFrame.h"

#include "calc/PrintfText.h"
#include "job/FixedText.h"

#include <string_view>

using namespace report;

namespace {

constexpr int32_t titleX = C1 + 800;
// Space kept between the company line and the grand total beside it.
constexpr int32_t headerGap = 150;

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void Append(std::string& line, std::string_view separator, const std::string& part) {
    if (part.empty())
        return;
    if (!line.empty())
        line += separator;
    line += part;
}

} // namespace

CompanyLines CompanyHeaderLines(const TSubmitter& submitter) {
    CompanyLines lines;
    Append(lines.address, ", ", Trimmed(GetText(submitter.companyName)));
    Append(lines.address, ", ", Trimmed(GetText(submitter.companyAddress)));
    const std::string phone = Trimmed(GetText(submitter.companyTelephone));
    const std::string fax = Trimmed(GetText(submitter.companyFax));
    if (!phone.empty())
        Append(lines.phones, "      ", "Tel: " + phone);
    if (!fax.empty())
        Append(lines.phones, "      ", "Fax: " + fax);
    return lines;
}

void DrawPageFrame(ReportRows& rows, const ReportContent& content) {
    Form& form = rows.form();
    form.Box(0, 0, FrameWidth, 690);
    form.Line(0, 1120, FrameWidth, 0);
    form.Line(0, 1690, FrameWidth, 0);
    form.Line(0, 2300, FrameWidth, 0);

    rows.SetFont(ReportFont::F16B);
    rows.At(titleX, 10, "Refrigeration Load Calculation");
    const std::string total = rows.Heat(content.image.totals.totalLoad);
    rows.Right(C5, 280, total);
    const int32_t totalLeft = C5 - 100 - rows.Width(total);

    const CompanyLines company = CompanyHeaderLines(content.submitter);
    rows.SetFont(ReportFont::F12);
    // Text cells are opaque: a name and address too long to end before the grand total would
    // blank it, so such a line carries the company name alone.
    // A name too long even alone is cut, as is a telephone line that would reach the total.
    const auto whole = [](const std::string& text) { return text; };
    std::string addressLine = company.address;
    if (titleX + 100 + rows.Width(addressLine) > totalLeft - headerGap)
        addressLine = rows.Fitted(whole, Trimmed(GetText(content.submitter.companyName)),
                                  totalLeft - headerGap - titleX - 100);
    if (!addressLine.empty())
        rows.At(titleX, 290, addressLine);
    rows.SetFont(ReportFont::F9);
    if (!company.phones.empty())
        rows.At(C1 + 435, 480,
                rows.Fitted(whole, company.phones, totalLeft - headerGap - C1 - 435 - 100));

    rows.SetFont(ReportFont::F12);
    form.DrawBMP(C0 + 2, 22, content.logoPath.c_str());
    rows.MeasureLineHeight();
}

void DrawJobInformationStep(ReportRows& rows, const JobImage& image, const TSubmitter& submitter,
                            int step) {
    const TJobHeader& h = image.header;
    const QuantityText& q = rows.Units();
    // The texts the user typed end a blank before the next text of their line, cut where needed.
    const auto padded = [](const std::string& text) { return text + " "; };
    const auto tel = [](const std::string& text) { return "Tel: " + text + " "; };
    const auto fax = [](const std::string& text) { return "Fax: " + text + " "; };
    const auto whole = [](const std::string& text) { return text; };
    constexpr int32_t dateX = C4 + 1400;
    constexpr int32_t faxX = C2 + 1870;
    switch (step) {
    case 0:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(0, 700), "Job Name:");
        rows.SetFont(ReportFont::F10);
        rows.AtFitted(C1 - 300, rows.Y(0, 700), whole, GetText(h.jobName), dateX);
        rows.At(dateX, rows.Y(0, 730), "Date:");
        rows.SetFont(ReportFont::F14B);
        rows.At(C4 + 1900, rows.Y(0, 700), GetText(h.jobDate));
        rows.SetFont(ReportFont::F10);
        rows.n += 1;
        break;
    case 1:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(0, 720), "Quotation:");
        rows.SetFont(ReportFont::F10);
        rows.AtFitted(C1 - 300, rows.Y(0, 720), padded, GetText(h.quotation), FrameWidth);
        rows.n += 1;
        break;
    case 2:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(0, 760), "Customer:");
        rows.SetFont(ReportFont::F10);
        rows.AtFitted(C1 - 300, rows.Y(0, 760), padded, GetText(h.customer), FrameWidth);
        rows.AtFitted(C1 - 300, rows.Y(1, 760), padded, GetText(h.address), FrameWidth);
        rows.n += 2;
        break;
    case 3:
        rows.SetFont(ReportFont::F10);
        rows.AtFitted(C1 - 300, rows.Y(0, 760), padded, GetText(h.contact), C2);
        rows.AtFitted(C2, rows.Y(0, 760), tel, GetText(h.telephone), faxX);
        rows.AtFitted(faxX, rows.Y(0, 760), fax, GetText(h.fax), FrameWidth);
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(1, 800), "Submitted by: ");
        rows.SetFont(ReportFont::F10);
        rows.AtFitted(C1, rows.Y(1, 800), padded, GetText(submitter.companyName), FrameWidth);
        rows.AtFitted(C1, rows.Y(2, 800), padded, GetText(submitter.companyAddress), FrameWidth);
        rows.AtFitted(C1, rows.Y(3, 800), padded, GetText(submitter.companyContact), C2);
        rows.AtFitted(C2, rows.Y(3, 800), tel, GetText(submitter.companyTelephone), faxX);
        rows.AtFitted(faxX, rows.Y(3, 800), fax, GetText(submitter.companyFax), FrameWidth);
        rows.n += 5;
        break;
    case 4:
        rows.SetFont(ReportFont::F12B);
        rows.At(C0, rows.Y(0, 630), "Room Description:");
        rows.SetFont(ReportFont::F12);
        rows.At(
            C1 + 300, rows.Y(0, 630),
            Format("Dimensions:  Length %s      Width %s       Height %s",
                   q.Value(Quantity::Length, static_cast<double>(h.length), 6, 2, "ft").c_str(),
                   q.Value(Quantity::Length, static_cast<double>(h.width), 6, 2, "ft").c_str(),
                   q.Value(Quantity::Length, static_cast<double>(h.height), 6, 2, "ft").c_str()));
        rows.At(C1 + 300, rows.Y(1, 630),
                "Refrigerated Room Temp. " + q.Value(Quantity::Temperature, h.boxTemp, 5, 0, "F"));
        rows.At(C4, rows.Y(1, 630), Format("Relative Humidity %6i%%", h.boxRelHum));
        rows.At(C1 + 300, rows.Y(2, 630),
                "Ambient Temp. " + q.Value(Quantity::Temperature, h.designAmbient, 6, 0, "F"));
        rows.At(C4, rows.Y(2, 630), Format("Run Hours %6i", h.runHours));
        rows.n += 4;
        break;
    default:
        break;
    }
}

int32_t FooterTop(const ReportRows& rows) {
    return rows.U() * rows.S() + 550;
}

void DrawFooter(ReportRows& rows, int page, int32_t pageCount) {
    const int32_t R = rows.U() * rows.S();
    rows.SetFont(ReportFont::F8);
    rows.At(C0, FooterTop(rows), "Comments:");
    rows.At(C0 + 900, FooterTop(rows),
            "Please review this sheet for accurate input information as it is your "
            "responsibility that it is correct.");
    rows.At(C0 + 900, R + 680, "");
    rows.At(C0 + 900, R + 820, "refrigeration load calculation software");
    if (pageCount == 2)
        rows.At(C4 + 1300, R + 820, Format("(page %1d of 2)", page));
}
