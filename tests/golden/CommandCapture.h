#pragma once
// Runs a quelbox-cli subcommand in this process, as main() would, and keeps what it wrote to
// standard output and standard error.

#include "cli/Commands.h"

#include <string>
#include <vector>

struct CapturedRun {
    int status = -1;
    std::string out;
    std::string err;

    // Everything the run showed, as one text to digest.
    std::string Whole() const;
};

CapturedRun RunCommand(int (*command)(Args), const std::vector<std::string>& args);
