#pragma once
// The recent-files list in the profile file "kelvo.ini": section [Recent File List], keys
// File1 to File4.

#include <string>
#include <vector>

std::vector<std::string> LoadRecentFiles(const std::string& profilePath);
void SaveRecentFiles(const std::string& profilePath, const std::vector<std::string>& files);
