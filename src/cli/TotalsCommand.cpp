#include "calc/PrintfText.h"
#include "calc/Totals.h"
#include "calc/UnitConversion.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/Synopses.h"
#include "cli/UnitsOption.h"
#include "equipment/UnitCheck.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

struct Item {
    const char* name;
    long long value;
};

// The loads and the daily load as the unit system shows them: BTU per hour and BTU a day, or
// watts and kWh a day, each converted once from the imperial figure.
struct Shown {
    UnitSystem units;
    long long Load(long long btuh) const {
        return units == UnitSystem::Metric ? std::llround(ToSi(Quantity::HeatFlow, btuh)) : btuh;
    }
    std::string Daily(double btu) const {
        return units == UnitSystem::Metric ? Format("%.2f", ToSi(Quantity::Energy, btu))
                                           : Format("%.0f", btu);
    }
};

void PrintPlain(const Item* items, std::size_t count, bool velocity, const std::string& daily,
                bool modified, UnitSystem units) {
    std::printf("units: %s\n", UnitsName(units));
    for (std::size_t i = 0; i < count; ++i)
        std::printf("%s: %lld\n", items[i].name, items[i].value);
    std::printf("velocityMethod: %s\n", velocity ? "true" : "false");
    std::printf("dailyLoad: %s\n", daily.c_str());
    std::printf("modified: %s\n", modified ? "true" : "false");
}

void PrintJson(const Item* items, std::size_t count, bool velocity, const std::string& daily,
               bool modified, UnitSystem units) {
    std::printf("{\"units\": \"%s\", ", UnitsName(units));
    for (std::size_t i = 0; i < count; ++i)
        std::printf("\"%s\": %lld, ", items[i].name, items[i].value);
    std::printf("\"velocityMethod\": %s, \"dailyLoad\": %s, \"modified\": %s}\n",
                velocity ? "true" : "false", daily.c_str(), modified ? "true" : "false");
}

} // namespace

int RunTotals(Args args) {
    Options options(args, {"--units"}, {"--json"});
    if (!options.expectArguments({"JOB.kvj"}))
        return UsageError(TotalsSynopsis, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(TotalsSynopsis, why);
    const bool json = options.flag("--json");
    const std::string& path = options.positional()[0];

    Job job;
    if (!LoadJobForCommand(job, path))
        return ExitNotAJob;
    EquipmentState state;
    RefreshJob(job, state);

    const JobImage& im = job.image;
    const TLoadTotals& t = im.totals;
    const Shown shown{*units};
    const Item items[] = {
        {"productLoad", shown.Load(t.productLoad)},
        {"wallLoad", shown.Load(t.wallLoad)},
        {"occupantLoad", shown.Load(t.occupantLoad)},
        {"glassDoorLoad", shown.Load(t.glassDoorLoad)},
        {"motorLoad", shown.Load(t.motorLoad)},
        {"electricLoad", shown.Load(t.electricLoad)},
        {"lightingLoad", shown.Load(t.lightingLoad)},
        {"safetyLoad", shown.Load(t.safetyLoad)},
        {"totalLoad", shown.Load(t.totalLoad)},
        {"infiltrationLoad", shown.Load(im.infiltration.infiltrationLoad)},
        {"userLoad", shown.Load(im.userLoad.userLoad)},
    };
    const bool velocity = im.flags.velocityMethod != 0;
    const std::string daily = shown.Daily(DailyDesignLoad(im));
    const std::size_t count = sizeof items / sizeof items[0];
    if (json)
        PrintJson(items, count, velocity, daily, job.run.modified, *units);
    else
        PrintPlain(items, count, velocity, daily, job.run.modified, *units);
    return ExitOk;
}
