// quelbox-tables TABLE SOURCE.csv OUTPUT
// Builds one shipped reference table (INSUL.DAT, PRODUCT.DAT, UNITS.DAT or COILS.DAT) from its
// CSV source. The first CSV line names the table's fields in any order; every field of the table
// must have a column. Texts longer than their field and numbers that do not fit are errors, so
// the shipped tables hold exactly what the sources say.

#include "Csv.h"

#include "tables/TableSchemas.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>

namespace {

std::optional<ReferenceTable> TableNamed(const std::string& name) {
    for (ReferenceTable which : AllReferenceTables)
        if (name == SchemaOf(which).fileName)
            return which;
    return std::nullopt;
}

std::optional<double> StrictNumber(const std::string& text) {
    if (text.empty())
        return 0.0;
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

int Fail(const std::string& where, const std::string& what) {
    std::cerr << where << ": " << what << '\n';
    return 1;
}

// Appends every CSV record to the open table.
int AppendRecords(std::istream& in, const std::string& source, const TableSchema& schema,
                  Table& table) {
    std::vector<std::string> header;
    std::string error;
    if (!ReadCsvRecord(in, header, error) || !error.empty())
        return Fail(source, "no header line");
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i)
        column[header[i]] = i;
    for (const std::string& name : header)
        if (table.d4field(name) == 0)
            return Fail(source, "column " + name + " is not a field of " + schema.fileName);
    for (const FieldDefinition& f : schema.fields)
        if (!column.count(f.name))
            return Fail(source, std::string("no column for field ") + f.name);

    std::vector<std::string> row;
    for (int line = 2; ReadCsvRecord(in, row, error); ++line) {
        const std::string where = source + ":" + std::to_string(line);
        if (!error.empty())
            return Fail(where, error);
        if (row.size() == 1 && row[0].empty())
            continue;
        if (row.size() != header.size())
            return Fail(where, "expected " + std::to_string(header.size()) + " fields");
        table.d4appendStart(0);
        for (const FieldDefinition& f : schema.fields) {
            const std::string& text = row[column[f.name]];
            int result = r4success;
            if (f.type == 'C') {
                if (text.size() > static_cast<std::size_t>(f.width))
                    return Fail(where, std::string(f.name) + " is longer than " +
                                           std::to_string(f.width) + " characters");
                result = table.f4assign(f.name, text);
            } else {
                const std::optional<double> number = StrictNumber(text);
                if (!number)
                    return Fail(where, std::string(f.name) + " is not a number: " + text);
                result = table.f4assignDouble(f.name, *number);
            }
            if (result != r4success)
                return Fail(where, std::string(f.name) + " does not fit its field: " + text);
        }
        if (table.d4append() != r4success)
            return Fail(where, table.lastError());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quelbox-tables TABLE SOURCE.csv OUTPUT\n";
        return 2;
    }
    const std::optional<ReferenceTable> which = TableNamed(argv[1]);
    if (!which)
        return Fail(argv[1], "not a reference table");
    const TableSchema& schema = SchemaOf(*which);
    std::ifstream in(argv[2], std::ios::binary);
    if (!in)
        return Fail(argv[2], "cannot be read");

    const std::string output = argv[3];
    const std::string temp = output + ".new";
    std::string message;
    if (!Table::Create(temp, schema.fields, message))
        return Fail(temp, message);
    int status = 0;
    {
        std::unique_ptr<Table> table = Table::Open(temp, TableAccess::ReadWrite, {}, message);
        if (!table)
            return Fail(temp, message);
        status = AppendRecords(in, argv[2], schema, *table);
    }
    if (status == 0 && std::rename(temp.c_str(), output.c_str()) != 0)
        status = Fail(output, "cannot be replaced");
    if (status != 0)
        std::remove(temp.c_str());
    return status;
}
