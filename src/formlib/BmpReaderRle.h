#pragma once

// Run-length encoded pixels of device-independent bitmaps: BI_RLE8 (8 bits a pixel) and
// BI_RLE4 (4 bits a pixel).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Decodes the stream into width × height colours, top row first, looking each palette index up
// in the palette (an index beyond it is black). The stream runs from the bottom row up: encoded
// runs, absolute runs (padded to 16 bits), and the escapes end of line, end of bitmap and delta.
// Pixels the stream passes over (a delta, a line or the bitmap ended early) stay white, as
// paper that the bitmap leaves alone. Nothing when the stream is damaged: it ends before its
// end-of-bitmap mark (unless every line was ended), or a run or a delta leaves the bitmap.
std::optional<std::vector<std::uint32_t>> DecodeRle(std::span<const std::uint8_t> stream,
                                                    std::int64_t width, std::int64_t height,
                                                    unsigned bitsPerPixel,
                                                    std::span<const std::uint32_t> palette);
