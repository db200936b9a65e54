#pragma once
// A table file held in memory for a change that replaces the whole file: appends, rewrites,
// deletion marks and packs all write a new file beside the old one, flush it, check it as a
// table and rename it over the old one, so the name always holds a whole table.

#include "tables/DbfLayout.h"

#include <cstdint>
#include <string>

struct TableFileImage {
    std::string header;  // the header as the file holds it, field descriptors included
    std::string records; // every record, deletion mark first; no end mark
    int recordLength = 0;

    int32_t count() const;
};

// Reads the header and the records `layout` describes from the file. False with the reason in
// `why` when it cannot.
bool ReadTableFileImage(const std::string& path, const DbfLayout& layout, TableFileImage& image,
                        std::string& why);

// Replaces the file with the image: the header gets the record count and today's date, the
// records the end mark. The new file must read back as a table with that count before it
// replaces the old one. Returns the reason on failure (the old file is then untouched), or "".
std::string ReplaceTableFile(const std::string& path, const TableFileImage& image);

// Sets a table header's date of last change to today and its record count.
void StampTableHeader(std::string& header, uint32_t count);
