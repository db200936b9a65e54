#pragma once
// What each command takes, as `quelbox-cli --help`, `COMMAND --help` and a usage error show it.
// Options in brackets may be left out: they have a default. An output file given as "-" is
// standard output.

#include "calc/UnitConversion.h"

#include <string>

inline constexpr const char* TotalsSynopsis = "totals JOB.kvj [--json] [--units imperial|si]";
inline constexpr const char* RecalcSynopsis = "recalc JOB.kvj OUT.kvj|-";
inline constexpr const char* NewSynopsis =
    "new --box-temp T --length L --width W --height H [--run-hours N] -o JOB.kvj|- [--dir DIR] "
    "[--units imperial|si]";
inline constexpr const char* SummarySynopsis = "summary JOB.kvj [--dir DIR] [--units imperial|si]";
inline constexpr const char* UnitsSynopsis =
    "units JOB.kvj [--count N] [--td T] [--dir DIR] [--select ROW -o OUT.kvj|-] "
    "[--units imperial|si]";
inline constexpr const char* CoilsSynopsis =
    "coils JOB.kvj [--count N] [--dir DIR] [--select ROW -o OUT.kvj|-] [--units imperial|si]";
inline constexpr const char* SpotUnitSynopsis =
    "spot-unit [--quantity Q] [--load BTUH] [--run-hours H] [--suction S] [--ambient A] "
    "[--dir DIR] [--units imperial|si]";
inline constexpr const char* SpotCoilSynopsis =
    "spot-coil [--quantity Q] [--td T] [--load BTUH] [--box-temp B] [--dir DIR] "
    "[--units imperial|si]";
inline constexpr const char* ReportSynopsis =
    "report JOB.kvj -o OUT.pdf|- [--page N] [--dir DIR] [--units imperial|si]";

// The synopsis as it reads in `units`: a load is typed in W with --units si.
std::string SynopsisIn(const char* synopsis, UnitSystem units);
