#pragma once
// Writing the job a command made or changed where its output argument points.

#include "job/Job.h"

#include <string>

// Writes the job file to `target`: "-" is standard output, anything else a file written safely.
// Returns the exit status; on failure the message (naming the file and the reason) has gone to
// standard error.
int WriteJobForCommand(Job& job, const std::string& target);

// Whether an output argument names standard output.
bool IsStandardOutput(const std::string& target);
