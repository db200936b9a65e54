#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder();
    // The same under `parent` instead of the system's temporary folder.
    explicit TempFolder(const std::string& parent);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
