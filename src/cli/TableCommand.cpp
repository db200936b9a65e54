// quelbox-cli table import|export: a reference table to and from its CSV form.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Options.h"
#include "job/SafeWrite.h"
#include "tables/ShippedTables.h"
#include "tables/TableCsv.h"
#include "tables/TableImport.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr const char* TableUsage = "table import TABLE.DAT FILE.csv [--dir DIR]\n"
                                   "       quelbox-cli table export TABLE.DAT [-o FILE.csv] "
                                   "[--dir DIR]";

int Import(const Options& options) {
    const std::vector<std::string>& names = options.positional();
    if (names.size() != 2 || options.has("-o"))
        return UsageError(TableUsage, "import takes a table and a CSV file");
    const std::optional<ReferenceTable> which = ReferenceTableNamed(names[0]);
    if (!which)
        return UsageError(TableUsage, names[0] + " is not a reference table");
    const std::filesystem::path folder(options.text("--dir", "."));
    const ImportResult result =
        ImportTableCsv(*which, names[1], (folder / SchemaOf(*which).fileName).string());
    for (const std::string& message : result.messages)
        std::cerr << message << '\n';
    switch (result.outcome) {
    case ImportOutcome::Imported:
        std::cout << result.summary << '\n';
        return ExitOk;
    case ImportOutcome::BadInput:
        std::cerr << "Nothing was imported.\n";
        return ExitUsage;
    case ImportOutcome::Unreadable:
        return ExitNotAJob;
    case ImportOutcome::CannotWrite:
        break;
    }
    return ExitCannotWrite;
}

int Export(const Options& options) {
    const std::vector<std::string>& names = options.positional();
    if (names.size() != 1)
        return UsageError(TableUsage, "export takes one table");
    const std::optional<ReferenceTable> which = ReferenceTableNamed(names[0]);
    if (!which)
        return UsageError(TableUsage, names[0] + " is not a reference table");
    const std::filesystem::path folder(options.text("--dir", "."));
    const TableSchema& schema = SchemaOf(*which);
    std::string message;
    std::unique_ptr<Table> table;
    if (RestoreMissingTable(folder, *which, ShippedTableFolders(), message))
        table =
            Table::Open((folder / schema.fileName).string(), TableAccess::ReadOnly, {}, message);
    if (!table || !CheckTableFields(*table, *which, message)) {
        std::cerr << message << '\n';
        return ExitMissingTable;
    }
    const std::string csv = TableToCsv(*table, *which);
    if (!options.has("-o")) {
        std::cout << csv;
        return std::cout.flush() ? ExitOk : ExitCannotWrite;
    }
    const FileResult written = WriteFileAtomically(options.text("-o"), csv.data(), csv.size());
    if (!written.ok) {
        std::cerr << written.message << '\n';
        return ExitCannotWrite;
    }
    return ExitOk;
}

} // namespace

int RunTable(Args args) {
    if (args.empty())
        return UsageError(TableUsage, "");
    const Options options(args.subspan(1), {"--dir", "-o"}, {});
    if (!options.ok())
        return UsageError(TableUsage, options.error());
    if (args[0] == "import")
        return Import(options);
    if (args[0] == "export")
        return Export(options);
    return UsageError(TableUsage, "table takes import or export");
}
