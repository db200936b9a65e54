#include "tables/TableFileImage.h"

#include "job/SafeWrite.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

constexpr char EndOfFileMark = 0x1A;

void PutLe32(std::string& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool ReadAt(int fd, std::string& into, std::size_t size, off_t offset) {
    into.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, into.data() + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void StampTableHeader(std::string& bytes, uint32_t count) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    bytes[1] = static_cast<char>(today.tm_year % 256);
    bytes[2] = static_cast<char>(today.tm_mon + 1);
    bytes[3] = static_cast<char>(today.tm_mday);
    PutLe32(bytes, 4, count);
}

int32_t TableFileImage::count() const {
    return recordLength > 0 ? static_cast<int32_t>(records.size() / recordLength) : 0;
}

bool ReadTableFileImage(const std::string& path, const DbfLayout& layout, TableFileImage& image,
                        std::string& why) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    image.recordLength = layout.recordLength;
    const std::size_t headerSize = static_cast<std::size_t>(layout.headerLength);
    const std::size_t recordsSize = static_cast<std::size_t>(layout.recordCount) *
                                    static_cast<std::size_t>(layout.recordLength);
    const bool read = ReadAt(fd, image.header, headerSize, 0) &&
                      ReadAt(fd, image.records, recordsSize, static_cast<off_t>(headerSize));
    if (!read)
        why = std::strerror(errno);
    ::close(fd);
    return read;
}

std::string ReplaceTableFile(const std::string& path, const TableFileImage& image) {
    std::string bytes = image.header;
    StampTableHeader(bytes, static_cast<uint32_t>(image.count()));
    bytes += image.records;
    bytes += EndOfFileMark;
    const int32_t count = image.count();
    return ReplaceFileAtomically(path, bytes.data(), bytes.size(),
                                 [count, length = image.recordLength](const std::string& written) {
                                     std::string message;
                                     const auto layout = ReadDbfLayout(written, message);
                                     if (!layout || layout->recordCount != count ||
                                         layout->recordLength != length)
                                         return std::string("the new file did not come out whole");
                                     return std::string();
                                 });
}
