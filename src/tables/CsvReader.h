#pragma once
// Reads comma-separated text as spreadsheets write it: fields may be quoted with double quotes, a
// doubled quote inside a quoted field stands for one quote, and a quoted field may hold commas
// and line breaks. Lines end in LF or CRLF; a UTF-8 byte order mark at the start is skipped.

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
    int line = 0; // line number (from 1) where the record starts
    std::vector<std::string> fields;
};

struct CsvText {
    std::vector<CsvRecord> records;
    bool hadByteOrderMark = false;
    // Empty when the whole text could be read; otherwise what is wrong, at `errorLine`. Records
    // before the fault are kept.
    std::string error;
    int errorLine = 0;
};

// Splits `text` into records. A text holding a NUL byte (a binary file), a quoted field that is
// never closed and text after a closing quote are faults. Lines that are entirely empty are
// skipped.
CsvText ReadCsv(std::string_view text);
