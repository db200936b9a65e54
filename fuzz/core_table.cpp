// Fuzz target: arbitrary bytes opened as a .DAT file with one reference table's tags, as the
// program opens it, then every order (physical and each tag) walked top to bottom and back
// reading every field of every record, and seeks on every tag.
//
// Input: one selector byte (the reference table whose tags and field check apply), then the file.

#include "core_scratch.h"

#include "tables/ReferenceTables.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Reads every field of the current record in every way the program reads one.
void ReadRecord(const Table& table, std::vector<std::string>& texts) {
    texts.clear();
    for (int field = 1; field <= table.d4numFields(); ++field) {
        const std::string text = table.f4str(field);
        Require(text.size() == static_cast<std::size_t>(table.fields()[field - 1].width),
                "a field's text is not its width");
        (void)table.f4char(field);
        Require(!std::isnan(table.f4double(field)), "a field reads as NaN");
        (void)table.f4int(field);
        texts.push_back(text);
    }
    (void)table.d4deleted();
}

// Walks the selected order top to bottom, then bottom to top; both visit every record once.
void WalkOrder(Table& table, std::vector<std::string>& texts) {
    const int32_t count = table.d4recCountDo();
    int32_t visited = 0;
    for (int rc = table.d4top(); rc == r4success && !table.d4eof(); rc = table.d4skip(1)) {
        Require(table.d4recNo() >= 1 && table.d4recNo() <= count, "a record number outside");
        ReadRecord(table, texts);
        Require(++visited <= count, "a walk visits more records than the table holds");
    }
    Require(visited == count, "a walk top to bottom misses records");
    Require(table.d4eof(), "a walk does not end past the last record");
    ReadRecord(table, texts); // past the end every field is blank

    visited = 0;
    for (int rc = table.d4bottom(); rc == r4success && !table.d4eof(); rc = table.d4skip(-1)) {
        ReadRecord(table, texts);
        Require(++visited <= count, "a walk back visits more records than the table holds");
    }
    Require(visited == count, "a walk bottom to top misses records");
}

void SeekOnTag(Table& table, const TableTag& tag) {
    table.d4tagSelect(&tag);
    std::vector<std::string> texts;
    if (tag.numeric()) {
        for (const double key :
             {0.0, -1.0, 1.0, 1e300, -1e300, std::numeric_limits<double>::infinity(),
              std::numeric_limits<double>::quiet_NaN()}) {
            const int rc = table.d4seekDouble(key);
            Require(rc == r4success || rc == r4after || rc == r4eof || rc == e4value,
                    "an unexpected seek result");
            ReadRecord(table, texts);
        }
        if (table.d4top() == r4success && !table.d4eof())
            Require(table.d4seekDouble(table.f4double(tag.fieldNumber())) == r4success,
                    "the first key of a tag is not found");
    } else {
        for (const std::string& key : {std::string(), std::string("\xff\xff"), std::string("A")}) {
            const int rc = table.d4seek(key);
            Require(rc == r4success || rc == r4after || rc == r4eof, "an unexpected seek result");
            ReadRecord(table, texts);
        }
        if (table.d4bottom() == r4success && !table.d4eof())
            Require(table.d4seek(table.f4str(tag.fieldNumber())) == r4success,
                    "the last key of a tag is not found");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string path = ScratchFile("TABLE.DAT");
    if (size == 0)
        return 0;
    const ReferenceTable which = AllReferenceTables[data[0] % AllReferenceTables.size()];
    WriteScratchFile(path, data + 1, size - 1);

    const TableSchema& schema = SchemaOf(which);
    std::string message;
    std::unique_ptr<Table> table = Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
    if (!table) {
        Require(message.find(path) != std::string::npos, "a refusal does not name the file");
        return 0;
    }
    std::string checkMessage;
    if (!CheckTableFields(*table, which, checkMessage))
        Require(!checkMessage.empty(), "a failed field check says nothing");

    std::vector<std::string> texts;
    table->d4tagSelect(nullptr);
    WalkOrder(*table, texts);
    for (const TagDefinition& definition : schema.tags) {
        const TableTag* tag = table->d4tag(definition.name);
        if (tag == nullptr)
            continue;
        table->d4tagSelect(tag);
        WalkOrder(*table, texts);
        SeekOnTag(*table, *tag);
    }
    for (const int32_t recNo : {0, 1, table->d4recCountDo(), table->d4recCountDo() + 1, -5}) {
        table->d4tagSelect(nullptr);
        const int rc = table->d4go(recNo);
        Require(rc == r4success || rc == r4entry || rc == r4eof, "an unexpected go result");
        ReadRecord(*table, texts);
    }
    return 0;
}
