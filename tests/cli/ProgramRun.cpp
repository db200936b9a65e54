#include "ProgramRun.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int NoNamespaceStatus = 125;

// In the child: a private /dev with null, full and stdout. False when it cannot be made.
bool MakePrivateDev() {
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", "/dev", "tmpfs", 0, "size=64k") == 0 &&
           ::mknod("/dev/null", S_IFCHR | 0666, makedev(1, 3)) == 0 &&
           ::mknod("/dev/full", S_IFCHR | 0666, makedev(1, 7)) == 0 &&
           ::symlink("/proc/self/fd/1", "/dev/stdout") == 0;
}

void SetEnvironment(const std::vector<std::string>& environment) {
    for (const std::string& entry : environment) {
        const std::size_t eq = entry.find('=');
        const std::string name = entry.substr(0, eq);
        if (eq + 1 == entry.size())
            ::unsetenv(name.c_str());
        else
            ::setenv(name.c_str(), entry.c_str() + eq + 1, 1);
    }
}

[[noreturn]] void RunChild(const std::string& program, const std::vector<std::string>& args,
                           const RunSetting& setting, int outFd, int errFd) {
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    if (setting.output == RunSetting::Output::File) {
        const int file = ::open(setting.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0 || ::dup2(file, 1) < 0)
            ::_exit(126);
        ::close(file);
    } else if (setting.output == RunSetting::Output::Closed) {
        ::close(1);
    }
    if (!setting.workingFolder.empty() && ::chdir(setting.workingFolder.c_str()) != 0)
        ::_exit(126);
    ::signal(SIGXFSZ, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    SetEnvironment(setting.environment);
    std::vector<std::string> argv;
    if (setting.privateDev) {
        if (!MakePrivateDev())
            ::_exit(NoNamespaceStatus);
        std::string command = "\"$0\"";
        for (std::size_t i = 0; i < args.size(); ++i)
            command += " \"$" + std::to_string(i + 1) + "\"";
        command += "; rc=$?; [ -c /dev/null ] && [ -c /dev/full ] || exit 99; exit $rc";
        argv = {"/bin/sh", "-c", command, program};
    } else {
        argv = {program};
    }
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);
    rlimit limit{setting.fileSizeLimit, RLIM_INFINITY};
    if (setting.fileSizeLimit != RLIM_INFINITY)
        ::setrlimit(RLIMIT_FSIZE, &limit);
    ::alarm(setting.timeLimitSeconds);
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
}

void Drain(int outFd, int errFd, ProgramRun& run) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* into[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const RunSetting& setting) {
    ProgramRun run;
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return run;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        ::close(err[0]);
        RunChild(program, args, setting, out[1], err[1]);
    }
    ::close(out[1]);
    ::close(err[1]);
    Drain(out[0], err[0], run);
    ::close(out[0]);
    ::close(err[0]);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    if (WIFEXITED(raw)) {
        run.status = WEXITSTATUS(raw);
        run.noPrivateDev = setting.privateDev && run.status == NoNamespaceStatus;
    } else if (WIFSIGNALED(raw)) {
        run.status = 128 + WTERMSIG(raw);
        run.hung = WTERMSIG(raw) == SIGALRM;
    }
    return run;
}

ProgramRun RunQuelboxCli(const std::vector<std::string>& args, const RunSetting& setting) {
    return RunProgram(QUELBOX_CLI, args, setting);
}
