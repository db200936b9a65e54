#include "core_scratch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string MakeFolder() {
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/quelbox-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

const std::string& Folder() {
    static const std::string folder = [] {
        std::string made = MakeFolder();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return made;
    }();
    return folder;
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
