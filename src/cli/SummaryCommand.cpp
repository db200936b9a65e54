// quelbox-cli summary: the load summary page of a job as text.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/UnitsOption.h"
#include "report/SummaryPage.h"
#include "text/Windows1252.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

int RunSummary(Args args) {
    constexpr const char* usage = "summary JOB.kvj [--dir DIR] [--units imperial|si]";
    Options options(args, {"--dir", "--units"}, {});
    if (!options.ok() || options.positional().size() != 1)
        return UsageError(usage, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(usage, why);
    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    TSubmitter submitter{};
    const std::filesystem::path folder = options.text("--dir", ".");
    ReadSubmitter(submitter, (folder / SubmitterFileName).string());
    EquipmentState state;
    const std::string text = SummaryAsText(RefreshSummary(job, state, submitter, *units));
    // The page's texts are Windows-1252; SI units (the degree sign, squares) go out as UTF-8.
    std::fputs((*units == UnitSystem::Metric ? Utf8From1252(text) : text).c_str(), stdout);
    return ExitOk;
}
