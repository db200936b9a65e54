// quelbox-cli report: the printed load report of a job as a PDF file.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/JobOutput.h"
#include "cli/Options.h"
#include "cli/StandardOutput.h"
#include "cli/Synopses.h"
#include "cli/UnitsOption.h"
#include "equipment/UnitCheck.h"
#include "report/PrintoutTavrin.h"
#include "report/ReportPdf.h"
#include "tables/ShippedTables.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>

namespace {

// "-o -": the whole document, once it came out whole, goes to standard output.
bool WriteToStandardOutput(const ReportContent& content, int32_t from, int32_t to) {
    QByteArray pdf;
    const ReportPdfResult made = RenderReportPdf(pdf, content, from, to);
    if (!made.ok) {
        std::cerr << "Cannot write standard output: " << made.message << "\n";
        return false;
    }
    return WriteStandardOutput(pdf.constData(), static_cast<std::size_t>(pdf.size()));
}

} // namespace

int RunReport(Args args) {
    Options options(args, {"-o", "--page", "--dir", "--units"}, {});
    if (!options.expectArguments({"JOB.kvj"}) || !options.require({"-o"}))
        return UsageError(ReportSynopsis, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(ReportSynopsis, why);
    const std::optional<int32_t> page = options.integer("--page", 0, 1, 2);
    if (!page)
        return UsageError(ReportSynopsis, options.error());

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
        return UsageError(ReportSynopsis,
                          "--page: Value not in range 1.." + std::to_string(range.maxPage));
    const int32_t from = *page != 0 ? *page : range.fromPage;
    const int32_t to = *page != 0 ? *page : range.toPage;

    const auto application = StartGuiApplicationIfNone();
    // Like the desktop program, the working folder gets the shipped logo when it has none.
    RestoreShippedFile(folder, "lgo.bmp", ShippedTableFolders());
    const ReportContent content{job.image, state, submitter, (folder / "lgo.bmp").string(), *units};
    const std::string output = options.text("-o");
    if (IsStandardOutput(output))
        return WriteToStandardOutput(content, from, to) ? ExitOk : ExitCannotWrite;
    const ReportPdfResult written = WriteReportPdf(output, content, from, to);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}
