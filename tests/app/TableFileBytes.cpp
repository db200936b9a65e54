#include "TableFileBytes.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ChangedTable(const std::string& table, std::uint32_t keep, const char* field,
                         const std::string& text) {
    const auto byte = [&table](std::size_t i) { return static_cast<unsigned char>(table[i]); };
    const std::size_t headerLength = byte(8) | byte(9) << 8;
    const std::size_t recordLength = byte(10) | byte(11) << 8;
    std::size_t offset = 1; // the deletion mark
    std::size_t width = 0;
    for (std::size_t d = 32; d + 32 <= headerLength && table[d] != '\r'; d += 32) {
        if (std::strncmp(&table[d], field, 11) == 0) {
            width = byte(d + 16);
            break;
        }
        offset += byte(d + 16);
    }
    if (width == 0)
        throw std::invalid_argument(std::string("no text field ") + field);
    std::string changed = table.substr(0, headerLength);
    for (int i = 0; i < 4; ++i)
        changed[4 + static_cast<std::size_t>(i)] = static_cast<char>(keep >> (8 * i) & 0xFF);
    for (std::uint32_t r = 0; r < keep; ++r) {
        std::string record = table.substr(headerLength + r * recordLength, recordLength);
        record.replace(offset, width, (text + std::string(width, ' ')).substr(0, width));
        changed += record;
    }
    return changed + '\x1A';
}

std::uint32_t RecordCount(const std::string& table) {
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i)
        count = count << 8 | static_cast<unsigned char>(table[4 + static_cast<std::size_t>(i)]);
    return count;
}

std::string Grouped(std::uint32_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

void ReplaceByRename(const std::string& path, const std::string& bytes) {
    WriteAll(path + ".new", bytes);
    if (std::rename((path + ".new").c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot rename over " + path);
}
