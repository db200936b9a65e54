// libFuzzer target: tavrin32's bitmap reader, above all its run-length decoder.
// Input: a selector byte. Selector 0: the rest is a whole .bmp file, also read as a bitmap
// without its file header. Any other selector: its lowest bit picks 4 (set) or 8 bits a pixel,
// the next two bytes the width and height (1 to 64), and the rest is the run-length stream.
#include "formlib/BmpReader.h"
#include "formlib/BmpReaderRle.h"
#include "formlib/SurfaceTypes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckBitmap(const std::optional<Bitmap>& bitmap) {
    if (!bitmap)
        return;
    Check(bitmap->width > 0 && bitmap->height > 0);
    Check(bitmap->pixels.size() ==
          static_cast<std::size_t>(bitmap->width) * static_cast<std::size_t>(bitmap->height));
}

// Twelve colours, none of them white or black: shorter than the 16 or 256 indexes a stream can
// name, so that indexes beyond the table are exercised too.
constexpr std::array<std::uint32_t, 12> palette{0x100000, 0x200000, 0x300000, 0x400000,
                                                0x001000, 0x002000, 0x003000, 0x004000,
                                                0x000010, 0x000020, 0x000030, 0x000040};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const std::span<const std::uint8_t> input(data, size);
    if (data[0] == 0) {
        CheckBitmap(DecodeBmpFile(input.subspan(1)));
        CheckBitmap(DecodeDib(input.subspan(1)));
        return 0;
    }
    const unsigned bitsPerPixel = (data[0] & 1) != 0 ? 4 : 8;
    const std::int64_t width = 1 + data[1] % 64;
    const std::int64_t height = 1 + data[2] % 64;
    const auto pixels = DecodeRle(input.subspan(3), width, height, bitsPerPixel, palette);
    if (!pixels)
        return 0;
    Check(pixels->size() == static_cast<std::size_t>(width * height));
    for (const std::uint32_t pixel : *pixels) {
        Check(pixel == rgbWhite || pixel == rgbBlack ||
              std::find(palette.begin(), palette.end(), pixel) != palette.end());
    }
    return 0;
}
