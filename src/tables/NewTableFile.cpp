#include "tables/NewTableFile.h"

#include "tables/TableFileImage.h"

#include <algorithm>

namespace {

constexpr char EndOfFileMark = 0x1A;
constexpr char HeaderTerminator = 0x0D;
constexpr std::size_t DescriptorSize = 32;
constexpr std::size_t FieldNameSize = 11;
constexpr char DbaseVersion = 0x03;      // dBASE III, no memo
constexpr char WindowsAnsiDriver = 0x57; // language driver 87: Windows ANSI (1252)

void PutLe16(std::string& bytes, std::size_t at, uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

NewTableFile::NewTableFile(const std::vector<FieldDefinition>& fields) {
    headerLength_ = DescriptorSize * (fields.size() + 1) + 1;
    recordLength_ = 1;
    bytes_.assign(headerLength_, '\0');
    bytes_[0] = DbaseVersion;
    std::size_t at = DescriptorSize;
    for (const FieldDefinition& f : fields) {
        const std::string_view name(f.name);
        bytes_.replace(at, std::min(name.size(), FieldNameSize), name.substr(0, FieldNameSize));
        bytes_[at + 11] = f.type;
        bytes_[at + 16] = static_cast<char>(f.width);
        bytes_[at + 17] = static_cast<char>(f.decimals);
        recordLength_ += f.width;
        at += DescriptorSize;
    }
    bytes_[at] = HeaderTerminator;
    PutLe16(bytes_, 8, static_cast<uint32_t>(headerLength_));
    PutLe16(bytes_, 10, static_cast<uint32_t>(recordLength_));
    bytes_[29] = WindowsAnsiDriver;
}

void NewTableFile::reserve(std::size_t records) {
    bytes_.reserve(bytes_.size() + records * static_cast<std::size_t>(recordLength_) + 1);
}

void NewTableFile::release() {
    std::string().swap(bytes_);
}

void NewTableFile::add(std::string_view record) {
    bytes_.append(record);
    ++count_;
}

std::string_view NewTableFile::record(std::size_t index) const {
    const auto length = static_cast<std::size_t>(recordLength_);
    return std::string_view(bytes_).substr(headerLength_ + index * length, length);
}

std::string_view NewTableFile::finish() {
    StampTableHeader(bytes_, static_cast<uint32_t>(count_));
    bytes_ += EndOfFileMark;
    return bytes_;
}
