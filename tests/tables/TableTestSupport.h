#pragma once
// Small tables built inside a test's own folder.

#include "tables/ReferenceTables.h"
#include "tables/Table.h"

#include <memory>
#include <string>
#include <vector>

// A table of three fields: NAME (character, 10), VAL (numeric 8.2) and N (numeric 4.0).
std::vector<FieldDefinition> SampleFields();

struct SampleRow {
    std::string name;
    double val;
    int n;
};

// Creates `path` with SampleFields() and the rows, then opens it for writing with the tags
// "NAME" (on NAME) and "VAL" (on VAL).
std::unique_ptr<Table> MakeSampleTable(const std::string& path, const std::vector<SampleRow>& rows);

// Opens a table built by MakeSampleTable again.
std::unique_ptr<Table> OpenSampleTable(const std::string& path, std::string& message);

// Record numbers in the order `table` is in, from the top.
std::vector<int> RecordOrder(Table& table);

// An INSUL.DAT of `folder` holding the given records, opened as the program opens it.
struct InsulRow {
    std::string name;
    double factor;
    char kind;
};
std::unique_ptr<Table> MakeInsulTable(const std::string& folder, const std::vector<InsulRow>& rows);

// INSULATION of every record in the table's current order.
std::vector<std::string> InsulNames(Table& insul);
