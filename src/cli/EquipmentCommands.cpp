// quelbox-cli units and coils: the searches of Unit Search and Coil Search on a job file.

#include "cli/Commands.h"
#include "cli/EquipmentListing.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/Options.h"
#include "cli/TableInput.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"
#include "job/JobFile.h"

#include <cstring>
#include <iostream>

namespace {

int Usage(const char* text, const std::string& why) {
    if (!why.empty())
        std::cerr << why << "\n";
    std::cerr << "usage: quelbox-cli " << text << "\n";
    return ExitUsage;
}

int WriteChosenJob(Job& job, const std::string& path) {
    const FileResult written = WriteJobFile(job, path);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}

// The row asked for by --select, or -1 with the usage error set.
int SelectedRow(Options& options, std::size_t rowCount) {
    if (!options.has("--select"))
        return -1;
    const auto row = options.integer("--select", 0, 0, static_cast<int32_t>(rowCount) - 1);
    return row ? *row : -1;
}

} // namespace

int RunUnits(Args args) {
    static const char* usage =
        "units JOB.kvj [--count N] [--td T] [--dir DIR] [--select ROW -o OUT.kvj]";
    Options options(args, {"--count", "--td", "--dir", "--select", "-o"}, {});
    if (!options.ok() || options.positional().size() != 1 ||
        options.has("--select") != options.has("-o"))
        return Usage(usage, options.error());

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.unit.unitCount, 0, 12);
    const auto td = options.integer("--td", job.image.unit.designTD, 4, 45);
    if (!count || !td)
        return Usage(usage, options.error());
    ReferenceTables tables;
    if (!OpenTablesForCommand(options.text("--dir"), {ReferenceTable::Units}, tables))
        return ExitMissingTable;

    EquipmentState state;
    RefreshJob(job, state);
    BeginUnitSelection(job, state);
    if (!ConfirmUnitSelection(job, *count, *td) || !SearchUnits(job, *tables.units, state)) {
        std::cerr << "No matching units\n";
        return ExitNoMatch;
    }
    const UnitList list = BuildUnitList(job, *tables.units, state);
    PrintUnitList(list);
    if (!options.has("--select"))
        return ExitOk;
    const int row = SelectedRow(options, list.rows.size());
    if (row < 0)
        return Usage(usage, options.error());
    TUnitSelection before;
    std::memcpy(&before, &job.image.unit, sizeof before);
    StoreUnitRow(job, list.rows[static_cast<std::size_t>(row)]);
    AcceptUnitList(job, before);
    return WriteChosenJob(job, options.text("-o"));
}

int RunCoils(Args args) {
    static const char* usage = "coils JOB.kvj [--count N] [--dir DIR] [--select ROW -o OUT.kvj]";
    Options options(args, {"--count", "--dir", "--select", "-o"}, {});
    if (!options.ok() || options.positional().size() != 1 ||
        options.has("--select") != options.has("-o"))
        return Usage(usage, options.error());

    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    const auto count = options.integer("--count", job.image.coil.coilCount, 0, 12);
    if (!count)
        return Usage(usage, options.error());
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
        std::cerr << "No matching coils\n";
        return ExitNoMatch;
    }
    const CoilList list = BuildCoilList(job, *tables.coils, state);
    PrintCoilList(list);
    if (!options.has("--select"))
        return ExitOk;
    const int row = SelectedRow(options, list.rows.size());
    if (row < 0)
        return Usage(usage, options.error());
    TCoilSelection before;
    std::memcpy(&before, &job.image.coil, sizeof before);
    StoreCoilRow(job, *tables.coils, list.rows[static_cast<std::size_t>(row)]);
    AcceptCoilList(job, before);
    return WriteChosenJob(job, options.text("-o"));
}
