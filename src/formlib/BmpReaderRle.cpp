#include "formlib/BmpReaderRle.h"

#include "formlib/SurfaceTypes.h"

namespace {

constexpr std::uint8_t escapeEndOfLine = 0;
constexpr std::uint8_t escapeEndOfBitmap = 1;
constexpr std::uint8_t escapeDelta = 2;

// The pixels being decoded, with the position of the next one; rows count from the bottom.
class RlePainter {
public:
    RlePainter(std::int64_t width, std::int64_t height, std::span<const std::uint32_t> palette)
        : width(width), height(height), palette(palette),
          pixels(static_cast<std::size_t>(width * height), rgbWhite) {}

    // Writes one pixel and moves right; false when the position is outside the bitmap.
    bool Put(unsigned index) {
        if (x >= width || y >= height) {
            return false;
        }
        pixels[static_cast<std::size_t>((height - 1 - y) * width + x)] =
            index < palette.size() ? palette[index] : rgbBlack;
        ++x;
        return true;
    }

    // Moves right and up; false when that leaves the bitmap (its right end and the line above
    // its top row are still inside, as after the last pixel of a line or the last line).
    bool Move(std::int64_t right, std::int64_t up) {
        x += right;
        y += up;
        return x <= width && y <= height;
    }

    bool NextLine() {
        x = 0;
        return Move(0, 1);
    }

    bool AllLinesEnded() const { return y >= height; }

    std::vector<std::uint32_t> Take() { return std::move(pixels); }

private:
    std::int64_t width;
    std::int64_t height;
    std::span<const std::uint32_t> palette;
    std::vector<std::uint32_t> pixels;
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The palette index of pixel i of a run: a whole byte at 8 bits, else the high nibble of its
// byte for an even i and the low nibble for an odd one.
unsigned IndexInByte(std::uint8_t byte, std::size_t i, unsigned bitsPerPixel) {
    if (bitsPerPixel == 8) {
        return byte;
    }
    return i % 2 == 0 ? byte >> 4 : byte & 0x0Fu;
}

} // namespace

std::optional<std::vector<std::uint32_t>> DecodeRle(std::span<const std::uint8_t> stream,
                                                    std::int64_t width, std::int64_t height,
                                                    unsigned bitsPerPixel,
                                                    std::span<const std::uint32_t> palette) {
    RlePainter painter(width, height, palette);
    std::size_t at = 0;
    while (stream.size() - at >= 2) {
        const std::uint8_t count = stream[at];
        const std::uint8_t code = stream[at + 1];
        at += 2;
        if (count > 0) { // an encoded run: count pixels of the colour or colours in code
            for (std::size_t i = 0; i < count; ++i) {
                if (!painter.Put(IndexInByte(code, i, bitsPerPixel))) {
                    return std::nullopt;
                }
            }
            continue;
        }
        switch (code) {
        case escapeEndOfLine:
            if (!painter.NextLine()) {
                return std::nullopt;
            }
            break;
        case escapeEndOfBitmap:
            return painter.Take();
        case escapeDelta:
            if (stream.size() - at < 2 || !painter.Move(stream[at], stream[at + 1])) {
                return std::nullopt;
            }
            at += 2;
            break;
        default: { // an absolute run of code pixels, its bytes padded to a 16-bit boundary
            const std::size_t bytes = bitsPerPixel == 8 ? code : (code + 1u) / 2;
            const std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (stream.size() - at < padded) {
                return std::nullopt;
            }
            for (std::size_t i = 0; i < code; ++i) {
                const std::uint8_t byte = stream[at + (bitsPerPixel == 8 ? i : i / 2)];
                if (!painter.Put(IndexInByte(byte, i, bitsPerPixel))) {
                    return std::nullopt;
                }
            }
            at += padded;
            break;
        }
        }
    }
    if (!painter.AllLinesEnded()) {
        return std::nullopt; // the stream stops in the middle of the bitmap
    }
    return painter.Take();
}
