// The outputs of the sample job and the 200 random jobs, in imperial and SI units, against the
// digests kept in tests/golden: the job files as made, the summary, the totals (plain and JSON),
// the unit and coil lists, the report's drawing calls page by page, the job file after a
// recalculation, and (with the report command) the text of the report PDF.

#include "../formlib/RecordingSurface.h"
#include "CommandCapture.h"
#include "GoldenFile.h"
#include "GoldenWorkspace.h"
#include "RandomJobs.h"
#include "cli/JobInput.h"
#include "equipment/UnitCheck.h"
#include "report/PrintoutTavrin.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#ifdef QUELBOX_REPORT_COMMAND
#include "report/ReportPdf.h"

#include <QGuiApplication>
#endif

namespace {

struct System {
    UnitSystem units;
    const char* name; // as --units takes it
};
constexpr System Systems[] = {{UnitSystem::Imperial, "imperial"}, {UnitSystem::Metric, "si"}};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every page the print loop draws, on a surface that records each call. A character is half
// the font's height wide, so that the report's fitting of long texts takes part.
class RecordingPages : public PageSink {
public:
    Surface* BeginPage(int32_t) override {
        auto surface = std::make_unique<RecordingSurface>();
        RecordingSurface* s = surface.get();
        s->measure = [s](std::string_view text) {
            const int32_t height = s->fonts.empty() ? 186 : std::abs(s->fonts.back().height);
            return TextSize{static_cast<int32_t>(text.size()) * std::max(1, height / 2), height};
        };
        surfaces_.push_back(std::move(surface));
        return s;
    }
    void EndPage(int32_t) override {}

    std::vector<std::string> Pages() const {
        std::vector<std::string> pages;
        for (const auto& s : surfaces_) {
            std::string page;
            for (const std::string& call : s->calls)
                page += call + "\n";
            for (const std::string& message : s->messages)
                page += "message: " + message + "\n";
            pages.push_back(page);
        }
        return pages;
    }

private:
    std::vector<std::unique_ptr<RecordingSurface>> surfaces_;
};

// The report as the report command draws it, through the recording surface.
std::vector<std::string> ReportPages(const std::string& jobPath, const std::string& folder,
                                     UnitSystem units) {
    Job job;
    if (!LoadJobForCommand(job, jobPath))
        return {"not a job"};
    EquipmentState state;
    RefreshJob(job, state);
    TSubmitter submitter{};
    ReadSubmitter(submitter, (std::filesystem::path(folder) / SubmitterFileName).string());
    PrintoutTavrin printout("");
    const PrintPageRange range = printout.GetDialogInfo(job.image);
    const ReportContent content{job.image, state, submitter,
                                (std::filesystem::path(folder) / "lgo.bmp").string(), units};
    RecordingPages sink;
    const int32_t drawn = PrintPages(printout, content, range.fromPage, range.toPage, sink);
    std::vector<std::string> pages = sink.Pages();
    pages.insert(pages.begin(),
                 "pages " + std::to_string(drawn) + " of " + std::to_string(range.maxPage) + "\n");
    return pages;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(Golden, EveryOutputOfTheSampleAndRandomJobsStaysAsItWas) {
    const auto start = std::chrono::steady_clock::now();
    GoldenWorkspace workspace;
    const std::string& folder = workspace.Folder();
    GoldenOutputs golden("outputs.txt",
                         "Outputs of the sample job and the random jobs of tests/golden.");
    for (int index = 0; index <= RandomJobCount; ++index) {
        Job made;
        const std::string path = workspace.WriteJob(index, made);
        const std::string key = JobKey(index);
        golden.Add(key, "-", "job-made", ReadFile(path));
        const CapturedRun recalc = RunCommand(RunRecalc, {path, "-"});
        golden.Add(key, "-", "job-recalc", recalc.Whole());

        for (const System& system : Systems) {
            const std::string units = system.name;
            auto add = [&](const std::string& kind, int (*command)(Args),
                           std::vector<std::string> args) {
                args.insert(args.begin(), {"--units", units});
                args.push_back(path);
                golden.Add(key, units, kind, RunCommand(command, args).Whole());
            };
            add("summary", RunSummary, {"--dir", folder});
            add("totals", RunTotals, {});
            add("totals-json", RunTotals, {"--json"});
            add("units", RunUnits, {"--dir", folder});
            add("coils", RunCoils, {"--dir", folder});
            const std::vector<std::string> pages = ReportPages(path, folder, system.units);
            for (std::size_t page = 0; page < pages.size(); ++page)
                golden.Add(key, units, page == 0 ? "report" : "report-page" + std::to_string(page),
                           pages[page]);
        }
    }
    golden.Check();
    std::printf("%zu outputs of %d jobs in %.1f s\n", golden.Count(), RandomJobCount + 1,
                SecondsSince(start));
}

#ifdef QUELBOX_REPORT_COMMAND
// The PDF the report command writes, read back as text in the order it was drawn (pdftotext
// -raw), for the sample and every twentieth random job.
TEST(Golden, ReportPdfTextStaysAsItWas) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto application = StartGuiApplicationIfNone();
    GoldenWorkspace workspace;
    const std::string& folder = workspace.Folder();
    GoldenOutputs golden("pdf-text.txt", "Text of the report PDF of some golden jobs.");
    for (int index = 0; index <= RandomJobCount; index += 20) {
        Job made;
        const std::string path = workspace.WriteJob(index, made);
        for (const System& system : Systems) {
            const std::string pdf = folder + "/report.pdf";
            const CapturedRun run =
                RunCommand(RunReport, {"--units", system.name, "--dir", folder, "-o", pdf, path});
            ASSERT_EQ(run.status, 0) << run.err;
            const std::string text = folder + "/report.txt";
            ASSERT_EQ(
                std::system(("pdftotext -raw -enc UTF-8 '" + pdf + "' '" + text + "'").c_str()), 0);
            golden.Add(JobKey(index), system.name, "report-pdf-text", run.Whole() + ReadFile(text));
        }
    }
    golden.Check();
}
#endif
