// quelbox-cli: batch use of the Quelbox calculation on job files.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(Args);
    std::string_view synopsis;
};

constexpr Command commands[] = {
    {"totals", RunTotals, "totals JOB.kvj [--json]   recalculate and print the load totals"},
    {"recalc", RunRecalc, "recalc JOB.kvj OUT.kvj    recalculate and write the whole job"},
    {"new", RunNew,
     "new --box-temp T --length L --width W --height H [--run-hours N] -o JOB.kvj [--dir DIR]\n"
     "                                         make a new job from the defaults and tables"},
    {"summary", RunSummary, "summary JOB.kvj [--dir DIR]  print the load summary page"},
    {"units", RunUnits, "units JOB.kvj [--count N] [--td T] [--dir DIR] [--select ROW -o OUT.kvj]"},
    {"coils", RunCoils, "coils JOB.kvj [--count N] [--dir DIR] [--select ROW -o OUT.kvj]"},
    {"spot-unit", RunSpotUnit,
     "spot-unit --quantity Q --load BTUH --run-hours H --suction S --ambient A [--dir DIR]"},
    {"spot-coil", RunSpotCoil,
     "spot-coil --quantity Q --td T --load BTUH --box-temp B [--dir DIR]"},
    {"table", RunTable,
     "table import TABLE.DAT FILE.csv [--dir DIR] | table export TABLE.DAT [-o FILE.csv] [--dir "
     "DIR]"},
#ifdef QUELBOX_REPORT_COMMAND
    {"report", RunReport, "report JOB.kvj -o OUT.pdf [--page N] [--dir DIR]  write the report PDF"},
#endif
};

int Usage() {
    std::cerr << "usage: quelbox-cli COMMAND ...\n";
    for (const Command& c : commands)
        std::cerr << "  quelbox-cli " << c.synopsis << "\n";
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    for (const Command& c : commands) {
        if (c.name == argv[1])
            return c.run(args);
    }
    return Usage();
}
