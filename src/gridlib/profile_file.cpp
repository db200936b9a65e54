#include "profile_file.h"

#include <cstddef>
#include <fstream>

namespace {

constexpr std::size_t maxProfileBytes = 1 << 20;

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

ProfileFile ProfileFile::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string content;
    char chunk[4096];
    while (in && content.size() < maxProfileBytes) {
        in.read(chunk, sizeof chunk);
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (content.size() > maxProfileBytes)
        content.resize(maxProfileBytes);
    return ProfileFile(std::move(content));
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
    std::string_view rest = content;
    bool inSection = false;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = Trim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);

        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        EqualAsciiNoCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        if (!EqualAsciiNoCase(Trim(line.substr(0, equals)), key))
            continue;
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}
