#include "EquipmentTables.h"

#include "job/ClearJob.h"
#include "tables/TableSchemas.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Table> Build(const std::string& path, ReferenceTable which,
                             const std::function<void(Table&, std::size_t)>& fill,
                             std::size_t count) {
    const TableSchema& schema = SchemaOf(which);
    std::string message;
    EXPECT_TRUE(Table::Create(path, schema.fields, message)) << message;
    {
        auto writable = Table::Open(path, TableAccess::ReadWrite, schema.tags, message);
        EXPECT_TRUE(writable) << message;
        for (std::size_t i = 0; writable && i < count; ++i) {
            writable->d4appendStart();
            fill(*writable, i);
            EXPECT_EQ(writable->d4append(), 0) << writable->lastError();
        }
    }
    auto table = Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
    EXPECT_TRUE(table) << message;
    return table;
}

} // namespace

std::unique_ptr<Table> MakeUnitTable(const TempFolder& dir, const std::vector<UnitRecord>& units) {
    return Build(
        dir.File("UNITS.DAT"), ReferenceTable::Units,
        [&](Table& t, std::size_t i) {
            const UnitRecord& u = units[i];
            t.f4assign("MODEL", u.model);
            for (int field = 2; field <= 12; ++field)
                t.f4assignInt(field, field == 4 && u.at90 ? u.at90 : u.capacity);
            t.f4assignInt("EVAP", u.evap);
            t.f4assignDouble("NOMHP", u.nominalHp);
            t.f4assign("BRAND", u.brand);
            t.f4assignInt("HFLAG", u.hflag);
        },
        units.size());
}

std::unique_ptr<Table> MakeCoilTable(const TempFolder& dir, const std::vector<CoilRecord>& coils) {
    return Build(
        dir.File("COILS.DAT"), ReferenceTable::Coils,
        [&](Table& t, std::size_t i) {
            const CoilRecord& c = coils[i];
            t.f4assign("MODEL", c.model);
            t.f4assignInt("EVAP", c.evap);
            t.f4assignInt("BTUH", c.btuh);
            t.f4assign("STYLE", c.style);
            t.f4assignInt("FINS", c.fins);
            t.f4assignInt("AEG", c.aeg);
            t.f4assign("BRAND", c.brand);
        },
        coils.size());
}

Job JobWithLoad(int totalLoad) {
    Job job;
    ClearJob(job, BuiltInDefaults());
    job.image.header.boxTemp = 35;
    job.image.header.designAmbient = 90;
    job.image.header.runHours = 18;
    job.image.totals.totalLoad = totalLoad;
    job.image.flags.jobLoaded = 1;
    return job;
}
