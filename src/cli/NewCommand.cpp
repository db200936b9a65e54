#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobOutput.h"
#include "cli/NewJob.h"
#include "cli/Options.h"
#include "cli/QuantityOptions.h"
#include "cli/Synopses.h"
#include "cli/UnitsOption.h"
#include "job/Defaults.h"
#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the New Job and Job Information dialogs take, within their ranges.
struct NewJobInputs {
    int32_t boxTemp = 0;
    double length = 0.0, width = 0.0, height = 0.0;
    std::optional<int32_t> runHours;
    std::string output;
    std::string folder;
};

// Reads the options; on failure returns nullopt and leaves why in `why`.
std::optional<NewJobInputs> ParseInputs(Args args, std::string& why) {
    Options options(
        args,
        {"--box-temp", "--length", "--width", "--height", "--run-hours", "-o", "--dir", "--units"},
        {});
    if (!options.expectArguments({}) ||
        !options.require({"--box-temp", "--length", "--width", "--height", "-o"})) {
        why = options.error();
        return std::nullopt;
    }
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return std::nullopt;
    QuantityOptions quantities(options, *units);
    NewJobInputs in;
    const auto boxTemp = quantities.Whole("--box-temp", Quantity::Temperature, 0, -50, 60);
    const auto length = quantities.Length("--length", 0.0, 0.0, 400.0);
    const auto width = quantities.Length("--width", 0.0, 0.0, 400.0);
    const auto height = quantities.Length("--height", 0.0, 0.0, 200.0);
    const auto runHours = options.integer("--run-hours", 0, 1, 96);
    if (!options.ok()) {
        why = options.error();
        return std::nullopt;
    }
    in.boxTemp = *boxTemp;
    in.length = *length;
    in.width = *width;
    in.height = *height;
    if (options.has("--run-hours"))
        in.runHours = *runHours;
    in.output = options.text("-o");
    in.folder = options.text("--dir", ".");
    return in;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%Y", &local);
    return text;
}

} // namespace

int RunNew(Args args) {
    std::string why;
    const std::optional<NewJobInputs> parsed = ParseInputs(args, why);
    if (!parsed)
        return UsageError(NewSynopsis, why);
    const NewJobInputs& in = *parsed;

    const std::filesystem::path folder(in.folder);
    std::string message;
    if (!RestoreMissingTable(folder, ReferenceTable::Insul, ShippedTableFolders(), message)) {
        std::cerr << message << "\n";
        return ExitMissingTable;
    }
    std::unique_ptr<Table> insul = OpenReferenceTable(folder, ReferenceTable::Insul, message);
    if (!insul) {
        std::cerr << message << "\n";
        return ExitMissingTable;
    }

    Job job;
    const NewJobBox box{in.boxTemp, in.length, in.width, in.height, in.runHours, Today()};
    std::vector<std::string> warnings;
    const bool made =
        MakeNewJob(job, box, (folder / DefaultsFileName).string(), insul.get(), warnings);
    // An insulation the table lacks and could not take: the job would name a missing record.
    if (!insul->lastError().empty()) {
        std::cerr << insul->lastError() << "\n";
        return ExitMissingTable;
    }
    for (const std::string& warning : warnings)
        std::cerr << "warning: " << warning << "\n";
    if (!made) {
        std::cerr << "The box has no volume: no job was made\n";
        return ExitUsage;
    }

    return WriteJobForCommand(job, in.output);
}
