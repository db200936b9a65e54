#pragma once
// Building a reference table from a CSV file: read, check every row, then replace the table as a
// whole. Shared by the build's table builder and `quelbox-cli table import`.

#include "tables/TableSchemas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A catalog of a few thousand records is well under a megabyte; anything past this is refused
// before it is read.
inline constexpr std::uintmax_t MaxTableCsvBytes = 64u << 20;

enum class ImportOutcome {
    Imported,
    BadInput,    // the CSV text is malformed or a row is wrong; nothing was written
    Unreadable,  // the CSV file cannot be read
    CannotWrite, // the table cannot be replaced; the old one is kept
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Imported;
    std::vector<std::string> messages; // every fault, each naming the file, line and column
    std::string summary;               // on success: what the new table holds
};

// The table a file name stands for (INSUL.DAT, PRODUCT.DAT, UNITS.DAT, COILS.DAT, in any case).
std::optional<ReferenceTable> ReferenceTableNamed(const std::string& name);

// Builds table `which` at `tablePath` from the CSV file at `csvPath`. A file larger than
// `sizeLimit`, a folder or a device is refused before anything is read.
ImportResult ImportTableCsv(ReferenceTable which, const std::string& csvPath,
                            const std::string& tablePath,
                            std::uintmax_t sizeLimit = MaxTableCsvBytes);
