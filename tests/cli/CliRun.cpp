#include "CliRun.h"

#include <cstdio>
#include <sys/wait.h>

ShellRun RunShell(const std::string& command, bool stderrToo) {
    ShellRun run;
    FILE* pipe = ::popen((command + (stderrToo ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
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

CliRun RunCli(const std::string& args, bool stderrToo) {
    return RunShell(std::string(QUELBOX_CLI) + " " + args, stderrToo);
}
