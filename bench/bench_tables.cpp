// The reference tables: opening the four shipped tables with their tags, and a 1,000,000-record
// UNITS.DAT opened and searched with d4seekDouble.

#include "BenchTables.h"
#include "tables/ReferenceTables.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

void BM_OpenShippedTables(benchmark::State& state) {
    const fs::path folder = ShippedFolder();
    for (auto _ : state) {
        ReferenceTables tables = OpenReferenceTables(folder);
        if (!tables.allOpen())
            state.SkipWithError("a shipped table did not open");
        benchmark::DoNotOptimize(tables.units->d4recCountDo());
    }
}
BENCHMARK(BM_OpenShippedTables)->Unit(benchmark::kMillisecond);

void BM_OpenMillionUnits(benchmark::State& state) {
    const fs::path& folder = MillionUnitsFolder();
    for (auto _ : state) {
        std::string message;
        auto units = OpenReferenceTable(folder, ReferenceTable::Units, message);
        if (!units)
            state.SkipWithError(message.c_str());
        else
            benchmark::DoNotOptimize(units->d4recCountDo());
    }
}
BENCHMARK(BM_OpenMillionUnits)->Unit(benchmark::kMillisecond)->Iterations(3);

// One seek on the 90 F column, as the unit search makes it.
void BM_SeekDoubleMillionUnits(benchmark::State& state) {
    std::string message;
    static auto units = OpenReferenceTable(MillionUnitsFolder(), ReferenceTable::Units, message);
    if (!units) {
        state.SkipWithError(message.c_str());
        return;
    }
    units->d4tagSelect(units->d4tag("BTUC"));
    std::mt19937 random(99);
    std::uniform_int_distribution<int> load(1000, 400000);
    std::vector<double> wanted(4096);
    for (double& w : wanted)
        w = load(random);
    std::size_t i = 0;
    int accepted = 0;
    for (auto _ : state) {
        const int rc = units->d4seekDouble(wanted[i++ & 4095]);
        accepted += rc == r4success || rc == r4after;
        benchmark::DoNotOptimize(rc);
    }
    state.counters["accepted"] = accepted;
}
BENCHMARK(BM_SeekDoubleMillionUnits)->Unit(benchmark::kNanosecond);

// The seek followed by the reads the unit search makes on the record it lands on.
void BM_SeekAndReadMillionUnits(benchmark::State& state) {
    std::string message;
    static auto units = OpenReferenceTable(MillionUnitsFolder(), ReferenceTable::Units, message);
    if (!units) {
        state.SkipWithError(message.c_str());
        return;
    }
    units->d4tagSelect(units->d4tag("BTUC"));
    const int evap = units->d4field("EVAP");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> load(1000, 400000);
    for (auto _ : state) {
        units->d4seekDouble(load(random));
        benchmark::DoNotOptimize(units->f4int(evap) + units->f4long(4));
    }
}
BENCHMARK(BM_SeekAndReadMillionUnits)->Unit(benchmark::kNanosecond);

} // namespace
