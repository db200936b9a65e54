#include "formlib/BmpReader.h"

#include "formlib/BmpReaderRle.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::size_t infoHeaderSize = 40;
constexpr std::size_t infoHeaderWithMasksSize = 52;
constexpr std::uint32_t compressionNone = 0;      // BI_RGB
constexpr std::uint32_t compressionRle8 = 1;      // BI_RLE8
constexpr std::uint32_t compressionRle4 = 2;      // BI_RLE4
constexpr std::uint32_t compressionBitFields = 3; // BI_BITFIELDS

// Limits that keep a damaged or hostile file from asking for absurd amounts of memory.
constexpr std::int64_t maxSide = 32768;
constexpr std::int64_t maxPixels = std::int64_t{1} << 25;
constexpr std::streamoff maxFileSize = std::streamoff{1} << 28;

std::uint16_t ReadU16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 |
           static_cast<std::uint32_t>(data[at + 3]) << 24;
}

std::int64_t ReadI32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(data, at));
}

struct DibLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // always positive
    bool topDown = false;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = compressionNone;
    std::uint64_t colorsUsed = 0;
    std::uint64_t paletteOffset = 0;
    std::uint64_t paletteEntrySize = 4;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
};

// One colour channel picked out by a bit mask and scaled to 8 bits.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint32_t field = mask >> shift;
    const int bits = std::popcount(field);
    const std::uint32_t value = (pixel >> shift) & field;
    if (bits >= 8) {
        return value >> (bits - 8);
    }
    return value * 255 / field;
}

std::optional<DibLayout> ReadLayout(std::span<const std::uint8_t> data, std::size_t headerAt) {
    if (data.size() < headerAt + 4) {
        return std::nullopt;
    }
    const std::uint64_t headerSize = ReadU32(data, headerAt);
    if (headerSize != coreHeaderSize && headerSize < infoHeaderSize) {
        return std::nullopt;
    }
    if (data.size() - headerAt < headerSize) {
        return std::nullopt;
    }
    DibLayout layout;
    std::uint32_t planes = 0;
    if (headerSize == coreHeaderSize) {
        layout.width = ReadU16(data, headerAt + 4);
        layout.height = ReadU16(data, headerAt + 6);
        planes = ReadU16(data, headerAt + 8);
        layout.bitCount = ReadU16(data, headerAt + 10);
        layout.paletteEntrySize = 3;
    } else {
        layout.width = ReadI32(data, headerAt + 4);
        layout.height = ReadI32(data, headerAt + 8);
        planes = ReadU16(data, headerAt + 12);
        layout.bitCount = ReadU16(data, headerAt + 14);
        layout.compression = ReadU32(data, headerAt + 16);
        layout.colorsUsed = ReadU32(data, headerAt + 32);
    }
    layout.paletteOffset = headerAt + headerSize;
    if (layout.height < 0) {
        layout.topDown = true;
        layout.height = -layout.height;
    }
    if (planes != 1 || layout.width < 1 || layout.height < 1 || layout.width > maxSide ||
        layout.height > maxSide || layout.width * layout.height > maxPixels) {
        return std::nullopt;
    }
    switch (layout.bitCount) {
    case 4:
    case 8:
        // Run-length encoding suits the bit count it is named for; such bitmaps are bottom-up.
        if (layout.compression == (layout.bitCount == 8 ? compressionRle8 : compressionRle4)) {
            if (layout.topDown) {
                return std::nullopt;
            }
            break;
        }
        [[fallthrough]];
    case 1:
    case 24:
        if (layout.compression != compressionNone) {
            return std::nullopt;
        }
        break;
    case 16:
    case 32:
        if (layout.compression != compressionNone && layout.compression != compressionBitFields) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }

    if (layout.compression == compressionBitFields) {
        // A plain info header is followed by the three masks; later headers hold them.
        const std::uint64_t masksAt = headerSize >= infoHeaderWithMasksSize
                                          ? headerAt + infoHeaderSize
                                          : layout.paletteOffset;
        if (masksAt + 12 > data.size()) {
            return std::nullopt;
        }
        for (int i = 0; i < 3; ++i) {
            layout.masks[i] = ReadU32(data, static_cast<std::size_t>(masksAt) + 4 * i);
        }
        if (headerSize < infoHeaderWithMasksSize) {
            layout.paletteOffset += 12;
        }
    } else if (layout.bitCount == 16) {
        layout.masks[0] = 0x7C00;
        layout.masks[1] = 0x03E0;
        layout.masks[2] = 0x001F;
    } else if (layout.bitCount == 32) {
        layout.masks[0] = 0xFF0000;
        layout.masks[1] = 0x00FF00;
        layout.masks[2] = 0x0000FF;
    }
    if (layout.bitCount <= 8 && layout.colorsUsed == 0) {
        layout.colorsUsed = std::uint64_t{1} << layout.bitCount;
    }
    return layout;
}

bool IsRunLength(const DibLayout& layout) {
    return layout.compression == compressionRle8 || layout.compression == compressionRle4;
}

// The colour table of a bitmap of up to 8 bits a pixel (empty for more); nothing when the
// file ends inside it.
std::optional<std::vector<std::uint32_t>>
ReadPalette(std::span<const std::uint8_t> data, const DibLayout& layout, std::uint64_t pixelsAt) {
    std::vector<std::uint32_t> palette;
    if (layout.bitCount <= 8) {
        // The table may be shorter than the header says when the pixels follow it sooner.
        std::uint64_t entries = std::min(layout.colorsUsed, std::uint64_t{256});
        if (pixelsAt >= layout.paletteOffset) {
            entries =
                std::min(entries, (pixelsAt - layout.paletteOffset) / layout.paletteEntrySize);
        }
        if (layout.paletteOffset + entries * layout.paletteEntrySize > data.size()) {
            return std::nullopt;
        }
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::size_t at =
                static_cast<std::size_t>(layout.paletteOffset + i * layout.paletteEntrySize);
            palette.push_back(std::uint32_t{data[at + 2]} << 16 | std::uint32_t{data[at + 1]} << 8 |
                              data[at]); // stored blue, green, red
        }
    }
    return palette;
}

std::optional<Bitmap> DecodePixels(std::span<const std::uint8_t> data, const DibLayout& layout,
                                   std::uint64_t pixelsAt) {
    if (pixelsAt > data.size()) {
        return std::nullopt;
    }
    const auto palette = ReadPalette(data, layout, pixelsAt);
    if (!palette) {
        return std::nullopt;
    }
    Bitmap bitmap;
    bitmap.width = static_cast<std::int32_t>(layout.width);
    bitmap.height = static_cast<std::int32_t>(layout.height);
    if (IsRunLength(layout)) {
        auto pixels = DecodeRle(data.subspan(static_cast<std::size_t>(pixelsAt)), layout.width,
                                layout.height, layout.bitCount, *palette);
        if (!pixels) {
            return std::nullopt;
        }
        bitmap.pixels = std::move(*pixels);
        return bitmap;
    }

    const std::uint64_t stride = ((layout.width * layout.bitCount + 31) / 32) * 4;
    const std::uint64_t height = static_cast<std::uint64_t>(layout.height);
    if (stride * height > data.size() - pixelsAt) {
        return std::nullopt;
    }
    bitmap.pixels.reserve(static_cast<std::size_t>(layout.width * layout.height));
    for (std::uint64_t row = 0; row < height; ++row) {
        const std::uint64_t storedRow = layout.topDown ? row : height - 1 - row;
        const std::span<const std::uint8_t> bits =
            data.subspan(static_cast<std::size_t>(pixelsAt + storedRow * stride),
                         static_cast<std::size_t>(stride));
        for (std::int64_t x = 0; x < layout.width; ++x) {
            const std::size_t column = static_cast<std::size_t>(x);
            std::uint32_t pixel = 0;
            switch (layout.bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::size_t bitAt = column * layout.bitCount;
                const unsigned shift = 8 - layout.bitCount - bitAt % 8;
                const std::uint32_t index =
                    (bits[bitAt / 8] >> shift) & ((1u << layout.bitCount) - 1);
                pixel = index < palette->size() ? (*palette)[index] : rgbBlack;
                break;
            }
            case 16: {
                const std::uint32_t value = ReadU16(bits, column * 2);
                pixel = Channel(value, layout.masks[0]) << 16 |
                        Channel(value, layout.masks[1]) << 8 | Channel(value, layout.masks[2]);
                break;
            }
            case 24:
                pixel = std::uint32_t{bits[column * 3 + 2]} << 16 |
                        std::uint32_t{bits[column * 3 + 1]} << 8 | bits[column * 3];
                break;
            default: {
                const std::uint32_t value = ReadU32(bits, column * 4);
                pixel = Channel(value, layout.masks[0]) << 16 |
                        Channel(value, layout.masks[1]) << 8 | Channel(value, layout.masks[2]);
                break;
            }
            }
            bitmap.pixels.push_back(pixel);
        }
    }
    return bitmap;
}

} // namespace

std::optional<Bitmap> DecodeBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < fileHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const auto layout = ReadLayout(file, fileHeaderSize);
    if (!layout) {
        return std::nullopt;
    }
    return DecodePixels(file, *layout, ReadU32(file, 10));
}

std::optional<Bitmap> DecodeDib(std::span<const std::uint8_t> dib) {
    const auto layout = ReadLayout(dib, 0);
    if (!layout) {
        return std::nullopt;
    }
    std::uint64_t pixelsAt = layout->paletteOffset + layout->colorsUsed * layout->paletteEntrySize;
    return DecodePixels(dib, *layout, pixelsAt);
}

std::optional<Bitmap> ReadBmpFile(const std::string& path) {
    // A FIFO or a device would be waited on: only a regular file can be a bitmap file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > maxFileSize) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(file.data()), size)) {
        return std::nullopt;
    }
    return DecodeBmpFile(file);
}
