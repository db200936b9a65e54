#include "tables/TableImport.h"

#include "tables/TableCsv.h"
#include "tables/TableReplace.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

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

// Reads the whole CSV file into `text`; on failure sets the result's outcome and message.
bool ReadCsvFile(const std::string& path, std::uintmax_t limit, std::string& text,
                 ImportResult& result) {
    const auto fail = [&result](ImportOutcome outcome, std::string message) {
        result.outcome = outcome;
        result.messages.push_back(std::move(message));
        return false;
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fail(ImportOutcome::Unreadable, path + ": cannot be read: " + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail(ImportOutcome::BadInput, path + ": not a regular file");
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return fail(ImportOutcome::BadInput, path + ": " + std::to_string(info.st_size) +
                                                 " bytes, more than the " + std::to_string(limit) +
                                                 " a table is imported from");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(ImportOutcome::Unreadable, path + ": cannot be read: " + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return fail(ImportOutcome::Unreadable, path + ": cannot be read");
    text = content.str();
    return true;
}

} // namespace

ImportResult ImportTableCsv(ReferenceTable which, const std::string& csvPath,
                            const std::string& tablePath, std::uintmax_t sizeLimit) {
    ImportResult result;
    std::string text;
    if (!ReadCsvFile(csvPath, sizeLimit, text, result))
        return result;
    const CheckedTableCsv checked = CheckTableCsv(which, text);
    if (!checked.problems.empty()) {
        result.outcome = ImportOutcome::BadInput;
        for (const CsvProblem& problem : checked.problems)
            result.messages.push_back(DescribeProblem(csvPath, problem));
        return result;
    }
    const FileResult written = ReplaceReferenceTable(tablePath, which, checked.records);
    if (!written.ok) {
        result.outcome = ImportOutcome::CannotWrite;
        result.messages.push_back(written.message);
        return result;
    }
    result.summary = std::string(SchemaOf(which).fileName) + ": " +
                     DescribeRecords(which, checked) + " from " + csvPath;
    return result;
}
