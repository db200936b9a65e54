#include "GoldenFile.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool UpdateRequested() {
    const char* update = std::getenv("QUELBOX_GOLDEN_UPDATE");
    return update != nullptr && std::string_view(update) == "1";
}

std::string Hex(std::uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, digest);
    return text;
}

// The stored lines "key digest"; comment lines start with '#'.
std::map<std::string, std::string> ReadStored(const std::string& path, bool& found) {
    std::map<std::string, std::string> stored;
    std::ifstream in(path);
    found = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t blank = line.rfind(' ');
        if (blank == std::string::npos)
            continue;
        stored[line.substr(0, blank)] = line.substr(blank + 1);
    }
    return stored;
}

} // namespace

std::uint64_t Fnv1a64(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

GoldenOutputs::GoldenOutputs(std::string fileName, std::string title)
    : path_(std::string(QUELBOX_GOLDEN_DIR) + "/" + fileName), title_(std::move(title)) {}

void GoldenOutputs::Add(const std::string& job, const std::string& system, const std::string& kind,
                        std::string_view output) {
    const std::string key = job + " " + system + " " + kind;
    EXPECT_TRUE(digests_.emplace(key, Fnv1a64(output)).second) << "made twice: " << key;
    if (const char* dump = std::getenv("QUELBOX_GOLDEN_DUMP"); dump != nullptr && *dump != 0) {
        std::filesystem::create_directories(dump);
        std::ofstream(std::filesystem::path(dump) / (job + "." + system + "." + kind),
                      std::ios::binary)
            .write(output.data(), static_cast<std::streamsize>(output.size()));
    }
}

void GoldenOutputs::Check() const {
    if (UpdateRequested()) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << "# " << title_ << "\n"
            << "# One line per output: job (sample, or r001..r200 of the fixed-seed random jobs),\n"
            << "# unit system (- when the output has none), kind, 64-bit FNV-1a of the bytes.\n"
            << "# Regenerate ONLY for an intended change of output, never to make a refactoring\n"
            << "# pass: QUELBOX_GOLDEN_UPDATE=1 ctest -R Golden (from the build folder).\n";
        for (const auto& [key, digest] : digests_)
            out << key << " " << Hex(digest) << "\n";
        ASSERT_TRUE(out.good()) << "cannot write " << path_;
        std::printf("rewrote %s with %zu digests\n", path_.c_str(), digests_.size());
        return;
    }
    bool found = false;
    const std::map<std::string, std::string> stored = ReadStored(path_, found);
    ASSERT_TRUE(found) << "no golden file " << path_ << " (make it with QUELBOX_GOLDEN_UPDATE=1)";
    std::ostringstream differences;
    int count = 0;
    for (const auto& [key, digest] : digests_) {
        const auto it = stored.find(key);
        if (it == stored.end()) {
            differences << "  new output, no digest stored: " << key << "\n";
            ++count;
        } else if (it->second != Hex(digest)) {
            differences << "  output changed: " << key << "\n";
            ++count;
        }
    }
    for (const auto& [key, digest] : stored) {
        if (digests_.find(key) == digests_.end()) {
            differences << "  output no longer made: " << key << "\n";
            ++count;
        }
    }
    EXPECT_EQ(count, 0) << count << " of " << digests_.size() << " outputs differ from " << path_
                        << ":\n"
                        << differences.str()
                        << "Behaviour must not change; QUELBOX_GOLDEN_DUMP=FOLDER writes the "
                           "outputs to compare two builds.";
}
