#include "tables/ShippedTables.h"

#include "tables/DbfLayout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Writes `bytes` to `target` through a flushed temporary file in the same folder.
bool WriteThroughTemporary(const fs::path& target, const std::string& bytes, std::string& why) {
    std::string temp = target.string() + ".copyXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    ::fchmod(fd, 0644);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            why = std::strerror(n < 0 ? errno : EIO);
            ::close(fd);
            std::remove(temp.c_str());
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        why = std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        why = std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool ReadWhole(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return static_cast<bool>(in) || in.eof();
}

} // namespace

std::vector<fs::path> ShippedTableFolders() {
    std::vector<fs::path> folders;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        folders.push_back(program.parent_path().parent_path() / "share" / "quelbox");
    folders.emplace_back(QUELBOX_INSTALL_DATA_DIR);
    folders.emplace_back(QUELBOX_BUILD_DATA_DIR);
    return folders;
}

bool RestoreMissingTable(const fs::path& folder, ReferenceTable which,
                         const std::vector<fs::path>& shipped, std::string& message) {
    const std::string name = SchemaOf(which).fileName;
    const fs::path target = folder / name;
    std::error_code error;
    if (fs::exists(target, error) || error == std::errc::permission_denied)
        return true;
    std::string why = "no copy was installed with the program";
    for (const fs::path& source : shipped) {
        const fs::path from = source / name;
        std::string damage;
        std::string bytes;
        if (!fs::exists(from, error))
            continue;
        if (!ReadDbfLayout(from.string(), damage) || !ReadWhole(from, bytes)) {
            why = "the copy installed with the program is damaged (" + damage + ")";
            continue;
        }
        if (WriteThroughTemporary(target, bytes, why))
            return true;
        why = "it cannot be copied there: " + why;
        break;
    }
    message = name + " is missing from " + folder.string() + " and " + why;
    return false;
}

std::vector<MissingTable> RestoreMissingTables(const fs::path& folder,
                                               const std::vector<fs::path>& shipped) {
    std::vector<MissingTable> missing;
    for (ReferenceTable which : AllReferenceTables) {
        std::string message;
        if (!RestoreMissingTable(folder, which, shipped, message))
            missing.push_back({which, message});
    }
    return missing;
}

ReferenceTables PrepareReferenceTables(const fs::path& folder,
                                       const std::vector<fs::path>& shipped) {
    const std::vector<MissingTable> missing = RestoreMissingTables(folder, shipped);
    ReferenceTables tables = OpenReferenceTables(folder);
    for (const MissingTable& m : missing) {
        if (tables.get(m.table) != nullptr)
            continue;
        tables.problem(m.table) = m.message;
    }
    return tables;
}
