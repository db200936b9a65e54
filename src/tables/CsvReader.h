#pragma once
// Reads comma-separated text as spreadsheets write it, one record at a time: fields may be
// quoted with double quotes, a doubled quote inside a quoted field stands for one quote, and a
// quoted field may hold separators and line breaks. Lines end in LF, CRLF or CR alone. Lines
// that are empty or hold only empty cells are skipped.
//
// A record with a fault (a NUL byte, text after a closing quote, a quote inside an unquoted
// field, a quoted field that is never closed) is returned with the fault, and reading goes on at
// the next line end the quote rules allow: the end of the record, or for a quote that is never
// closed the end of the line it opened on. So every fault of a file is found in one reading.

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
    int line = 0; // line number (from 1) where the record starts
    std::vector<std::string> fields;
    std::string fault; // empty for a well-formed record
    int faultLine = 0;
};

class CsvReader {
public:
    CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // Reads the next record into `record` (its buffers are reused). False at the end of the text.
    bool Next(CsvRecord& record);

private:
    // Reads one record from `at_` up to and including its line end.
    void ReadRecord(CsvRecord& record);
    bool LineEndAt(std::size_t at, std::size_t& length) const;
    // Sets the record's first fault.
    void Fault(CsvRecord& record, int line, const char* what);

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};
