// quelbox-cli units and coils: the searches of Unit Search and Coil Search on a job file.

#include "cli/Commands.h"
#include "cli/EquipmentListing.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/QuantityOptions.h"
#include "cli/TableInput.h"
#include "cli/UnitsOption.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"
#include "job/JobFile.h"

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

int WriteChosenJob(Job& job, const std::string& path) {
    const FileResult written = WriteJobFile(job, path);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}

// With --select ROW -o OUT.kvj: stores that row as choosing it in the list does and writes the
// job; without them nothing more is done.
template <typename Row, typename StoreRow>
int StoreSelectedRow(Options& options, const char* usage, Job& job, const std::vector<Row>& rows,
                     StoreRow store) {
    if (!options.has("--select"))
        return ExitOk;
    const auto row = options.integer("--select", 0, 0, static_cast<int32_t>(rows.size()) - 1);
    if (!row)
        return UsageError(usage, options.error());
    store(rows[static_cast<std::size_t>(*row)]);
    return WriteChosenJob(job, options.text("-o"));
}

} // namespace

int RunUnits(Args args) {
    static const char* usage = "units JOB.kvj [--count N] [--td T] [--dir DIR] "
                               "[--select ROW -o OUT.kvj] [--units imperial|si]";
    Options options(args, {"--count", "--td", "--dir", "--select", "-o", "--units"}, {});
    if (!options.ok() || options.positional().size() != 1 ||
        options.has("--select") != options.has("-o"))
        return UsageError(usage, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(usage, why);

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.unit.unitCount, 0, 12);
    const auto td = QuantityOptions(options, *units)
                        .Whole("--td", Quantity::TempDifference, job.image.unit.designTD, 4, 45);
    if (!count || !td)
        return UsageError(usage, options.error());
    ReferenceTables tables;
    if (!OpenTablesForCommand(options.text("--dir"), {ReferenceTable::Units}, tables))
        return ExitMissingTable;

    EquipmentState state;
    RefreshJob(job, state);
    BeginUnitSelection(job, state);
    if (!ConfirmUnitSelection(job, *count, *td) || !SearchUnits(job, *tables.units, state)) {
        std::cerr << NoUnitsMessage << "\n";
        return ExitNoMatch;
    }
    const UnitList list = BuildUnitList(job, *tables.units, state);
    PrintUnitList(list, job.image, *units);
    return StoreSelectedRow(options, usage, job, list.rows, [&](const UnitRow& row) {
        TUnitSelection before;
        std::memcpy(&before, &job.image.unit, sizeof before);
        StoreUnitRow(job, row);
        AcceptUnitList(job, before);
    });
}

int RunCoils(Args args) {
    static const char* usage =
        "coils JOB.kvj [--count N] [--dir DIR] [--select ROW -o OUT.kvj] [--units imperial|si]";
    Options options(args, {"--count", "--dir", "--select", "-o", "--units"}, {});
    if (!options.ok() || options.positional().size() != 1 ||
        options.has("--select") != options.has("-o"))
        return UsageError(usage, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(usage, why);

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.coil.coilCount, 0, 12);
    if (!count)
        return UsageError(usage, options.error());
    ReferenceTables tables;
    if (!OpenTablesForCommand(options.text("--dir"), {ReferenceTable::Coils}, tables))
        return ExitMissingTable;

    EquipmentState state;
    RefreshJob(job, state);
    if (job.image.unit.unitSelected == 0) {
        std::cerr << "No condensing unit is selected\n";
        return ExitNoMatch;
    }
    BeginCoilSelection(job, state);
    if (!ConfirmCoilSelection(job, *count) || !SearchCoils(job, *tables.coils, state)) {
        std::cerr << NoCoilsMessage << "\n";
        return ExitNoMatch;
    }
    const CoilList list = BuildCoilList(job, *tables.coils, state);
    PrintCoilList(list, job.image, *units);
    return StoreSelectedRow(options, usage, job, list.rows, [&](const CoilRow& row) {
        TCoilSelection before;
        std::memcpy(&before, &job.image.coil, sizeof before);
        StoreCoilRow(job, *tables.coils, row);
        AcceptCoilList(job, before);
    });
}
