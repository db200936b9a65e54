#include "core_scratch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// The folder, removed with what it holds when the process ends.
struct ScratchFolder {
    std::string path;

    ScratchFolder() {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        path = std::string(base) + "/quelbox-fuzz-XXXXXX";
        if (::mkdtemp(path.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& Folder() {
    static const ScratchFolder folder;
    return folder.path;
}

} // namespace

std::string ScratchFile(const std::string& name) {
    return Folder() + "/" + name;
}

void WriteScratchFile(const std::string& path, const uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || (size > 0 && std::fwrite(data, 1, size, f) != size) ||
        std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}
