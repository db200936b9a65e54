#pragma once
// The layout of a dBASE table as its header describes it, read and checked before the file is
// handed to shapelib, which trusts the header and could read past its buffers on a bad one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DbfField {
    std::string name;
    char type = 'C'; // 'C' character, 'N'/'F' numeric, 'L' logical, 'D' date
    int width = 0;
    int decimals = 0;
    int offset = 0; // from the start of the record; byte 0 is the deletion mark
};

struct DbfLayout {
    int32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::vector<DbfField> fields;
};

// Reads and checks the header of the table at `path`. On any fault (missing, unreadable,
// empty, truncated, a header that disagrees with itself or with the file's size) returns
// nothing and sets `message` to the path followed by the reason.
std::optional<DbfLayout> ReadDbfLayout(const std::string& path, std::string& message);

bool IsNumericField(const DbfField& field);

// A record as the table reads it from the file's bytes: the text of every field other than a
// numeric one ends at its first NUL and is blank from there (writers that pad with NULs mean
// blanks), so the record buffer, the tag keys and a seek for the same text agree.
std::string RecordFromTuple(const char* tuple, const DbfLayout& layout);
