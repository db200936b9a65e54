#pragma once
// The CSV form of a reference table, for building the shipped tables and for importing and
// exporting a table at run time. The first line names the columns (the table's field names, in
// any order, in any letter case; extra columns are ignored); each further line is one record.
// Input may be Windows-1252 or UTF-8; export writes UTF-8.

#include "tables/TableSchemas.h"

#include <string>
#include <string_view>
#include <vector>

struct CsvProblem {
    int line = 0;
    std::string column; // empty when the fault is not in one column
    std::string reason;
};

struct CheckedTableCsv {
    // Per record, each field's text exactly as the table stores it (numbers right-aligned at the
    // field's decimals, texts in Windows-1252), in the table's field order.
    std::vector<std::vector<std::string>> records;
    std::vector<int> lines; // the CSV line each record came from
    // Every fault found, in line order; the records are usable only when this is empty.
    std::vector<CsvProblem> problems;
};

// Reads and checks every row of `text` against the fields and rules of `which`: a column for
// every field; numbers that are numbers and fit their field; texts that fit (never cut);
// a key text that is not empty and not repeated; for the unit and coil tables a suction class
// the program knows and capacities that do not rise with the ambient.
CheckedTableCsv CheckTableCsv(ReferenceTable which, std::string_view text);

// "FILE:LINE: column NAME: reason" (or "FILE:LINE: reason").
std::string DescribeProblem(const std::string& file, const CsvProblem& problem);

// The table's live records in the CSV form, in record order, with a header line.
std::string TableToCsv(Table& table, ReferenceTable which);

// What a table holds, for a one-line summary: "806 records" and, for the unit and coil tables,
// the count of each suction class ("-45 F: 43, -40 F: 43, ...").
std::string DescribeRecords(ReferenceTable which, const CheckedTableCsv& checked);
