// Importing UNITS.DAT from a maker's CSV: 10,000 and 100,000 good rows (read, checked and written
// as a new table), and a 63 MB file whose every row is refused (every fault told and thrown
// away). The files are generated once per run in a folder under the system's temporary folder.

#include "tables/TableImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* UnitsHeader =
    "MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,EVAP,NOMHP,BRAND,HFLAG\n";
constexpr int SuctionClasses[] = {-40, -35, -30, -25, -20, -15, -10, -5, 0,
                                  10,  15,  20,  25,  30,  35,  40,  45};
constexpr std::uintmax_t BadFileBytes = 63u << 20;

struct BenchFolder {
    fs::path path =
        fs::temp_directory_path() / ("quelbox-bench-import-" + std::to_string(::getpid()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

const fs::path& Folder() {
    static const BenchFolder folder;
    return folder.path;
}

// A maker's price list: a model per row, capacities falling with ambient, a price column the
// import ignores.
std::string GoodUnitsCsv(int rows) {
    const fs::path path = Folder() / ("units-" + std::to_string(rows) + ".csv");
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        out << "PRICE," << UnitsHeader;
        char line[256];
        for (int r = 0; r < rows; ++r) {
            const int rated = 1500 + (r * 37) % 190000;
            int length = std::snprintf(line, sizeof line, "%d.00,MX-%07d", 900 + r % 9000, r);
            for (int j = 0; j < 11; ++j)
                length += std::snprintf(line + length, sizeof line - length, ",%d",
                                        rated - rated / 25 * j);
            std::snprintf(line + length, sizeof line - length, ",%d,%.2f,Maker,%d\n",
                          SuctionClasses[r % 17], 0.25 + (r % 240) * 0.25, r % 2);
            out << line;
        }
    }
    return path.string();
}

// 63 MB of rows that each break a rule: a capacity that is no number and no suction class.
std::string BadUnitsCsv() {
    const fs::path path = Folder() / "bad.csv";
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        out << UnitsHeader;
        std::uintmax_t written = 0;
        char line[256];
        for (int r = 0; written < BadFileBytes; ++r) {
            const int length = std::snprintf(
                line, sizeof line,
                "BAD-%08d,12000,11000,x,9000,8000,7000,6000,5000,4000,3000,2000,5,1.00,Maker,1\n",
                r);
            out.write(line, length);
            written += static_cast<std::uintmax_t>(length);
        }
    }
    return path.string();
}

void Import(benchmark::State& state, const std::string& csv, ImportOutcome expected) {
    const std::string table = (Folder() / "UNITS.DAT").string();
    std::size_t messages = 0;
    for (auto _ : state) {
        const ImportResult result = ImportTableCsv(ReferenceTable::Units, csv, table,
                                                   [&messages](const std::string&) { ++messages; });
        if (result.outcome != expected)
            state.SkipWithError("the import did not end as expected");
    }
    state.counters["messages"] =
        benchmark::Counter(static_cast<double>(messages), benchmark::Counter::kAvgIterations);
    state.counters["MB"] = static_cast<double>(fs::file_size(csv)) / (1 << 20);
}

void BM_ImportGoodUnits(benchmark::State& state) {
    Import(state, GoodUnitsCsv(static_cast<int>(state.range(0))), ImportOutcome::Imported);
}
BENCHMARK(BM_ImportGoodUnits)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RefuseBadUnits63MB(benchmark::State& state) {
    Import(state, BadUnitsCsv(), ImportOutcome::BadInput);
}
BENCHMARK(BM_RefuseBadUnits63MB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
