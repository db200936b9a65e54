// One page of the printed report written to a PDF file (US Letter), after the start-up of the
// GUI application and its fonts.

#include "cli/SampleJob.h"
#include "equipment/UnitCheck.h"
#include "job/FixedText.h"
#include "report/ReportPdf.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <filesystem>
#include <memory>

namespace {

void BM_ReportPageToPdf(benchmark::State& state) {
    static const auto application = StartGuiApplicationIfNone(); // one for the whole run
    Job job;
    BuildSampleJob(job);
    EquipmentState equipment;
    RefreshJob(job, equipment);
    TSubmitter submitter{};
    SetText(submitter.companyName, "Northwind Cooling Systems");
    SetText(submitter.companyTelephone, "937-555-0142");
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "quelbox-bench-report";
    std::filesystem::create_directories(folder);
    const std::string pdf = (folder / "report.pdf").string();
    const ReportContent content{job.image, equipment, submitter, QUELBOX_LOGO};

    // Start-up: the first page loads the fonts.
    if (!WriteReportPdf(pdf, content, 1, 1).ok)
        state.SkipWithError("the PDF could not be written");
    for (auto _ : state) {
        const ReportPdfResult written = WriteReportPdf(pdf, content, 1, 1);
        benchmark::DoNotOptimize(written.pages);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReportPageToPdf)->Unit(benchmark::kMillisecond);

} // namespace
