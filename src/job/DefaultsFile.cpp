#include "job/DefaultsFile.h"

#include "job/SafeWrite.h"

#include <cerrno>
#include <filesystem>

FileResult ReadDefaultsFile(TDefaults& defaults, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        defaults = BuiltInDefaults();
        return FileResult::Success();
    }
    TDefaults read = defaults;
    errno = 0;
    if (ReadFilePrefix(path, &read, sizeof read) < 0)
        return FileResult::Failure("Cannot read " + path + ": " +
                                   ReadFailure(errno != 0 ? errno : EIO));
    defaults = read;
    return FileResult::Success();
}

FileResult WriteDefaultsFile(const TDefaults& defaults, const std::string& path) {
    return WriteFileAtomically(path, &defaults, sizeof defaults);
}
