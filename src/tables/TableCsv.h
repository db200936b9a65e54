#pragma once
// The CSV form of a reference table, for building the shipped tables and for importing and
// exporting a table at run time. The first line names the columns (the table's field names, in
// any order, in any letter case; extra columns are ignored); each further line is one record.
// Input may be UTF-8, Windows-1252 or UTF-16, with ',' between columns or, as European
// spreadsheets save it, ';' with decimal commas; export writes UTF-8 with commas.

#include "tables/NewTableFile.h"
#include "tables/TableSchemas.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CsvProblem {
    int line = 0;
    std::string column; // empty when the fault is not in one column
    std::string reason;
};

// Takes each fault as it is found, in line order.
using CsvProblemSink = std::function<void(const CsvProblem&)>;

struct CheckedTableCsv {
    explicit CheckedTableCsv(ReferenceTable which);

    // Every row without a fault, as the table file holds it (numbers right-aligned at the
    // field's decimals, texts in Windows-1252); a new table only when `problems` is 0.
    NewTableFile records;
    std::vector<int> lines; // the CSV line each record came from
    std::size_t problems = 0;

    // The field texts of record `index`, in the table's field order.
    std::vector<std::string> fields(std::size_t index) const;

private:
    ReferenceTable which_;
};

// Reads and checks every row of the file's bytes against the fields and rules of `which` (see
// FieldRules): a column for every field; numbers that are numbers and fit their field; texts
// that fit (never cut); a key that is not empty and not repeated in any letter case. Every fault
// goes to `sink` as it is found.
CheckedTableCsv CheckTableCsv(ReferenceTable which, std::string bytes, const CsvProblemSink& sink);

// "FILE:LINE: column NAME: reason" (or "FILE:LINE: reason").
std::string DescribeProblem(const std::string& file, const CsvProblem& problem);

// The table's live records in the CSV form, in record order, with a header line.
std::string TableToCsv(Table& table, ReferenceTable which);

// What a table holds, for a one-line summary: "806 records" and, for the unit and coil tables,
// the count of each suction class ("-45 F: 43, -40 F: 43, ...").
std::string DescribeRecords(ReferenceTable which, const CheckedTableCsv& checked);
