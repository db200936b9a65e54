// quelbox-cli: batch use of the Quelbox calculation on job files.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/StandardOutput.h"
#include "cli/Synopses.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(Args);
    std::string_view synopsis;
    std::string_view summary;
};

constexpr Command commands[] = {
    {"totals", RunTotals, TotalsSynopsis, "recalculate and print the load totals"},
    {"recalc", RunRecalc, RecalcSynopsis, "recalculate and write the whole job"},
    {"new", RunNew, NewSynopsis, "make a new job from the defaults and tables"},
    {"summary", RunSummary, SummarySynopsis, "print the load summary page"},
    {"units", RunUnits, UnitsSynopsis, "list the condensing units for the job; store one"},
    {"coils", RunCoils, CoilsSynopsis,
     "list the evaporator coils for the selected unit; store one"},
    {"spot-unit", RunSpotUnit, SpotUnitSynopsis, "list condensing units for a load typed in"},
    {"spot-coil", RunSpotCoil, SpotCoilSynopsis, "list evaporator coils for a load typed in"},
    {"table", RunTable,
     "table import TABLE.DAT FILE.csv [--dir DIR] | table export TABLE.DAT [-o FILE.csv] [--dir "
     "DIR]",
     "build a table from a maker's CSV file, or write a table as CSV"},
#ifdef QUELBOX_REPORT_COMMAND
    {"report", RunReport, ReportSynopsis, "write the load report as a PDF file"},
#endif
};

constexpr std::string_view Description = R"(
Sizes the refrigeration of a walk-in cooler or freezer from a Quelbox job file (.kvj): load
totals, the load summary, condensing unit and coil searches, new jobs and the PDF report.
The reference tables, DEFAULTS.KVI, SUBMIT.KVI and lgo.bmp are read from the working folder,
or from --dir DIR where a command takes it.

Options:
  -h, --help     print this help and exit; COMMAND --help prints that command's usage
  --version      print the version and exit
  --             end the options: each argument after it is a file name, even one that
                 starts with -

Options in brackets may be left out: they have a default. Numbers are written plainly: digits
with an optional leading minus sign, and a decimal point where the option takes a fraction; no
blanks, plus sign or exponent. An option may be given once. An output file given as - is
standard output (with units or coils --select, the list then goes to standard error).
Listings and the summary are written as UTF-8.

--units si shows loads in W, temperatures in degrees C, TDs in K, powers in kW and lengths in
m, and the options of new, units, spot-unit and spot-coil take them so (decimals allowed),
within the imperial range converted. The job keeps imperial values: each is brought to the
nearest whole F, BTUH or TD (the spot ambient to the nearest 5 F step) and a length to two
decimals of a foot.

Exit status:
  0  success
  1  a usage error (named, with the command's usage) or a value out of range; table import:
     the CSV file is refused (each fault named)
  2  the job file cannot be opened or is not a job file; table import: the CSV file cannot
     be read or is not a regular file
  3  the output cannot be written: a job, PDF or CSV file, or standard output (the message
     names it and the reason); table import: the table cannot be written
  4  a reference table is missing or unusable (named)
  5  no matching equipment, or no condensing unit is selected
)";

void PrintUsage(std::ostream& out) {
    out << "Usage: quelbox-cli COMMAND ...\n\nCommands:\n";
    for (const Command& c : commands)
        out << "  quelbox-cli " << c.synopsis << "\n        " << c.summary << "\n";
}

bool AsksForHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// Whether the command's arguments ask for its usage: "--help" or "-h" before any "--".
bool CommandAsksForHelp(const std::vector<std::string_view>& args) {
    const auto optionsEnd = std::find(args.begin(), args.end(), "--");
    return std::any_of(args.begin(), optionsEnd, AsksForHelp);
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "a command is required\n";
        PrintUsage(std::cerr);
        return ExitUsage;
    }
    const std::string_view first = argv[1];
    if (AsksForHelp(first)) {
        PrintUsage(std::cout);
        std::cout << Description;
        return ExitOk;
    }
    if (first == "--version") {
        std::cout << "quelbox-cli " QUELBOX_VERSION "\n";
        return ExitOk;
    }
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    for (const Command& c : commands) {
        if (c.name != first)
            continue;
        if (CommandAsksForHelp(args)) {
            std::cout << "Usage: quelbox-cli " << c.synopsis << "\n" << c.summary << "\n";
            return ExitOk;
        }
        return c.run(args);
    }
    std::cerr << (first.starts_with('-') ? "unknown option " : "unknown command ") << first << "\n";
    PrintUsage(std::cerr);
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    // Past a file size limit a write fails with EFBIG and takes the usual failure path.
    std::signal(SIGXFSZ, SIG_IGN);
    PrepareStandardStreams();
    return FinishStandardOutput(Run(argc, argv));
}
