#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    std::string PathOf(const std::string& fileName) const;

private:
    std::filesystem::path folder;
};
