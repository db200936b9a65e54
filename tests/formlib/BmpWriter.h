#pragma once

// Builds .bmp files for the tests, in any of the layouts the bitmap reader accepts, and a few
// that it refuses.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class BmpHeader { Core, Info, V4 };

struct BmpPicture {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint16_t planes = 1;
    bool topDown = false;
    BmpHeader header = BmpHeader::Info;
    std::uint32_t compression = 0; // 0 none, 3 bit fields; anything else is written as is
    // With compression 1 or 2 (run-length encoded): the stream, written in place of the pixels.
    std::vector<std::uint8_t> encoded;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue, with compression 3
    std::vector<std::uint32_t> palette; // 0xRRGGBB
    // The stored value of the pixel at (x, y), y counted from the top: a palette index up to
    // 8 bits, 0xRRGGBB at 24 bits, the raw pixel word at 16 and 32 bits.
    std::function<std::uint32_t(std::int32_t x, std::int32_t y)> pixel =
        [](std::int32_t, std::int32_t) { return 0u; };
};

// The bitmap with its 14-byte file header.
std::vector<std::uint8_t> MakeBmpFile(const BmpPicture& picture);
// The bitmap as a resource holds it: no file header.
std::vector<std::uint8_t> MakeDib(const BmpPicture& picture);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
