// Fuzz target: arbitrary bytes read and checked as the CSV form of one reference table, as
// `quelbox-cli table import` and the table builder read it. When every row passes, the records
// are written as a table the way an import replaces one, and its export must check back to the
// same records: export followed by import is the identity.
//
// Input: one selector byte (the reference table), then the CSV text.

#include "core_scratch.h"

#include "tables/ReferenceTables.h"
#include "tables/TableCsv.h"
#include "tables/TableReplace.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const ReferenceTable which = AllReferenceTables[data[0] % AllReferenceTables.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t told = 0;
    const auto count = [&told](const CsvProblem& problem) {
        Require(problem.line >= 1 && !problem.reason.empty(), "a problem without line or reason");
        ++told;
    };
    CheckedTableCsv checked = CheckTableCsv(which, std::string(text), count);
    Require(told == checked.problems, "problems told and counted disagree");
    Require(checked.records.count() == checked.lines.size(), "records and lines disagree");
    if (checked.problems != 0)
        return 0;

    std::vector<std::vector<std::string>> records;
    for (std::size_t r = 0; r < checked.records.count(); ++r)
        records.push_back(checked.fields(r));
    const TableSchema& schema = SchemaOf(which);
    const std::string path = ScratchFile(schema.fileName);
    std::remove(path.c_str());
    const FileResult written = ReplaceReferenceTable(path, which, checked.records);
    Require(written.ok, "checked records could not be written as a table");
    std::string message;
    std::unique_ptr<Table> table = Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
    Require(table != nullptr, "the written table does not open");
    const CheckedTableCsv again = CheckTableCsv(which, TableToCsv(*table, which), count);
    Require(again.problems == 0, "an exported table does not import");
    Require(again.records.count() == records.size(), "export and import change the records");
    for (std::size_t r = 0; r < records.size(); ++r)
        Require(again.fields(r) == records[r], "export and import change the records");
    return 0;
}
