#pragma once
// Runs a program (quelbox-cli, quelbox) in a child process under real faults: a file size limit,
// standard output on a pipe, a private /dev, a time limit that catches a hang.

#include <string>
#include <sys/resource.h>
#include <vector>

struct ProgramRun {
    int status = -1;           // the exit status, or 128 + the signal that ended the program
    std::string out;           // standard output
    std::string err;           // standard error
    bool hung = false;         // killed at the time limit
    bool noPrivateDev = false; // a private /dev was asked for and could not be made
};

struct RunSetting {
    rlim_t fileSizeLimit = RLIM_INFINITY;
    unsigned timeLimitSeconds = 30;
    // Runs in a private mount namespace whose /dev is a fresh tmpfs holding null, full, and
    // stdout (a link to /proc/self/fd/1). After the program, the shell checks that null and full
    // are still devices (exit 99 when not). Needs root.
    bool privateDev = false;
    std::vector<std::string> environment; // NAME=VALUE added; NAME= alone removes NAME
    // Where standard output goes: a pipe read into ProgramRun::out, the file `outputFile`
    // ("/dev/full", or a file created or emptied), or nowhere: descriptor 1 closed.
    enum class Output { Pipe, File, Closed };
    Output output = Output::Pipe;
    std::string outputFile;
    std::string workingFolder; // where the program starts; empty: the test's own
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const RunSetting& setting = {});

// quelbox-cli with the arguments.
ProgramRun RunQuelboxCli(const std::vector<std::string>& args, const RunSetting& setting = {});
