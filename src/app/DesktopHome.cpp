#include "app/DesktopHome.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr const char* FolderName = "quelbox";

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

std::filesystem::path BaseFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value == '/')
        return value;
    return HomeFolder() / fallback;
}

// Creates the folder and its parents; an empty answer when it is there.
std::string Create(const std::filesystem::path& folder) {
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (!failed && std::filesystem::is_directory(folder, failed))
        return {};
    return "The folder " + folder.string() + " cannot be created (" +
           (failed ? failed.message() : std::string("a file has its name")) +
           "); the current folder is used instead.";
}

} // namespace

DesktopHome DesktopHomeFolders() {
    return {BaseFolder("XDG_DATA_HOME", ".local/share") / FolderName,
            BaseFolder("XDG_CONFIG_HOME", ".config") / FolderName};
}

std::string UseDesktopHome(AppState& state) {
    const DesktopHome home = DesktopHomeFolders();
    std::string problems;
    if (std::string problem = Create(home.data); problem.empty())
        state.folder = home.data;
    else
        problems = problem;
    if (std::string problem = Create(home.config); problem.empty())
        state.profileFolder = home.config;
    else
        problems += (problems.empty() ? "" : "\n") + problem;
    return problems;
}
