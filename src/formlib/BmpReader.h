#pragma once

// Decodes device-independent bitmaps: uncompressed (BI_RGB) or bit-field (BI_BITFIELDS)
// pixels of 1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down, and run-length encoded ones
// (BI_RLE8, BI_RLE4, bottom-up), with the OS/2 core header or any of the Windows info headers.
// JPEG and PNG compression and damaged files are refused.

#include "formlib/SurfaceTypes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A .bmp file: file header, then the bitmap.
std::optional<Bitmap> DecodeBmpFile(std::span<const std::uint8_t> file);

// A bitmap without the file header (as resources hold it): header, colour table, pixels.
std::optional<Bitmap> DecodeDib(std::span<const std::uint8_t> dib);

// Reads and decodes a .bmp file; nothing when it is missing, unreadable or not a bitmap.
std::optional<Bitmap> ReadBmpFile(const std::string& path);
