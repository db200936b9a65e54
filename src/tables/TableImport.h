#pragma once
// Building a reference table from a CSV file: read, check every row, then replace the table as a
// whole. Shared by the build's table builder and `quelbox-cli table import`.

#include "tables/TableSchemas.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// A maker's catalog of 100,000 units is under 12 MB; anything past this is refused before it is
// read.
inline constexpr std::uintmax_t MaxTableCsvBytes = 64u << 20;

enum class ImportOutcome {
    Imported,
    BadInput,    // the CSV text is malformed or a row is wrong; nothing was written
    Unreadable,  // the CSV file cannot be read, or is not a regular file
    CannotWrite, // the table cannot be replaced; an old one is kept
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Imported;
    std::size_t faults = 0; // rows' faults told
    std::string summary;    // on success: what the new table holds
};

// Takes each message (a fault naming the file, line and column, or why nothing was written) as
// soon as it is known.
using ImportMessages = std::function<void(const std::string& message)>;

// The table a file name stands for (INSUL.DAT, PRODUCT.DAT, UNITS.DAT, COILS.DAT, in any case).
std::optional<ReferenceTable> ReferenceTableNamed(const std::string& name);

// Builds table `which` at `tablePath` from the CSV file at `csvPath`. A table that cannot be
// written there is refused before the file is read; a file larger than `sizeLimit`, a folder or
// a device before anything of it is read.
ImportResult ImportTableCsv(ReferenceTable which, const std::string& csvPath,
                            const std::string& tablePath, const ImportMessages& messages,
                            std::uintmax_t sizeLimit = MaxTableCsvBytes);
