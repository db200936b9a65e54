#pragma once

// Value types exchanged between Form and a drawing surface. All coordinates are in the units
// of the surface's current mapping (thousandths of an inch, Y upward, once Form has opened it).

#include <cstdint>
#include <string>
#include <vector>

struct PagePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct PageRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct TextSize {
    std::int32_t width = 0;
    std::int32_t height = 0; // height of the character cell (ascent + descent)
};

// A logical font as the page drawing describes it. A negative height is the character height
// (the em height, without internal leading); a positive height is the cell height.
struct FontAttributes {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    std::int32_t orientation = 0; // tenths of a degree
    std::int32_t weight = 0;      // 100 (thin) to 900 (black); 400 regular, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string face; // at most FontAttributes::maxFaceLength bytes

    static constexpr std::size_t maxFaceLength = 31;

    bool operator==(const FontAttributes&) const = default;
};

// A decoded device-independent bitmap: rows from top to bottom, each pixel 0x00RRGGBB.
struct Bitmap {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;
};

// 0x00RRGGBB
using Rgb = std::uint32_t;
inline constexpr Rgb rgbBlack = 0x000000;
inline constexpr Rgb rgbWhite = 0xFFFFFF;

enum class DeviceCap {
    HorzSize, // printable width in millimetres
    VertSize, // printable height in millimetres
    HorzRes,  // printable width in device pixels
    VertRes,  // printable height in device pixels
};

enum class TextAlign { Left, Right };

// Options of Surface::ExtTextOut.
inline constexpr std::uint32_t extTextOpaque = 0x0002;  // fill the rectangle with the background
inline constexpr std::uint32_t extTextClipped = 0x0004; // clip the text to the rectangle
