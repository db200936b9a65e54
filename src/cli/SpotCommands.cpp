// quelbox-cli spot-unit and spot-coil: equipment for a load typed in directly.

#include "cli/Commands.h"
#include "cli/EquipmentListing.h"
#include "cli/ExitCodes.h"
#include "cli/Options.h"
#include "cli/QuantityOptions.h"
#include "cli/Synopses.h"
#include "cli/TableInput.h"
#include "cli/UnitsOption.h"
#include "equipment/CoilSearch.h"
#include "equipment/SpotSearch.h"
#include "equipment/UnitSearch.h"
#include "job/ClearJob.h"

#include <iostream>
#include <optional>
#include <string>

int RunSpotUnit(Args args) {
    Options options(
        args, {"--quantity", "--load", "--run-hours", "--suction", "--ambient", "--dir", "--units"},
        {});
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(SpotUnitSynopsis, why);
    const std::string usage = SynopsisIn(SpotUnitSynopsis, *units);
    QuantityOptions quantities(options, *units);
    SpotEntries entries;
    const auto quantity = options.integer("--quantity", entries.unit.spotQuantity, 1, 20);
    const auto load =
        quantities.Whole("--load", Quantity::HeatFlow, entries.unit.spotLoad, 0, 9000000);
    const auto hours = options.integer("--run-hours", entries.unit.spotRunHours, 1, 96);
    const auto suction =
        quantities.Whole("--suction", Quantity::Temperature, entries.unit.spotSuction, -50, 60);
    // In SI the ambient goes to the nearest 5 F step; in imperial units it must be on one.
    const auto ambient =
        quantities.Whole("--ambient", Quantity::Temperature, entries.spotAmbient, 80, 130, 5);
    if (!options.expectArguments({}) || !quantity || !load || !hours || !suction || !ambient)
        return UsageError(usage, options.error());
    if (*ambient % 5 != 0)
        return UsageError(usage, "--ambient: Value not in range 80..130 in steps of 5");
    entries.unit = {*quantity, *load, *hours, *suction};
    entries.spotAmbient = *ambient;

    ReferenceTables tables;
    if (!OpenTablesForCommand(options.text("--dir"), {ReferenceTable::Units}, tables))
        return ExitMissingTable;
    Job job;
    ClearJob(job, BuiltInDefaults());
    EquipmentState state;
    const bool found =
        SpotUnitSearch(job, *tables.units, state, entries, [&](Job& j, EquipmentState& s) {
            PrintUnitList(BuildUnitList(j, *tables.units, s), j.image, *units);
        });
    if (!found) {
        std::cerr << NoUnitsMessage << "\n";
        return ExitNoMatch;
    }
    return ExitOk;
}

int RunSpotCoil(Args args) {
    Options options(args, {"--quantity", "--td", "--load", "--box-temp", "--dir", "--units"}, {});
    std::string why;
    const std::optional<UnitSystem> units = UnitsOption(options, why);
    if (!units)
        return UsageError(SpotCoilSynopsis, why);
    const std::string usage = SynopsisIn(SpotCoilSynopsis, *units);
    QuantityOptions quantities(options, *units);
    SpotEntries entries;
    const auto quantity = options.integer("--quantity", entries.coil.spotCoilQuantity, 1, 20);
    const auto td = quantities.Whole("--td", Quantity::TempDifference, entries.coil.spotTD, 1, 96);
    const auto load =
        quantities.Whole("--load", Quantity::HeatFlow, entries.coil.spotCoilLoad, 0, 9000000);
    const auto box =
        quantities.Whole("--box-temp", Quantity::Temperature, entries.coil.spotBoxTemp, -50, 60);
    if (!options.expectArguments({}) || !quantity || !td || !load || !box)
        return UsageError(usage, options.error());
    entries.coil = {*quantity, *td, *load, *box};

    ReferenceTables tables;
    if (!OpenTablesForCommand(options.text("--dir"), {ReferenceTable::Coils}, tables))
        return ExitMissingTable;
    Job job;
    ClearJob(job, BuiltInDefaults());
    EquipmentState state;
    const bool found =
        SpotCoilSearch(job, *tables.coils, state, entries, [&](Job& j, EquipmentState& s) {
            PrintCoilList(BuildCoilList(j, *tables.coils, s), j.image, *units);
        });
    if (!found) {
        std::cerr << NoCoilsMessage << "\n";
        return ExitNoMatch;
    }
    return ExitOk;
}
