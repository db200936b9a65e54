#pragma once
// Replacing a whole reference table with new records, written once: the new file goes to a
// hidden scratch file in the table's folder (the safe-write path), is flushed to disk, opened and
// checked as the program opens its tables, and only then renamed over the old table. Whatever
// fails, the old table keeps its bytes.

#include "job/FileResult.h"
#include "tables/NewTableFile.h"
#include "tables/TableSchemas.h"

#include <string>

// Why table `which` cannot be written at `path` at all (its folder is missing, the name holds a
// FIFO, a device, a folder or a read-only file), naming the path; empty when it may be tried.
std::string TableTargetRefusal(const std::string& path);

// Writes `records` as the complete table `which` at `path`, and gives their memory back once
// they are written. A table another program holds locked is not replaced. The message names the
// file and the reason.
FileResult ReplaceReferenceTable(const std::string& path, ReferenceTable which,
                                 NewTableFile& records);
