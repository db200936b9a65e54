#include "job/SafeFileName.h"

std::string SafeFileName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::string safe(name);
    for (char& c : safe)
        if (ForbiddenFileNameCharacters.find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 0x20 || c == '\x7f')
            c = '-';
    return safe;
}
