#include "CliRun.h"

#include <cstdio>
#include <sys/wait.h>

CliRun RunCli(const std::string& args, bool stderrToo) {
    const std::string command =
        std::string(QUELBOX_CLI) + " " + args + (stderrToo ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = ::popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}
