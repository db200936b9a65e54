// quelbox-cli table import|export: a reference table to and from its CSV form.

#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Options.h"
#include "cli/StandardOutput.h"
#include "job/JobFile.h"
#include "job/SafeWrite.h"
#include "tables/DbfLayout.h"
#include "tables/ShippedTables.h"
#include "tables/TableCsv.h"
#include "tables/TableImport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* TableUsage = "table import TABLE.DAT FILE.csv [--dir DIR]\n"
                                   "       quelbox-cli table export TABLE.DAT [-o FILE.csv|-] "
                                   "[--dir DIR]";
constexpr const char* StandardOutput = "-";
// Fault messages are written in pieces of this size: a big file may have a fault on every line.
constexpr std::size_t MessageBatch = 1 << 16;

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Messages for standard error, gathered into large writes.
class MessageStream {
public:
    ~MessageStream() { Flush(); }
    void Line(const std::string& text) {
        buffer_ += text;
        buffer_ += '\n';
        if (buffer_.size() >= MessageBatch)
            Flush();
    }
    void Flush() {
        std::cerr.flush();
        WriteAll(STDERR_FILENO, buffer_);
        buffer_.clear();
    }

private:
    std::string buffer_;
};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Why export must not write `path`: it is one of the tables of `folder` (under any name), another
// dBASE table, or a job file. Empty when it may.
std::string ExportTargetRefusal(const std::string& path, const std::filesystem::path& folder) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return {};
    for (ReferenceTable which : AllReferenceTables) {
        const std::string name = SchemaOf(which).fileName;
        struct stat table {};
        if (::stat((folder / name).c_str(), &table) == 0 && SameFile(table, target))
            return path + ": it is the table " + name +
                   "; export writes CSV: give -o a file name of its own";
    }
    std::string ignored;
    if (ReadDbfLayout(path, ignored))
        return path + ": it is a dBASE table; export writes CSV: give -o a file name of its own";
    char signature[6] = {};
    if (ReadFilePrefix(path, signature, sizeof signature) == sizeof signature &&
        std::memcmp(signature, JobSignature, sizeof signature) == 0)
        return path + ": it is a job file; export writes CSV: give -o a file name of its own";
    return {};
}

int Import(const Options& options) {
    const std::vector<std::string>& names = options.positional();
    if (names.size() != 2 || options.has("-o"))
        return UsageError(TableUsage, "import takes a table and a CSV file");
    const std::optional<ReferenceTable> which = ReferenceTableNamed(names[0]);
    if (!which)
        return UsageError(TableUsage, names[0] + " is not a reference table");
    const std::filesystem::path folder(options.text("--dir", "."));
    MessageStream messages;
    const ImportResult result =
        ImportTableCsv(*which, names[1], (folder / SchemaOf(*which).fileName).string(),
                       [&messages](const std::string& message) { messages.Line(message); });
    switch (result.outcome) {
    case ImportOutcome::Imported: {
        messages.Flush();
        const std::string line = result.summary + "\n";
        return WriteStandardOutput(line.data(), line.size()) ? ExitOk : ExitCannotWrite;
    }
    case ImportOutcome::BadInput:
        messages.Line("Nothing was imported.");
        return ExitUsage;
    case ImportOutcome::Unreadable:
        return ExitNotAJob;
    case ImportOutcome::CannotWrite:
        break;
    }
    return ExitCannotWrite;
}

int Export(const Options& options) {
    const std::vector<std::string>& names = options.positional();
    if (names.size() != 1)
        return UsageError(TableUsage, "export takes one table");
    const std::optional<ReferenceTable> which = ReferenceTableNamed(names[0]);
    if (!which)
        return UsageError(TableUsage, names[0] + " is not a reference table");
    const std::filesystem::path folder(options.text("--dir", "."));
    const std::string output = options.text("-o", StandardOutput);
    if (output != StandardOutput) {
        if (const std::string refusal = ExportTargetRefusal(output, folder); !refusal.empty()) {
            std::cerr << refusal << '\n';
            return ExitNotAJob;
        }
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::cerr << folder.string() << ": no such folder\n";
        return ExitMissingTable;
    }
    const TableSchema& schema = SchemaOf(*which);
    std::string message;
    std::unique_ptr<Table> table;
    if (RestoreMissingTable(folder, *which, ShippedTableFolders(), message))
        table =
            Table::Open((folder / schema.fileName).string(), TableAccess::ReadOnly, {}, message);
    if (!table || !CheckTableFields(*table, *which, message)) {
        std::cerr << message << '\n';
        return ExitMissingTable;
    }
    const std::string csv = TableToCsv(*table, *which);
    if (output == StandardOutput)
        return WriteStandardOutput(csv.data(), csv.size()) ? ExitOk : ExitCannotWrite;
    const FileResult written = WriteFileAtomically(output, csv.data(), csv.size());
    if (!written.ok) {
        std::cerr << written.message << '\n';
        return ExitCannotWrite;
    }
    return ExitOk;
}

} // namespace

int RunTable(Args args) {
    if (args.empty())
        return UsageError(TableUsage, "");
    const Options options(args.subspan(1), {"--dir", "-o"}, {});
    if (!options.ok())
        return UsageError(TableUsage, options.error());
    if (args[0] == "import")
        return Import(options);
    if (args[0] == "export")
        return Export(options);
    return UsageError(TableUsage, "table takes import or export");
}
