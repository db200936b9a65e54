#include "calc/ProductLoad.h"
#include "calc/Totals.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "tables/JobDefaults.h"
#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* NewUsage =
    "usage: quelbox-cli new --box-temp T --length L --width W --height H [--run-hours N] "
    "-o JOB.kvj [--dir DIR]\n";

struct NewJobInputs {
    std::optional<double> boxTemp, length, width, height, runHours;
    std::string output;
    std::string folder = ".";
};

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool ParseInputs(Args args, NewJobInputs& in) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view flag = args[i];
        if (i + 1 >= args.size())
            return false;
        const std::string_view value = args[++i];
        std::optional<double>* number = flag == "--box-temp"    ? &in.boxTemp
                                        : flag == "--length"    ? &in.length
                                        : flag == "--width"     ? &in.width
                                        : flag == "--height"    ? &in.height
                                        : flag == "--run-hours" ? &in.runHours
                                                                : nullptr;
        if (number != nullptr) {
            *number = Number(value);
            if (!*number) {
                std::cerr << flag << ": not a number: " << value << "\n";
                return false;
            }
        } else if (flag == "-o")
            in.output = value;
        else if (flag == "--dir")
            in.folder = value;
        else
            return false;
    }
    return in.boxTemp && in.length && in.width && in.height && !in.output.empty();
}

// The ranges of the New Job and Job information dialogs, with their message.
bool InRange(const char* flag, double value, int low, int high, bool whole) {
    if (value >= low && value <= high && (!whole || value == std::trunc(value)))
        return true;
    std::cerr << flag << ": Value not in range " << low << ".." << high << "\n";
    return false;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%Y", &local);
    return text;
}

void Warn(const FileResult& result) {
    if (!result.ok)
        std::cerr << "warning: " << result.message << "\n";
}

// The Job information dialog of a new job, confirmed with empty texts, today's date and the
// given dimensions and run hours.
void EnterJobInformation(Job& job, const NewJobInputs& in) {
    TJobHeader& h = job.image.header;
    SetText(h.jobName, "");
    SetText(h.customer, "");
    SetText(h.contact, "");
    SetText(h.quotation, "");
    SetText(h.address, "");
    SetText(h.telephone, "");
    SetText(h.fax, "");
    SetText(h.jobDate, Today());
    h.length = *in.length;
    h.width = *in.width;
    h.height = *in.height;
    if (in.runHours)
        h.runHours = static_cast<int32_t>(*in.runHours);
    h.volume = h.length * h.width * h.height;
}

} // namespace

int RunNew(Args args) {
    NewJobInputs in;
    if (!ParseInputs(args, in)) {
        std::cerr << NewUsage;
        return ExitUsage;
    }
    if (!InRange("--box-temp", *in.boxTemp, -50, 60, true) ||
        !InRange("--length", *in.length, 0, 400, false) ||
        !InRange("--width", *in.width, 0, 400, false) ||
        !InRange("--height", *in.height, 0, 200, false) ||
        (in.runHours && !InRange("--run-hours", *in.runHours, 1, 96, true)))
        return ExitUsage;

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

    // New Job: reset to the defaults, then the cooler or freezer defaults by the box temperature.
    Job job;
    TDefaults defaults = BuiltInDefaults();
    Warn(ResetJobToDefaults(job, defaults, (folder / DefaultsFileName).string(), insul.get()));
    job.run.storageWeight = 0;
    job.run.fileName.clear();
    TJobHeader& h = job.image.header;
    h.boxTemp = static_cast<int32_t>(*in.boxTemp);
    Warn(h.boxTemp > 32 ? ApplyCoolerDefaults(job, defaults, insul.get())
                        : ApplyFreezerDefaults(job, defaults, insul.get()));
    job.run.newJob = true;
    EnterJobInformation(job, in);
    if (!(h.volume > 0.0)) {
        std::cerr << "The box has no volume: no job was made\n";
        return ExitUsage;
    }

    job.run.storageWeight = EstimateProductCapacity(h);
    job.run.untitled = true;
    job.run.modified = true;
    job.image.flags.jobLoaded = 1;
    ResetProducts(job.image, h.boxTemp);
    job.image.products[0].productWeight = job.run.storageWeight;
    job.image.products[0].quantity = job.run.storageWeight;
    job.run.fileName = GetText(h.jobName);
    RefreshLoads(job);

    const FileResult written = WriteJobFile(job, in.output);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}
