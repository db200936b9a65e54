// SearchUnits (first unit and candidates) on the shipped unit table and on a generated table of
// a million units.

#include "BenchTables.h"
#include "equipment/UnitSearch.h"
#include "job/ClearJob.h"
#include "tables/ReferenceTables.h"

#include <benchmark/benchmark.h>

namespace {

Job CoolerWithLoad(int32_t load) {
    Job job;
    ClearJob(job, BuiltInDefaults());
    job.image.header.boxTemp = 35;
    job.image.header.runHours = 16;
    job.image.totals.totalLoad = load;
    return job;
}

void BM_SearchUnitsShipped(benchmark::State& state) {
    ReferenceTables tables = OpenReferenceTables(ShippedFolder());
    if (!tables.units) {
        state.SkipWithError(tables.unitsProblem.c_str());
        return;
    }
    Job job = CoolerWithLoad(18000);
    EquipmentState equipment;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchUnits(job, *tables.units, equipment));
}
BENCHMARK(BM_SearchUnitsShipped)->Unit(benchmark::kMicrosecond);

void BM_SearchUnitsMillion(benchmark::State& state) {
    std::string message;
    static auto units = OpenReferenceTable(MillionUnitsFolder(), ReferenceTable::Units, message);
    if (!units) {
        state.SkipWithError(message.c_str());
        return;
    }
    Job job = CoolerWithLoad(18000);
    EquipmentState equipment;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchUnits(job, *units, equipment));
}
BENCHMARK(BM_SearchUnitsMillion)->Unit(benchmark::kMicrosecond);

} // namespace
