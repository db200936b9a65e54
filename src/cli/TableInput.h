#pragma once
// Opening the reference tables a command needs, from the working folder or --dir.

#include "tables/ReferenceTables.h"

#include <initializer_list>
#include <string>

// Opens the tables of `folder` the command reads, `needed`, and no other (copying a missing one
// from the shipped set first). When one is still missing, prints its message to stderr and
// returns false.
bool OpenTablesForCommand(const std::string& folder, std::initializer_list<ReferenceTable> needed,
                          ReferenceTables& tables);
