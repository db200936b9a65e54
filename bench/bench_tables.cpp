// The reference tables: opening the four shipped tables with their tags, and a 1,000,000-record
// UNITS.DAT opened and searched with d4seekDouble.

#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <benchmark/benchmark.h>
#include <shapefil.h>

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

constexpr int MillionRecords = 1000000;

// The first shipped folder holding all four tables (the build's data folder when not installed).
fs::path ShippedFolder() {
    for (const fs::path& folder : ShippedTableFolders()) {
        bool all = true;
        for (ReferenceTable which : AllReferenceTables)
            all = all && fs::exists(folder / SchemaOf(which).fileName);
        if (all)
            return folder;
    }
    std::fprintf(stderr, "no shipped tables found; build the target quelbox_tables_data\n");
    std::exit(1);
}

// A temporary folder removed with its files at the end of the run.
struct ScratchFolder {
    fs::path path;
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

// A folder holding a generated UNITS.DAT of one million records, written once per run straight
// through shapelib: models of 1/2 to 30 HP at every suction class, capacities falling with
// ambient, spread at random so the tags have real sorting to do.
const fs::path& MillionUnitsFolder() {
    static const ScratchFolder folder{[] {
        const fs::path dir =
            fs::temp_directory_path() / ("quelbox-bench-units-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string dbf = (dir / "units.dbf").string();
        DBFHandle out = DBFCreate(dbf.c_str());
        for (const FieldDefinition& f : SchemaOf(ReferenceTable::Units).fields)
            DBFAddNativeFieldType(out, f.name, f.type, f.width, f.decimals);
        const int classes[] = {-40, -35, -30, -25, -20, -15, -10, -5, 0,
                               10,  15,  20,  25,  30,  35,  40,  45};
        std::mt19937 random(1234);
        std::uniform_real_distribution<double> hp(0.5, 30.0);
        for (int r = 0; r < MillionRecords; ++r) {
            const double horsepower = hp(random);
            const int suction = classes[r % 17];
            const double rated = horsepower * (suction < 0 ? 3800.0 : 9500.0) *
                                 std::exp(0.025 * (suction - (suction < 0 ? -20 : 25)));
            char model[32];
            std::snprintf(model, sizeof model, "OCS%04d0-1%c4 -5",
                          static_cast<int>(horsepower * 100), suction < 0 ? 'L' : 'M');
            DBFWriteStringAttribute(out, r, 0, model);
            for (int j = 0; j < 11; ++j)
                DBFWriteIntegerAttribute(out, r, 1 + j,
                                         static_cast<int>(rated * (1.095 - 0.0475 * j)));
            DBFWriteIntegerAttribute(out, r, 12, suction);
            DBFWriteDoubleAttribute(out, r, 13, horsepower);
            DBFWriteStringAttribute(out, r, 14, "Boreal");
            DBFWriteIntegerAttribute(out, r, 15, r % 2);
        }
        DBFClose(out);
        fs::rename(dbf, dir / "UNITS.DAT");
        return dir;
    }()};
    return folder.path;
}

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
