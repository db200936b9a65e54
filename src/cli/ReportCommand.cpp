// quelbox-cli report: the printed load report of a job as a PDF file.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/UnitsOption.h"
#include "equipment/UnitCheck.h"
#include "report/PrintoutTavrin.h"
#include "report/ReportPdf.h"
#include "tables/ShippedTables.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

int ReportUsage(const std::string& error) {
    if (!error.empty())
        std::cerr << error << "\n";
    std::cerr << "usage: quelbox-cli report JOB.kvj -o OUT.pdf|- [--page N] [--dir DIR] [--units "
                 "imperial|si]\n";
    return ExitUsage;
}

// "-o -": the whole document, once it came out whole, goes to standard output.
ReportPdfResult WriteToStandardOutput(const ReportContent& content, int32_t from, int32_t to) {
    QByteArray pdf;
    ReportPdfResult result = RenderReportPdf(pdf, content, from, to);
    if (result.ok && (std::fwrite(pdf.constData(), 1, static_cast<std::size_t>(pdf.size()),
                                  stdout) != static_cast<std::size_t>(pdf.size()) ||
                      std::fflush(stdout) != 0)) {
        result.ok = false;
        result.message = std::string("Cannot write standard output: ") + std::strerror(errno);
    } else if (!result.ok) {
        result.message = "Cannot write standard output: " + result.message;
    }
    return result;
}

} // namespace

int RunReport(Args args) {
    Options options(args, {"-o", "--page", "--dir", "--units"}, {});
    if (!options.ok() || options.positional().size() != 1 || !options.has("-o"))
        return ReportUsage(options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return ReportUsage(why);
    const std::optional<int32_t> page = options.integer("--page", 0, 1, 2);
    if (!page)
        return ReportUsage(options.error());

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    EquipmentState state;
    RefreshJob(job, state);

    const std::filesystem::path folder = options.text("--dir", ".");
    TSubmitter submitter{};
    ReadSubmitter(submitter, (folder / SubmitterFileName).string());

    PrintoutTavrin printout("");
    const PrintPageRange range = printout.GetDialogInfo(job.image);
    if (*page > range.maxPage)
        return ReportUsage("Value not in range 1.." + std::to_string(range.maxPage));
    const int32_t from = *page != 0 ? *page : range.fromPage;
    const int32_t to = *page != 0 ? *page : range.toPage;

    const auto application = StartGuiApplicationIfNone();
    // Like the desktop program, the working folder gets the shipped logo when it has none.
    RestoreShippedFile(folder, "lgo.bmp", ShippedTableFolders());
    const ReportContent content{job.image, state, submitter, (folder / "lgo.bmp").string(), *units};
    const std::string output = options.text("-o");
    const ReportPdfResult written = output == "-" ? WriteToStandardOutput(content, from, to)
                                                  : WriteReportPdf(output, content, from, to);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}
