#include "tables/TableImport.h"

#include "job/SafeWrite.h"
#include "tables/TableCsv.h"
#include "tables/TableReplace.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::optional<ReferenceTable> ReferenceTableNamed(const std::string& name) {
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    for (ReferenceTable which : AllReferenceTables)
        if (upper == SchemaOf(which).fileName)
            return which;
    return std::nullopt;
}

namespace {

// Reads the whole CSV file into `text`; otherwise returns the outcome and tells why.
std::optional<ImportOutcome> ReadCsvFile(const std::string& path, std::uintmax_t limit,
                                         std::string& text, const ImportMessages& messages) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        messages(path + ": cannot be read: " + std::strerror(errno));
        return ImportOutcome::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        messages(path + ": " + ReplaceRefusal(path) + ": name the CSV file itself");
        return ImportOutcome::Unreadable;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        messages(path + ": " + std::to_string(info.st_size) + " bytes, more than the " +
                 std::to_string(limit) + " a table is imported from");
        return ImportOutcome::BadInput;
    }
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        messages(path + ": cannot be read: " + ReadFailure(errno));
        return ImportOutcome::Unreadable;
    }
    // Read up to one byte past the limit, so that a file that grew since is caught.
    text.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t done = 0;
    int error = 0;
    while (done < text.size() && done <= limit) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : 0;
            break;
        }
        done += static_cast<std::size_t>(n);
        if (done == text.size() && done <= limit)
            text.resize(std::min<std::uintmax_t>(text.size() * 2, limit + 1));
    }
    ::close(fd);
    if (error != 0) {
        messages(path + ": cannot be read: " + std::strerror(error));
        return ImportOutcome::Unreadable;
    }
    if (done > limit) {
        messages(path + ": more than the " + std::to_string(limit) +
                 " bytes a table is imported from");
        return ImportOutcome::BadInput;
    }
    text.resize(done);
    return std::nullopt;
}

} // namespace

ImportResult ImportTableCsv(ReferenceTable which, const std::string& csvPath,
                            const std::string& tablePath, const ImportMessages& messages,
                            std::uintmax_t sizeLimit) {
    ImportResult result;
    if (const std::string refusal = TableTargetRefusal(tablePath); !refusal.empty()) {
        messages(refusal + "; nothing was imported");
        result.outcome = ImportOutcome::CannotWrite;
        return result;
    }
    std::string text;
    if (const std::optional<ImportOutcome> failed =
            ReadCsvFile(csvPath, sizeLimit, text, messages)) {
        result.outcome = *failed;
        return result;
    }
    CheckedTableCsv checked =
        CheckTableCsv(which, std::move(text), [&messages, &csvPath](const CsvProblem& problem) {
            messages(DescribeProblem(csvPath, problem));
        });
    if (checked.problems != 0) {
        result.outcome = ImportOutcome::BadInput;
        result.faults = checked.problems;
        return result;
    }
    result.summary = std::string(SchemaOf(which).fileName) + ": " +
                     DescribeRecords(which, checked) + " from " + csvPath;
    const FileResult written = ReplaceReferenceTable(tablePath, which, checked.records);
    if (!written.ok) {
        messages(written.message);
        result.outcome = ImportOutcome::CannotWrite;
        result.summary.clear();
    }
    return result;
}
