// quelbox-cli: batch use of the Quelbox calculation on job files.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"

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
    {"totals", RunTotals, "totals JOB.kvj [--json] [--units imperial|si]",
     "recalculate and print the load totals"},
    {"recalc", RunRecalc, "recalc JOB.kvj OUT.kvj", "recalculate and write the whole job"},
    {"new", RunNew,
     "new --box-temp T --length L --width W --height H [--run-hours N] -o JOB.kvj [--dir DIR] "
     "[--units imperial|si]",
     "make a new job from the defaults and tables"},
    {"summary", RunSummary, "summary JOB.kvj [--dir DIR] [--units imperial|si]",
     "print the load summary page"},
    {"units", RunUnits,
     "units JOB.kvj [--count N] [--td T] [--dir DIR] [--select ROW -o OUT.kvj] "
     "[--units imperial|si]",
     "list the condensing units for the job; store one"},
    {"coils", RunCoils,
     "coils JOB.kvj [--count N] [--dir DIR] [--select ROW -o OUT.kvj] [--units imperial|si]",
     "list the evaporator coils for the selected unit; store one"},
    {"spot-unit", RunSpotUnit,
     "spot-unit --quantity Q --load BTUH --run-hours H --suction S --ambient A [--dir DIR] "
     "[--units imperial|si]",
     "list condensing units for a load typed in"},
    {"spot-coil", RunSpotCoil,
     "spot-coil --quantity Q --td T --load BTUH --box-temp B [--dir DIR] [--units imperial|si]",
     "list evaporator coils for a load typed in"},
    {"table", RunTable,
     "table import TABLE.DAT FILE.csv [--dir DIR] | table export TABLE.DAT [-o FILE.csv] [--dir "
     "DIR]",
     "build a table from a maker's CSV file, or write a table as CSV"},
#ifdef QUELBOX_REPORT_COMMAND
    {"report", RunReport, "report JOB.kvj -o OUT.pdf [--page N] [--dir DIR] [--units imperial|si]",
     "write the load report as a PDF file (-o - for standard output)"},
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

Numbers are written plainly: digits with an optional leading minus sign, and a decimal point
where the option takes a fraction; no blanks, plus sign or exponent. An option may be given
once.

--units si shows loads in W, temperatures in degrees C, TDs in K, powers in kW and lengths in
m, and the options of new, units, spot-unit and spot-coil take them so (decimals allowed),
within the imperial range converted. The job keeps imperial values: each is brought to the
nearest whole F, BTUH or TD (the spot ambient to the nearest 5 F step) and a length to two
decimals of a foot.

Exit status:
  0  success
  1  a usage error or a value out of range
  2  the job file cannot be opened or is not a job file
  3  the output cannot be written (the message names the file and the reason)
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

} // namespace

int main(int argc, char** argv) {
    // Past a file size limit a write fails with EFBIG and takes the usual failure path.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
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
        if (std::any_of(args.begin(), args.end(), AsksForHelp)) {
            std::cout << "Usage: quelbox-cli " << c.synopsis << "\n" << c.summary << "\n";
            return ExitOk;
        }
        return c.run(args);
    }
    std::cerr << "unknown command " << first << "\n";
    PrintUsage(std::cerr);
    return ExitUsage;
}
