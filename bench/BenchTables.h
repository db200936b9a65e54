#pragma once
// Tables the benchmarks read: the shipped set, and a generated UNITS.DAT of a million records.

#include <filesystem>

inline constexpr int MillionRecords = 1000000;

// The first shipped folder holding all four tables (the build's data folder when not installed).
std::filesystem::path ShippedFolder();

// A folder holding a generated UNITS.DAT of one million records, written once per run and
// removed at the end of it.
const std::filesystem::path& MillionUnitsFolder();
