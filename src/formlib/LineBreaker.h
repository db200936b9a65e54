#pragma once

// Breaks text into the lines of a box: at CR, LF or CR LF, and between words where the next
// word would pass the box width. A word wider than the box keeps a line of its own.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

using TextWidthFunction = std::function<std::int64_t(std::string_view)>;

std::vector<std::string_view> BreakLines(std::string_view text, std::int64_t boxWidth,
                                         const TextWidthFunction& widthOf);
