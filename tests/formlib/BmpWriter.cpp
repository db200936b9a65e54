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

void PutHeader(std::vector<std::uint8_t>& out, const BmpPicture& picture) {
    const std::int32_t height = picture.topDown ? -picture.height : picture.height;
    if (picture.header == BmpHeader::Core) {
        PutU32(out, 12);
        PutU16(out, static_cast<std::uint32_t>(picture.width));
        PutU16(out, static_cast<std::uint32_t>(height));
        PutU16(out, picture.planes);
        PutU16(out, picture.bitCount);
        return;
    }
    const std::size_t start = out.size();
    PutU32(out, picture.header == BmpHeader::V4 ? 108 : 40);
    PutU32(out, static_cast<std::uint32_t>(picture.width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, picture.planes);
    PutU16(out, picture.bitCount);
    PutU32(out, picture.compression);
    PutU32(out, 0);    // image size
    PutU32(out, 3937); // 100 dpi
    PutU32(out, 3937);
    PutU32(out, static_cast<std::uint32_t>(picture.palette.size()));
    PutU32(out, 0);
    if (picture.header == BmpHeader::V4) {
        for (const std::uint32_t mask : picture.masks) {
            PutU32(out, mask);
        }
        out.resize(start + 108, 0);
    } else if (picture.compression == 3) {
        for (const std::uint32_t mask : picture.masks) {
            PutU32(out, mask);
        }
    }
}

void PutPalette(std::vector<std::uint8_t>& out, const BmpPicture& picture) {
    for (const std::uint32_t color : picture.palette) {
        out.push_back(static_cast<std::uint8_t>(color));
        out.push_back(static_cast<std::uint8_t>(color >> 8));
        out.push_back(static_cast<std::uint8_t>(color >> 16));
        if (picture.header != BmpHeader::Core) {
            out.push_back(0);
        }
    }
}

void PutPixels(std::vector<std::uint8_t>& out, const BmpPicture& picture) {
    if (picture.compression == 1 || picture.compression == 2) {
        out.insert(out.end(), picture.encoded.begin(), picture.encoded.end());
        return;
    }
    const std::size_t stride =
        ((static_cast<std::size_t>(picture.width) * picture.bitCount + 31) / 32) * 4;
    for (std::int32_t stored = 0; stored < picture.height; ++stored) {
        const std::int32_t y = picture.topDown ? stored : picture.height - 1 - stored;
        std::vector<std::uint8_t> row(stride, 0);
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const std::uint32_t value = picture.pixel(x, y);
            const std::size_t bitAt = static_cast<std::size_t>(x) * picture.bitCount;
            switch (picture.bitCount) {
            case 1:
            case 4:
            case 8:
                row[bitAt / 8] |=
                    static_cast<std::uint8_t>(value << (8 - picture.bitCount - bitAt % 8));
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

std::vector<std::uint8_t> MakeDib(const BmpPicture& picture) {
    std::vector<std::uint8_t> dib;
    PutHeader(dib, picture);
    PutPalette(dib, picture);
    PutPixels(dib, picture);
    return dib;
}

std::vector<std::uint8_t> MakeBmpFile(const BmpPicture& picture) {
    std::vector<std::uint8_t> header;
    PutHeader(header, picture);
    PutPalette(header, picture);
    const std::vector<std::uint8_t> dib = MakeDib(picture);
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
