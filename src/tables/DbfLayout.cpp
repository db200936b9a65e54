#include "tables/DbfLayout.h"

#include "job/SafeWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

constexpr int FileHeaderSize = 32;
constexpr int FieldDescriptorSize = 32;
constexpr unsigned char HeaderTerminator = 0x0D;
constexpr unsigned char EndOfFileMark = 0x1A;
constexpr int MaxFieldNameLength = 11;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

uint32_t Le16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
uint32_t Le32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool KnownVersion(unsigned char version) {
    switch (version) {
    case 0x02: // FoxBase
    case 0x03: // dBASE III and later, no memo
    case 0x04: // dBASE IV
    case 0x05: // dBASE V
    case 0x30: // Visual FoxPro
    case 0x31:
    case 0x83: // with memo file
    case 0x8B:
    case 0xF5:
        return true;
    default:
        return false;
    }
}

std::string OpenFailure(int error) {
    if (error == ENOENT)
        return "the table is missing";
    if (error == EISDIR)
        return "it is a directory, not a table";
    if (error == EINVAL)
        return "it is not a regular file, so not a table";
    return std::string("the table cannot be opened: ") + std::strerror(error);
}

bool Fail(std::string& message, const std::string& path, const std::string& reason) {
    message = path + ": " + reason;
    return false;
}

// Checks one field descriptor and appends the field; `offset` advances by its width.
bool ReadField(const unsigned char* d, int& offset, DbfLayout& layout, std::string& message,
               const std::string& path) {
    const void* nul = std::memchr(d, 0, MaxFieldNameLength);
    const std::size_t nameLength =
        nul ? static_cast<const unsigned char*>(nul) - d : MaxFieldNameLength;
    const std::string index = std::to_string(layout.fields.size() + 1);
    if (nameLength == 0)
        return Fail(message, path, "field " + index + " has no name");
    DbfField field;
    field.name.assign(reinterpret_cast<const char*>(d), nameLength);
    for (unsigned char c : field.name)
        if (c < 0x21 || c > 0x7E)
            return Fail(message, path, "field " + index + " has an unreadable name");
    field.type = static_cast<char>(d[11]);
    field.width = d[16];
    field.decimals = d[17];
    field.offset = offset;
    if (std::strchr("CNFLD", field.type) == nullptr || field.type == 0)
        return Fail(message, path, "field " + field.name + " has an unknown type");
    if (field.width == 0)
        return Fail(message, path, "field " + field.name + " has no width");
    if (IsNumericField(field) ? field.decimals >= field.width : field.decimals != 0)
        return Fail(message, path, "field " + field.name + " has a width its type cannot have");
    offset += field.width;
    layout.fields.push_back(std::move(field));
    return true;
}

} // namespace

bool IsNumericField(const DbfField& field) {
    return field.type == 'N' || field.type == 'F';
}

std::optional<DbfLayout> ReadDbfLayout(const std::string& path, std::string& message) {
    // A FIFO or a device is refused at once rather than waited on.
    const int fd = OpenRegularFile(path);
    File file(fd >= 0 ? ::fdopen(fd, "rb") : nullptr);
    if (!file) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        Fail(message, path, OpenFailure(error));
        return std::nullopt;
    }
    if (std::fseek(file.get(), 0, SEEK_END) != 0) {
        Fail(message, path, "the table cannot be read");
        return std::nullopt;
    }
    const long fileSize = std::ftell(file.get());
    if (fileSize <= 0) {
        Fail(message, path, fileSize == 0 ? "the table is empty" : "the table cannot be read");
        return std::nullopt;
    }
    std::rewind(file.get());

    unsigned char head[FileHeaderSize];
    if (fileSize < FileHeaderSize ||
        std::fread(head, 1, FileHeaderSize, file.get()) != FileHeaderSize) {
        Fail(message, path, "the table is cut short inside its header");
        return std::nullopt;
    }
    if (!KnownVersion(head[0])) {
        Fail(message, path, "not a dBASE table");
        return std::nullopt;
    }
    DbfLayout layout;
    const uint32_t records = Le32(head + 4);
    layout.headerLength = static_cast<int>(Le16(head + 8));
    layout.recordLength = static_cast<int>(Le16(head + 10));
    if (records > 0x7FFFFFFFu) {
        Fail(message, path, "the header gives an impossible record count");
        return std::nullopt;
    }
    layout.recordCount = static_cast<int32_t>(records);
    if (layout.headerLength < FileHeaderSize + FieldDescriptorSize + 1) {
        Fail(message, path, "the header is too short to describe any field");
        return std::nullopt;
    }
    if (layout.headerLength > fileSize) {
        Fail(message, path, "the table is cut short inside its header");
        return std::nullopt;
    }

    std::vector<unsigned char> descriptors(layout.headerLength - FileHeaderSize);
    if (std::fread(descriptors.data(), 1, descriptors.size(), file.get()) != descriptors.size()) {
        Fail(message, path, "the table cannot be read");
        return std::nullopt;
    }
    int offset = 1;
    std::size_t at = 0;
    while (true) {
        if (at >= descriptors.size()) {
            Fail(message, path, "the header's field list has no end mark");
            return std::nullopt;
        }
        if (descriptors[at] == HeaderTerminator)
            break;
        if (at + FieldDescriptorSize > descriptors.size()) {
            Fail(message, path, "the header's field list has no end mark");
            return std::nullopt;
        }
        if (!ReadField(descriptors.data() + at, offset, layout, message, path))
            return std::nullopt;
        at += FieldDescriptorSize;
    }
    if (layout.fields.empty()) {
        Fail(message, path, "the table has no fields");
        return std::nullopt;
    }
    if (offset != layout.recordLength) {
        Fail(message, path,
             "the header gives a record length of " + std::to_string(layout.recordLength) +
                 " bytes but its fields take " + std::to_string(offset));
        return std::nullopt;
    }

    const uint64_t expected = static_cast<uint64_t>(layout.headerLength) +
                              static_cast<uint64_t>(layout.recordCount) * layout.recordLength;
    const uint64_t actual = static_cast<uint64_t>(fileSize);
    if (actual < expected) {
        Fail(message, path,
             "the table is cut short: its header promises " + std::to_string(layout.recordCount) +
                 " records of " + std::to_string(layout.recordLength) + " bytes");
        return std::nullopt;
    }
    if (actual > expected + 1) {
        Fail(message, path,
             "the file holds more than the " + std::to_string(layout.recordCount) +
                 " records its header gives");
        return std::nullopt;
    }
    if (actual == expected + 1) {
        unsigned char last = 0;
        if (std::fseek(file.get(), static_cast<long>(expected), SEEK_SET) != 0 ||
            std::fread(&last, 1, 1, file.get()) != 1 || last != EndOfFileMark) {
            Fail(message, path,
                 "the file holds more than the " + std::to_string(layout.recordCount) +
                     " records its header gives");
            return std::nullopt;
        }
    }
    return layout;
}

std::string RecordFromTuple(const char* tuple, const DbfLayout& layout) {
    std::string record(tuple, static_cast<std::size_t>(layout.recordLength));
    for (const DbfField& f : layout.fields) {
        if (IsNumericField(f))
            continue;
        const auto start = record.begin() + f.offset;
        const auto nul = std::find(start, start + f.width, '\0');
        std::fill(nul, start + f.width, ' ');
    }
    return record;
}
