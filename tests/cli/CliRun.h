#pragma once
// Running a command line (quelbox-cli or a checking tool) from a test.

#include <string>

struct ShellRun {
    int status = -1; // the exit status, or -1 when the command did not exit normally
    std::string out;
};
using CliRun = ShellRun;

// Runs the shell command line; stderr is folded into the output unless `stderrToo` is false,
// when only stdout is kept.
ShellRun RunShell(const std::string& command, bool stderrToo = true);

// Runs quelbox-cli with the arguments (a shell command line), as RunShell does.
CliRun RunCli(const std::string& args, bool stderrToo = true);
