#pragma once
// The subcommands of quelbox-cli. Each takes the arguments after its name and returns the exit
// status; messages go to stderr, results to stdout.

#include <span>
#include <string_view>

using Args = std::span<const std::string_view>;

int RunTotals(Args args);
int RunRecalc(Args args);
int RunNew(Args args);
int RunSummary(Args args);
int RunUnits(Args args);
int RunCoils(Args args);
int RunSpotUnit(Args args);
int RunSpotCoil(Args args);
int RunTable(Args args);
#ifdef QUELBOX_REPORT_COMMAND
int RunReport(Args args);
#endif
