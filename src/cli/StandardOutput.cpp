#include "cli/StandardOutput.h"

#include "cli/ExitCodes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t OutputBufferSize = 64 * 1024;

// Reports the failure once: what was not written is gone, and standard output is clear again.
bool Failed(const char* reason) {
    std::fprintf(stderr, "Cannot write standard output: %s\n", reason);
    std::clearerr(stdout);
    return false;
}

} // namespace

void PrepareStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Standard input opened for writing only, the output streams for reading only.
        const int opened = ::open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY));
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
    if (::isatty(STDOUT_FILENO) == 0)
        std::setvbuf(stdout, nullptr, _IOFBF, OutputBufferSize);
}

bool FlushStandardOutput() {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::ferror(stdout) == 0)
        return true;
    // A write that failed before this flush (output past the buffer) left no reason behind.
    return Failed(flushed ? "a write to it failed" : std::strerror(error));
}

bool WriteStandardOutput(const void* data, std::size_t size) {
    if (std::fwrite(data, 1, size, stdout) != size)
        return Failed(std::strerror(errno));
    return FlushStandardOutput();
}

int FinishStandardOutput(int status) {
    return FlushStandardOutput() || status != ExitOk ? status : ExitCannotWrite;
}
