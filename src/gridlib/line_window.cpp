#include "line_window.h"

#include <algorithm>
#include <cstdint>

LineWindow MoveLineWindow(LineWindow from, int newLine, int visibleLines, int nLines,
                          bool fixedSize) {
    const int64_t visible = std::max(1, visibleLines);
    const int64_t top = std::max(0, from.topLine);
    const int64_t oldLine = top + std::clamp<int64_t>(from.currentRow, 0, visible - 1);
    if (newLine >= top && newLine < top + visible)
        return {static_cast<int>(top), static_cast<int>(newLine - top)};

    int64_t newTop = top + (int64_t{newLine} - oldLine);
    if (fixedSize)
        newTop = std::min<int64_t>(newTop, int64_t{nLines} - visible);
    newTop = std::max<int64_t>(newTop, 0);
    const int64_t row = std::clamp<int64_t>(newLine - newTop, 0, visible - 1);
    return {static_cast<int>(newLine - row), static_cast<int>(row)};
}
