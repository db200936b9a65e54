#include "BmpWriter.h"

#include <fstream>
#include <stdexcept>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutHeader(std::vector<std::uint8_t>& out, const BmpSpec& spec) {
    const std::int32_t height = spec.topDown ? -spec.height : spec.height;
    if (spec.header == BmpHeader::Core) {
        PutU32(out, 12);
        PutU16(out, static_cast<std::uint32_t>(spec.width));
        PutU16(out, static_cast<std::uint32_t>(height));
        PutU16(out, spec.planes);
        PutU16(out, spec.bitCount);
        return;
    }
    const std::size_t start = out.size();
    PutU32(out, spec.header == BmpHeader::V4 ? 108 : 40);
    PutU32(out, static_cast<std::uint32_t>(spec.width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, spec.planes);
    PutU16(out, spec.bitCount);
    PutU32(out, spec.compression);
    PutU32(out, 0);    // image size
    PutU32(out, 3937); // 100 dpi
    PutU32(out, 3937);
    PutU32(out, static_cast<std::uint32_t>(spec.palette.size()));
    PutU32(out, 0);
    if (spec.header == BmpHeader::V4) {
        for (const std::uint32_t mask : spec.masks) {
            PutU32(out, mask);
        }
        out.resize(start + 108, 0);
    } else if (spec.compression == 3) {
        for (const std::uint32_t mask : spec.masks) {
            PutU32(out, mask);
        }
    }
}

void PutPalette(std::vector<std::uint8_t>& out, const BmpSpec& spec) {
    for (const std::uint32_t color : spec.palette) {
        out.push_back(static_cast<std::uint8_t>(color));
        out.push_back(static_cast<std::uint8_t>(color >> 8));
        out.push_back(static_cast<std::uint8_t>(color >> 16));
        if (spec.header != BmpHeader::Core) {
            out.push_back(0);
        }
    }
}

void PutPixels(std::vector<std::uint8_t>& out, const BmpSpec& spec) {
    const std::size_t stride =
        ((static_cast<std::size_t>(spec.width) * spec.bitCount + 31) / 32) * 4;
    for (std::int32_t stored = 0; stored < spec.height; ++stored) {
        const std::int32_t y = spec.topDown ? stored : spec.height - 1 - stored;
        std::vector<std::uint8_t> row(stride, 0);
        for (std::int32_t x = 0; x < spec.width; ++x) {
            const std::uint32_t value = spec.pixel(x, y);
            const std::size_t bitAt = static_cast<std::size_t>(x) * spec.bitCount;
            switch (spec.bitCount) {
            case 1:
            case 4:
            case 8:
                row[bitAt / 8] |=
                    static_cast<std::uint8_t>(value << (8 - spec.bitCount - bitAt % 8));
                break;
            case 16:
                row[bitAt / 8] = static_cast<std::uint8_t>(value);
                row[bitAt / 8 + 1] = static_cast<std::uint8_t>(value >> 8);
                break;
            case 24:
                row[bitAt / 8] = static_cast<std::uint8_t>(value);
                row[bitAt / 8 + 1] = static_cast<std::uint8_t>(value >> 8);
                row[bitAt / 8 + 2] = static_cast<std::uint8_t>(value >> 16);
                break;
            default:
                for (int i = 0; i < 4; ++i) {
                    row[bitAt / 8 + static_cast<std::size_t>(i)] =
                        static_cast<std::uint8_t>(value >> (8 * i));
                }
                break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<std::uint8_t> MakeDib(const BmpSpec& spec) {
    std::vector<std::uint8_t> dib;
    PutHeader(dib, spec);
    PutPalette(dib, spec);
    PutPixels(dib, spec);
    return dib;
}

std::vector<std::uint8_t> MakeBmpFile(const BmpSpec& spec) {
    std::vector<std::uint8_t> header;
    PutHeader(header, spec);
    PutPalette(header, spec);
    const std::vector<std::uint8_t> dib = MakeDib(spec);
    std::vector<std::uint8_t> file{'B', 'M'};
    PutU32(file, static_cast<std::uint32_t>(14 + dib.size()));
    PutU32(file, 0);
    PutU32(file, static_cast<std::uint32_t>(14 + header.size())); // offset of the pixels
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
