#pragma once
// A small reader for the comma-separated table sources: fields may be quoted with double
// quotes, a doubled quote inside a quoted field stands for one quote.

#include <istream>
#include <string>
#include <vector>

// Reads the next record into `fields`. Returns false at the end of the input; sets `error`
// when a quoted field is not closed.
bool ReadCsvRecord(std::istream& in, std::vector<std::string>& fields, std::string& error);
