#include "MeasuringSurface.h"

#include "text/Windows1252.h"

#include <string>

namespace {

// Form maps a point 100 units right of and below the printable area's corner, Y upward.
constexpr std::int32_t formOffset = 100;
constexpr double unitsPerMillimetre = 39.37007874015748;

} // namespace

void MeasuringSurface::Keep(std::int32_t x, std::int32_t y, std::string_view text) {
    const std::string whole(text);
    const auto pageHeight =
        static_cast<std::int32_t>(DeviceCaps(DeviceCap::VertSize) * unitsPerMillimetre);
    const TextSize size = GetTextExtent(whole);
    const std::size_t first = whole.find_first_not_of(' ');
    const std::size_t last = whole.find_last_not_of(' ');
    TextBox box;
    box.text = Utf8From1252(whole);
    box.left = x - formOffset;
    box.right = box.left + size.width;
    if (first != std::string::npos) {
        box.inkLeft = box.left + GetTextExtent(whole.substr(0, first)).width;
        box.inkRight = box.left + GetTextExtent(whole.substr(0, last + 1)).width;
    }
    box.top = pageHeight - y - formOffset;
    box.bottom = box.top + size.height;
    box.gap = GetTextExtent(" ").width;
    texts.push_back(box);
}

bool MeasuringSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    Keep(x, y, text);
    return PainterSurface::TextOut(x, y, text);
}

bool MeasuringSurface::ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options,
                                  const PageRect* rect, std::string_view text) {
    Keep(x, y, text);
    return PainterSurface::ExtTextOut(x, y, options, rect, text);
}

QImage LetterPage() {
    constexpr int dotsPerMetre = 11811; // 300 dpi
    QImage page(2550, 3300, QImage::Format_RGB32);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    return page;
}
