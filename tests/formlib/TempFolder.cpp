#include "TempFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "formlib-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    folder = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TempFolder::PathOf(const std::string& fileName) const {
    return (folder / fileName).string();
}
