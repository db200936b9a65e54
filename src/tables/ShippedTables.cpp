#include "tables/ShippedTables.h"

#include "job/SafeWrite.h"
#include "tables/DbfLayout.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

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
        const FileResult copied = WriteFileAtomically(target.string(), bytes.data(), bytes.size());
        if (copied.ok)
            return true;
        why = "it cannot be copied there: " + copied.message;
        break;
    }
    message = name + " is missing from " + folder.string() + " and " + why;
    return false;
}

bool RestoreShippedFile(const fs::path& folder, const std::string& name,
                        const std::vector<fs::path>& shipped) {
    std::error_code error;
    if (fs::exists(folder / name, error))
        return true;
    for (const fs::path& source : shipped) {
        std::string bytes;
        if (fs::exists(source / name, error) && ReadWhole(source / name, bytes))
            return WriteFileAtomically((folder / name).string(), bytes.data(), bytes.size()).ok;
    }
    return false;
}

std::vector<MissingTable> RestoreMissingTables(const fs::path& folder,
                                               const std::vector<fs::path>& shipped,
                                               std::span<const ReferenceTable> tables) {
    std::vector<MissingTable> missing;
    for (ReferenceTable which : tables) {
        std::string message;
        if (!RestoreMissingTable(folder, which, shipped, message))
            missing.push_back({which, message});
    }
    return missing;
}

ReferenceTables PrepareReferenceTables(const fs::path& folder, const std::vector<fs::path>& shipped,
                                       std::span<const ReferenceTable> which) {
    const std::vector<MissingTable> missing = RestoreMissingTables(folder, shipped, which);
    ReferenceTables tables = OpenReferenceTables(folder, which);
    for (const MissingTable& m : missing) {
        if (tables.get(m.table) != nullptr)
            continue;
        tables.problem(m.table) = m.message;
    }
    return tables;
}
