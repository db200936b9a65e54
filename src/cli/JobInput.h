#pragma once
// Reading the job a command works on, with the program's own message on failure.

#include "job/Job.h"

#include <string>

// Reads the job file as loading a job does. On failure prints the message and the path to
// stderr and returns false.
bool LoadJobForCommand(Job& job, const std::string& path);
