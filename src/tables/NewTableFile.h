#pragma once
// A whole new table file built in memory, record after record, and written in one piece.

#include "tables/Table.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The header, the records and the end mark lie in one buffer, so the file is written without a
// copy.
class NewTableFile {
public:
    explicit NewTableFile(const std::vector<FieldDefinition>& fields);

    // Room for `records` more records, so that adding them moves no bytes.
    void reserve(std::size_t records);
    // Gives the memory back once the file's bytes are written; no record may be read after.
    void release();

    int recordLength() const { return recordLength_; }
    std::size_t count() const { return count_; }
    // Adds a record: the deletion mark and every field's text, recordLength() bytes.
    void add(std::string_view record);
    std::string_view record(std::size_t index) const;

    // The file's bytes: the header with today's date and the record count, every record and the
    // end mark. Nothing may be added after.
    std::string_view finish();

private:
    std::string bytes_;
    std::size_t headerLength_ = 0;
    int recordLength_ = 0;
    std::size_t count_ = 0;
};
