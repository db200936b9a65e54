#include "tables/TableReplace.h"

#include "job/SafeWrite.h"
#include "job/SafeWriteLock.h"
#include "tables/Table.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

bool FillTable(const std::string& path, ReferenceTable which,
               const std::vector<std::vector<std::string>>& records, std::string& message) {
    if (!Table::Create(path, SchemaOf(which).fields, message))
        return false;
    std::unique_ptr<Table> table = Table::Open(path, TableAccess::ReadWrite, {}, message);
    if (!table)
        return false;
    for (const std::vector<std::string>& record : records) {
        table->d4appendStart(0);
        for (std::size_t i = 0; i < record.size(); ++i)
            table->f4assign(static_cast<int>(i + 1), record[i]);
        if (table->d4append() != r4success) {
            message = table->lastError();
            return false;
        }
    }
    return true;
}

// Opens the new file as the program opens the table (fields, tags) and counts its records.
bool CheckWritten(const std::string& path, ReferenceTable which, std::size_t count,
                  std::string& message) {
    const TableSchema& schema = SchemaOf(which);
    std::unique_ptr<Table> table = Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
    if (!table || !CheckTableFields(*table, which, message))
        return false;
    if (static_cast<std::size_t>(table->d4recCountDo()) != count) {
        message = "it holds " + std::to_string(table->d4recCountDo()) + " records, not " +
                  std::to_string(count);
        return false;
    }
    return true;
}

// Builds the table in a scratch file beside the old one, checks it and returns its bytes.
bool BuildTableBytes(const std::string& path, ReferenceTable which,
                     const std::vector<std::vector<std::string>>& records, std::string& bytes,
                     std::string& message) {
    std::string scratch = path + ".newXXXXXX";
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) {
        message = "cannot create the new table in its folder: " + std::string(std::strerror(errno));
        return false;
    }
    ::close(fd);
    bool ok = false;
    if (!FillTable(scratch, which, records, message))
        message = "the new table cannot be written: " + message;
    else if (!CheckWritten(scratch, which, records.size(), message))
        message = "the new table did not come out whole: " + message;
    else {
        std::ifstream in(scratch, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        ok = !in.bad();
        if (!ok)
            message = "the new table cannot be read back";
    }
    std::remove(scratch.c_str());
    return ok;
}

} // namespace

FileResult ReplaceReferenceTable(const std::string& path, ReferenceTable which,
                                 const std::vector<std::vector<std::string>>& records) {
    // The old table stays locked until the new one is in its place, so no other writer's change
    // slips in between; one that is busy now refuses the import rather than making it wait.
    std::unique_ptr<FileUpdateLock> lock;
    std::string message;
    if (::access(path.c_str(), F_OK) == 0) {
        lock = FileUpdateLock::Acquire(path, message, LockWait::Refuse);
        if (!lock)
            return FileResult::Failure(path + ": the table cannot be locked (" + message +
                                       "); it was not replaced");
    }
    std::string bytes;
    if (!BuildTableBytes(path, which, records, bytes, message))
        return FileResult::Failure(path + ": " + message + "; the old table is kept");
    const FileResult written = WriteFileAtomically(path, bytes.data(), bytes.size());
    if (!written.ok)
        return FileResult::Failure(written.message + "; the old table is kept");
    return written;
}
