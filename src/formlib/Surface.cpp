#include "formlib/Surface.h"

#include "formlib/LineBreaker.h"
#include "formlib/Saturate.h"

#include <cstdio>

Surface::~Surface() = default;

std::optional<std::string> Surface::LoadString(std::int32_t) {
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> Surface::LoadBitmapResource(std::int32_t) {
    return std::nullopt;
}

void Surface::ShowMessage(std::string_view text) {
    if (!text.empty()) {
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
    std::fputc('\n', stderr);
}

bool Surface::DrawWrappedText(const PageRect& box, std::string_view text, TextAlign align,
                              bool yUp) {
    const std::int64_t boxWidth = std::int64_t{box.right} - box.left;
    const auto lines = BreakLines(text, boxWidth, [this](std::string_view line) {
        return std::int64_t{GetTextExtent(line).width};
    });
    bool drawn = true;
    std::int64_t y = box.top;
    for (const std::string_view line : lines) {
        const TextSize size = GetTextExtent(line);
        const std::int64_t x = align == TextAlign::Left ? std::int64_t{box.left}
                                                        : std::int64_t{box.right} - size.width;
        drawn = TextOut(SaturateToInt32(x), SaturateToInt32(y), line) && drawn;
        y += yUp ? -std::int64_t{size.height} : std::int64_t{size.height};
    }
    return drawn;
}
