#pragma once
// The recent-files list in the profile "kelvo.ini": section [Recent File List], keys File1 to
// File4.

#include "app/KelvoProfile.h"

#include <string>
#include <vector>

std::vector<std::string> LoadRecentFiles(const KelvoProfile& profile);
void StoreRecentFiles(KelvoProfile& profile, const std::vector<std::string>& files);
