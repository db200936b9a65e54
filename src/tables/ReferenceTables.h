#pragma once
// The four reference tables the program keeps open for its whole run. A table that could not be
// opened is absent and carries a message naming it; every operation that needs it must check.

#include "tables/Table.h"
#include "tables/TableSchemas.h"

#include <filesystem>
#include <memory>
#include <span>
#include <string>

struct ReferenceTables {
    std::unique_ptr<Table> insul;
    std::unique_ptr<Table> product;
    std::unique_ptr<Table> units;
    std::unique_ptr<Table> coils;
    // For each absent table, why it could not be opened (naming the file); empty for an open one.
    std::string insulProblem;
    std::string productProblem;
    std::string unitsProblem;
    std::string coilsProblem;

    Table* get(ReferenceTable which) const;
    std::unique_ptr<Table>& slot(ReferenceTable which);
    const std::string& problem(ReferenceTable which) const;
    std::string& problem(ReferenceTable which);
    bool allOpen() const;
};

// Opens one table of `folder` with its tags, selects its start-up tag and checks its fields.
std::unique_ptr<Table> OpenReferenceTable(const std::filesystem::path& folder, ReferenceTable which,
                                          std::string& message);

// Opens the tables of `folder` named in `which` (by default all four); the others stay absent.
ReferenceTables OpenReferenceTables(const std::filesystem::path& folder,
                                    std::span<const ReferenceTable> which = AllReferenceTables);
