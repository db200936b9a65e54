#include "cli/JobInput.h"

#include "job/ClearJob.h"
#include "job/JobFile.h"

#include <iostream>

bool LoadJobForCommand(Job& job, const std::string& path) {
    ClearJob(job, BuiltInDefaults());
    const FileResult read = ReadJobFile(job, path);
    if (!read.ok) {
        std::cerr << read.message << ": " << path << "\n";
        return false;
    }
    return true;
}
