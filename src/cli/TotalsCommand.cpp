#include "calc/Totals.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "equipment/UnitCheck.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

struct Item {
    const char* name;
    long long value;
};

void PrintPlain(const Item* items, std::size_t count, bool velocity, double daily, bool modified) {
    for (std::size_t i = 0; i < count; ++i)
        std::printf("%s: %lld\n", items[i].name, items[i].value);
    std::printf("velocityMethod: %s\n", velocity ? "true" : "false");
    std::printf("dailyLoad: %.0f\n", daily);
    std::printf("modified: %s\n", modified ? "true" : "false");
}

void PrintJson(const Item* items, std::size_t count, bool velocity, double daily, bool modified) {
    std::printf("{");
    for (std::size_t i = 0; i < count; ++i)
        std::printf("\"%s\": %lld, ", items[i].name, items[i].value);
    std::printf("\"velocityMethod\": %s, \"dailyLoad\": %.0f, \"modified\": %s}\n",
                velocity ? "true" : "false", daily, modified ? "true" : "false");
}

} // namespace

int RunTotals(Args args) {
    Options options(args, {}, {"--json"});
    if (!options.ok() || options.positional().size() != 1)
        return UsageError("totals JOB.kvj [--json]", options.error());
    const bool json = options.flag("--json");
    const std::string& path = options.positional()[0];

    Job job;
    if (!LoadJobForCommand(job, path))
        return ExitNotAJob;
    EquipmentState state;
    RefreshJob(job, state);

    const JobImage& im = job.image;
    const TLoadTotals& t = im.totals;
    const Item items[] = {
        {"productLoad", t.productLoad},     {"wallLoad", t.wallLoad},
        {"occupantLoad", t.occupantLoad},   {"glassDoorLoad", t.glassDoorLoad},
        {"motorLoad", t.motorLoad},         {"electricLoad", t.electricLoad},
        {"lightingLoad", t.lightingLoad},   {"safetyLoad", t.safetyLoad},
        {"totalLoad", t.totalLoad},         {"infiltrationLoad", im.infiltration.infiltrationLoad},
        {"userLoad", im.userLoad.userLoad},
    };
    const bool velocity = im.flags.velocityMethod != 0;
    const double daily = DailyDesignLoad(im);
    const std::size_t count = sizeof items / sizeof items[0];
    if (json)
        PrintJson(items, count, velocity, daily, job.run.modified);
    else
        PrintPlain(items, count, velocity, daily, job.run.modified);
    return ExitOk;
}
