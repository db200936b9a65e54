// quelbox-cli summary: the load summary page of a job as text.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/Synopses.h"
#include "cli/UnitsOption.h"
#include "report/SummaryPage.h"
#include "text/Windows1252.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

int RunSummary(Args args) {
    Options options(args, {"--dir", "--units"}, {});
    if (!options.expectArguments({"JOB.kvj"}))
        return UsageError(SummarySynopsis, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(SummarySynopsis, why);
    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    TSubmitter submitter{};
    const std::filesystem::path folder = options.text("--dir", ".");
    ReadSubmitter(submitter, (folder / SubmitterFileName).string());
    EquipmentState state;
    const std::string text = SummaryAsText(RefreshSummary(job, state, submitter, *units));
    // The page's texts (the job's, the submitter's, the degree sign) are Windows-1252.
    std::fputs(Utf8From1252(text).c_str(), stdout);
    return ExitOk;
}
