#include "tables/TableReplace.h"

#include "job/SafeWrite.h"
#include "job/SafeWriteLock.h"
#include "tables/Table.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Opens the new file as the program opens the table (fields, tags) and counts its records.
std::string CheckWritten(const std::string& written, ReferenceTable which, std::size_t count) {
    const TableSchema& schema = SchemaOf(which);
    std::string message;
    std::unique_ptr<Table> table =
        Table::Open(written, TableAccess::ReadOnly, schema.tags, message);
    if (!table || !CheckTableFields(*table, which, message))
        return "the new table did not come out whole: " + message;
    if (static_cast<std::size_t>(table->d4recCountDo()) != count)
        return "the new table did not come out whole: it holds " +
               std::to_string(table->d4recCountDo()) + " records, not " + std::to_string(count);
    return {};
}

// The safe write's reason, told as a stage of the import where it is one.
std::string Reason(const std::string& failed) {
    for (const char* stage : {"writing failed", "flushing to disk failed", "the written file"})
        if (failed.starts_with(stage))
            return "the new table cannot be written: " + failed;
    return failed;
}

} // namespace

std::string TableTargetRefusal(const std::string& path) {
    const std::string folder = FolderOf(WriteTarget(path).empty() ? path : WriteTarget(path));
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return folder + ": no such folder";
    if (!S_ISDIR(info.st_mode))
        return folder + ": not a folder";
    if (const std::string refusal = ReplaceRefusal(path); !refusal.empty())
        return path + ": " + refusal + ", so no table can replace it";
    return {};
}

FileResult ReplaceReferenceTable(const std::string& path, ReferenceTable which,
                                 NewTableFile& records) {
    if (const std::string refusal = TableTargetRefusal(path); !refusal.empty())
        return FileResult::Failure(refusal);
    // The old table stays locked until the new one is in its place, so no other writer's change
    // slips in between; one that is busy now refuses the import rather than making it wait.
    std::unique_ptr<FileUpdateLock> lock;
    const bool replacing = ::access(path.c_str(), F_OK) == 0;
    if (replacing) {
        std::string why;
        lock = FileUpdateLock::Acquire(path, why, LockWait::Refuse);
        if (!lock)
            return FileResult::Failure(path + ": the table cannot be locked (" + why +
                                       "); it was not replaced");
    }
    const std::size_t count = records.count();
    const std::string_view bytes = records.finish();
    // Once written the bytes are no longer needed: opening the new table takes memory of its own.
    const std::string failed = ReplaceFileAtomically(
        path, bytes.data(), bytes.size(), [which, count, &records](const std::string& written) {
            records.release();
            return CheckWritten(written, which, count);
        });
    if (failed.empty())
        return FileResult::Success();
    return FileResult::Failure("Cannot write " + path + ": " + Reason(failed) +
                               (replacing ? "; the old table is kept" : ""));
}
