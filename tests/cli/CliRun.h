#pragma once
// Running quelbox-cli from a test.

#include <string>

struct CliRun {
    int status;
    std::string out;
};

// Runs quelbox-cli with the arguments (a shell command line); stderr is folded into the output
// unless `stderrToo` is false, when only stdout is kept.
CliRun RunCli(const std::string& args, bool stderrToo = true);
