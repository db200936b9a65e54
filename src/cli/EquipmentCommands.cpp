// quelbox-cli units and coils: the searches of Unit Search and Coil Search on a job file.

#include "cli/Commands.h"
#include "cli/EquipmentListing.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/JobOutput.h"
#include "cli/Options.h"
#include "cli/QuantityOptions.h"
#include "cli/Synopses.h"
#include "cli/TableInput.h"
#include "cli/UnitsOption.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

// The job file and ROW plain, and --select and -o given together. Returns ok().
bool CheckListArguments(Options& options) {
    if (!options.expectArguments({"JOB.kvj"}))
        return false;
    if (options.has("--select") && !options.has("-o"))
        return options.require({"-o"});
    if (options.has("-o") && !options.has("--select"))
        return options.require({"--select"});
    return true;
}

// Where the list goes: standard output, or standard error when the chosen job goes there.
std::FILE* ListOutput(const Options& options) {
    return IsStandardOutput(options.text("-o")) ? stderr : stdout;
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
    return WriteJobForCommand(job, options.text("-o"));
}

} // namespace

int RunUnits(Args args) {
    Options options(args, {"--count", "--td", "--dir", "--select", "-o", "--units"}, {});
    if (!CheckListArguments(options))
        return UsageError(UnitsSynopsis, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(UnitsSynopsis, why);

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.unit.unitCount, 0, 12);
    const auto td = QuantityOptions(options, *units)
                        .Whole("--td", Quantity::TempDifference, job.image.unit.designTD, 4, 45);
    if (!count || !td)
        return UsageError(UnitsSynopsis, options.error());
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
    PrintUnitList(list, job.image, *units, ListOutput(options));
    return StoreSelectedRow(options, UnitsSynopsis, job, list.rows, [&](const UnitRow& row) {
        TUnitSelection before;
        std::memcpy(&before, &job.image.unit, sizeof before);
        StoreUnitRow(job, row);
        AcceptUnitList(job, before);
    });
}

int RunCoils(Args args) {
    Options options(args, {"--count", "--dir", "--select", "-o", "--units"}, {});
    if (!CheckListArguments(options))
        return UsageError(CoilsSynopsis, options.error());
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(CoilsSynopsis, why);

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.coil.coilCount, 0, 12);
    if (!count)
        return UsageError(CoilsSynopsis, options.error());
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
    PrintCoilList(list, job.image, *units, ListOutput(options));
    return StoreSelectedRow(options, CoilsSynopsis, job, list.rows, [&](const CoilRow& row) {
        TCoilSelection before;
        std::memcpy(&before, &job.image.coil, sizeof before);
        StoreCoilRow(job, *tables.coils, row);
        AcceptCoilList(job, before);
    });
}
