// quelbox-cli summary: the load summary page of a job as text.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "report/SummaryPage.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

int RunSummary(Args args) {
    Options options(args, {"--dir"}, {});
    if (!options.ok() || options.positional().size() != 1) {
        if (!options.ok())
            std::cerr << options.error() << "\n";
        std::cerr << "usage: quelbox-cli summary JOB.kvj [--dir DIR]\n";
        return ExitUsage;
    }
    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    TSubmitter submitter{};
    const std::filesystem::path folder = options.text("--dir", ".");
    ReadSubmitter(submitter, (folder / SubmitterFileName).string());
    EquipmentState state;
    std::fputs(SummaryAsText(RefreshSummary(job, state, submitter)).c_str(), stdout);
    return ExitOk;
}
