#include "ReportSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

const DrawnText* DrawnPage::Find(const std::string& prefix) const {
    for (const DrawnText& t : texts) {
        if (t.text.rfind(prefix, 0) == 0)
            return &t;
    }
    return nullptr;
}

std::int32_t DrawnPage::RowOf(const std::string& prefix, std::int32_t base) const {
    const DrawnText* t = Find(prefix);
    if (t == nullptr)
        return -1;
    return (t->y - base) / lineHeight;
}

std::int32_t ReportSurface::DeviceCaps(DeviceCap cap) const {
    switch (cap) {
    case DeviceCap::HorzSize:
        return 203;
    case DeviceCap::VertSize:
        return 267;
    case DeviceCap::HorzRes:
        return 2400;
    case DeviceCap::VertRes:
        return 3150;
    }
    return 0;
}

void ReportSurface::Keep(std::int32_t x, std::int32_t y, bool right, std::string_view text) {
    // Character height 10 pt = 139 units, so points = height * 72 / 1000, rounded.
    const std::int32_t points =
        static_cast<std::int32_t>(std::lround(std::abs(current.height) * 72.0 / 1000.0));
    drawn.texts.push_back({x, y, right, points, current.weight, std::string(text)});
}

bool ReportSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    Keep(x - 100, pageHeight - y - 100, false, text);
    return true;
}

bool ReportSurface::ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t, const PageRect*,
                               std::string_view text) {
    return TextOut(x, y, text);
}

bool ReportSurface::DrawText(const PageRect& box, std::string_view text, TextAlign align) {
    Keep(box.right, pageHeight - box.top - 100, align == TextAlign::Right, text);
    return true;
}

TextSize ReportSurface::GetTextExtent(std::string_view text) {
    // Half the character height a character: about Arial's average advance.
    const std::int32_t advance = std::max<std::int32_t>(1, std::abs(current.height) / 2);
    return {static_cast<std::int32_t>(text.size()) * advance, drawn.lineHeight};
}

bool ReportSurface::Rectangle(const PageRect&) {
    ++drawn.rectangles;
    return true;
}

bool ReportSurface::Line(PagePoint, PagePoint) {
    ++drawn.lines;
    return true;
}

bool ReportSurface::StretchBitmap(const PageRect& dest, const Bitmap&) {
    drawn.bitmaps.push_back(dest);
    return true;
}
