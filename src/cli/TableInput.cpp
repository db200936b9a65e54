#include "cli/TableInput.h"

#include "tables/ShippedTables.h"

#include <iostream>

bool OpenTablesForCommand(const std::string& folder, std::initializer_list<ReferenceTable> needed,
                          ReferenceTables& tables) {
    // Only the tables the command reads are looked at.
    tables = PrepareReferenceTables(folder.empty() ? "." : folder, ShippedTableFolders(),
                                    std::span<const ReferenceTable>(needed.begin(), needed.size()));
    for (ReferenceTable which : needed) {
        if (!tables.get(which)) {
            std::cerr << tables.problem(which) << "\n";
            return false;
        }
    }
    return true;
}
