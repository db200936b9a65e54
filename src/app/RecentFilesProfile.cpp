#include "app/RecentFilesProfile.h"

#include "app/AppState.h"

namespace {

constexpr const char* Section = "Recent File List";

std::string Key(int i) {
    return "File" + std::to_string(i + 1);
}

} // namespace

std::vector<std::string> LoadRecentFiles(const KelvoProfile& profile) {
    std::vector<std::string> files;
    for (int i = 0; i < RecentFileCount; ++i) {
        const std::optional<std::string> file = profile.value(Section, Key(i));
        if (file && !file->empty())
            files.push_back(*file);
    }
    return files;
}

void StoreRecentFiles(KelvoProfile& profile, const std::vector<std::string>& files) {
    for (int i = 0; i < RecentFileCount; ++i) {
        if (static_cast<std::size_t>(i) < files.size())
            profile.setValue(Section, Key(i), files[static_cast<std::size_t>(i)]);
        else
            profile.remove(Section, Key(i));
    }
}
