#include "CommandCapture.h"

#include <cstdio>
#include <iostream>
#include <string_view>
#include <unistd.h>

namespace {

// Points descriptor `fd` at a fresh temporary file until Take() gives its bytes back.
class Redirect {
public:
    explicit Redirect(int fd) : fd_(fd), file_(std::tmpfile()), saved_(::dup(fd)) {
        if (file_ != nullptr && saved_ >= 0)
            ::dup2(::fileno(file_), fd_);
    }
    Redirect(const Redirect&) = delete;
    Redirect& operator=(const Redirect&) = delete;
    ~Redirect() {
        Restore();
        if (file_ != nullptr)
            std::fclose(file_);
    }

    std::string Take() {
        Restore();
        std::string bytes;
        if (file_ == nullptr)
            return "(no temporary file)";
        std::rewind(file_);
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            bytes.append(buffer, n);
        return bytes;
    }

private:
    void Restore() {
        if (saved_ >= 0) {
            ::dup2(saved_, fd_);
            ::close(saved_);
            saved_ = -1;
        }
    }
    int fd_;
    std::FILE* file_;
    int saved_;
};

void FlushAll() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
}

} // namespace

std::string CapturedRun::Whole() const {
    return "exit " + std::to_string(status) + "\n" + out + "\n--- stderr\n" + err;
}

CapturedRun RunCommand(int (*command)(Args), const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    CapturedRun run;
    FlushAll();
    Redirect out(STDOUT_FILENO);
    Redirect err(STDERR_FILENO);
    run.status = command(Args(views));
    FlushAll();
    run.out = out.Take();
    run.err = err.Take();
    // A failed stream (a command that saw a write fault) must not silence the next run.
    std::clearerr(stdout);
    std::cout.clear();
    return run;
}
