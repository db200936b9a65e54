#pragma once
// First run: reference tables missing from the working folder are copied there from the set
// installed with the program.

#include "tables/ReferenceTables.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Folders that may hold the shipped tables, in the order they are tried: beside an installed
// program (../share/quelbox), the configured install folder, and the build's data folder.
std::vector<std::filesystem::path> ShippedTableFolders();

// Copies one reference table into `folder` when the folder lacks it, from the first shipped
// folder holding a sound copy, through a temporary file renamed into place. Returns false with a
// message naming the table when it is still missing.
bool RestoreMissingTable(const std::filesystem::path& folder, ReferenceTable which,
                         const std::vector<std::filesystem::path>& shipped, std::string& message);

// Copies each reference table that `folder` lacks from the first shipped folder holding a sound
// copy. The copy goes through a temporary file renamed into place. Returns the tables that are
// still missing, each with a message naming it.
struct MissingTable {
    ReferenceTable table;
    std::string message;
};
std::vector<MissingTable>
RestoreMissingTables(const std::filesystem::path& folder,
                     const std::vector<std::filesystem::path>& shipped,
                     std::span<const ReferenceTable> which = AllReferenceTables);

// Copies a file the program ships (such as the report's logo) into `folder` from the first shipped
// folder holding it, when `folder` lacks it. False when it is still missing.
bool RestoreShippedFile(const std::filesystem::path& folder, const std::string& name,
                        const std::vector<std::filesystem::path>& shipped);

// Start-up: restores missing tables from the shipped set, then opens them (all four, or those
// named in `which`). A table still missing carries the restore's message as its problem.
ReferenceTables PrepareReferenceTables(const std::filesystem::path& folder,
                                       const std::vector<std::filesystem::path>& shipped,
                                       std::span<const ReferenceTable> which = AllReferenceTables);
