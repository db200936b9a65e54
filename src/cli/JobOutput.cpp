#include "cli/JobOutput.h"

#include "cli/ExitCodes.h"
#include "cli/StandardOutput.h"
#include "job/JobFile.h"

#include <iostream>

bool IsStandardOutput(const std::string& target) {
    return target == "-";
}

int WriteJobForCommand(Job& job, const std::string& target) {
    if (IsStandardOutput(target)) {
        const JobImage& image = JobFileImage(job);
        return WriteStandardOutput(&image, sizeof image) ? ExitOk : ExitCannotWrite;
    }
    const FileResult written = WriteJobFile(job, target);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}
