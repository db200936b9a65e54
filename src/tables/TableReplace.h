#pragma once
// Replacing a whole reference table with new records: the records go into a scratch table in the
// same folder, which is opened and checked as the program opens its tables; only then are its
// bytes written through the safe-write path (a temporary file in the same folder, flushed to
// disk and renamed over the old table). Whatever fails, the old table keeps its bytes.

#include "job/FileResult.h"
#include "tables/TableSchemas.h"

#include <string>
#include <vector>

// Writes `records` (field texts in the table's field order, as CheckTableCsv gives them) as the
// complete table `which` at `path`. A table another program holds locked is not replaced. The
// message names the file and the reason.
FileResult ReplaceReferenceTable(const std::string& path, ReferenceTable which,
                                 const std::vector<std::vector<std::string>>& records);
