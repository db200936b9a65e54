// SearchUnits (first unit and candidates) on the shipped unit table and on a generated table of
// a million units.

#include "equipment/UnitSearch.h"
#include "job/ClearJob.h"
#include "tables/ReferenceTables.h"
#include "tables/TableSchemas.h"

#include <benchmark/benchmark.h>
#include <shapefil.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

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
    ReferenceTables tables = OpenReferenceTables(QUELBOX_BUILD_DATA_DIR);
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

// Writes a unit table of `count` records straight through shapelib, capacities spread over all
// suction classes.
std::string GenerateUnits(int count) {
    const auto folder = std::filesystem::temp_directory_path();
    const std::string path = (folder / "quelbox-bench-UNITS.DAT").string();
    const std::string written = (folder / "quelbox-bench-UNITS.dbf").string();
    DBFHandle dbf = DBFCreate(written.c_str());
    for (const FieldSpec& f : SchemaOf(ReferenceTable::Units).fields)
        DBFAddField(dbf, f.name, f.type == 'C' ? FTString : (f.decimals ? FTDouble : FTInteger),
                    f.width, f.decimals);
    std::mt19937 random(7);
    const int classes[] = {-40, -30, -20, -10, 0, 10, 20, 25, 30, 35, 40, 45};
    for (int i = 0; i < count; ++i) {
        const int cap = 3000 + static_cast<int>(random() % 300000);
        char model[21];
        std::snprintf(model, sizeof model, "OCH%08d", i);
        DBFWriteStringAttribute(dbf, i, 0, model);
        for (int column = 1; column <= 11; ++column)
            DBFWriteIntegerAttribute(dbf, i, column, cap - column * 100);
        DBFWriteIntegerAttribute(dbf, i, 12, classes[random() % 12]);
        DBFWriteDoubleAttribute(dbf, i, 13, 1.0);
        DBFWriteStringAttribute(dbf, i, 14, "Bench");
        DBFWriteIntegerAttribute(dbf, i, 15, 0);
    }
    DBFClose(dbf);
    std::filesystem::rename(written, path);
    return path;
}

void BM_SearchUnitsMillion(benchmark::State& state) {
    static const std::string path = GenerateUnits(1000000);
    std::string message;
    const TableSchema& schema = SchemaOf(ReferenceTable::Units);
    static auto units = Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
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
