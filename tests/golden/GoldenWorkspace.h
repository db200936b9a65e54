#pragma once
// The folder the golden tests work in: a copy of the shipped tables (New Job and the product
// choices may add records), a submitter file, the shipped logo, and the golden jobs written as
// job files.

#include "../job/TempFolder.h"
#include "job/Job.h"
#include "tables/ReferenceTables.h"

#include <string>

class GoldenWorkspace {
public:
    GoldenWorkspace();

    const std::string& Folder() const { return folder_.Path(); }
    ReferenceTables& Tables() { return tables_; }

    // Makes golden job `index` (0: the sample), writes it as a job file and returns its path.
    std::string WriteJob(int index, Job& job);

private:
    TempFolder folder_;
    ReferenceTables tables_;
};
