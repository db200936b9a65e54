#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// An INI-style profile file held in memory:
//   [section]
//   key=value
// Section and key names compare without regard to ASCII case; the first matching key wins.
// Blanks around names and values are dropped, and a value wrapped in double quotes loses them.
// Lines starting with ';' or '#' are comments. Only the first 1 MiB of a file is read.
class ProfileFile {
public:
    // A file that cannot be read gives an empty profile.
    static ProfileFile Load(const std::filesystem::path& file);
    explicit ProfileFile(std::string content) : content(std::move(content)) {}

    // The value of the key in the section, or nothing when there is no such key.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

private:
    std::string content;
};
