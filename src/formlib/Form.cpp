#include "formlib/Form.h"

#include "formlib/BmpReader.h"
#include "formlib/MulDiv.h"
#include "formlib/Saturate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::int32_t margin = 100; // Form origin offset from the printable area, page units
constexpr double unitsPerMillimetre = 39.37007874015748;
constexpr std::int32_t defaultPenWidth = 14;
constexpr std::size_t maxResourceStringLength = 254;
// A light grey of one dark dot per row.
constexpr std::array<std::uint8_t, 8> shadePattern = {0xFE, 0xFE, 0xEF, 0xFE,
                                                      0xEF, 0xEF, 0xFE, 0xEF};

std::string_view TextOf(const char* text) {
    return text != nullptr ? text : "";
}

std::int32_t CharacterHeight(std::int32_t points) {
    return SaturateToInt32(-std::int64_t{MulDiv(points, 1000, 72)});
}

FontAttributes DefaultFont() {
    FontAttributes font;
    font.face = "New Times Roman";
    font.height = CharacterHeight(10);
    font.weight = 400;
    font.charSet = 0;      // ANSI
    font.outPrecision = 7; // TrueType only
    font.clipPrecision = 0;
    font.quality = 1; // draft
    font.pitchAndFamily = 0;
    return font;
}

std::string_view ResourceText(const std::string& text) {
    std::string_view view(text);
    view = view.substr(0, std::min(view.find('\0'), maxResourceStringLength));
    return view;
}

} // namespace

std::int32_t Form::MapX(std::int64_t x) const {
    return SaturateToInt32(x + left + margin);
}

std::int32_t Form::MapY(std::int64_t y) const {
    return SaturateToInt32(pageHeight - y - margin);
}

bool Form::Open() {
    if (surface == nullptr) {
        return false;
    }
    left = 0;
    pageWidth = TruncateToInt32(surface->DeviceCaps(DeviceCap::HorzSize) * unitsPerMillimetre);
    pageHeight = TruncateToInt32(surface->DeviceCaps(DeviceCap::VertSize) * unitsPerMillimetre);
    font = DefaultFont();
    surface->SetMapModeHiEnglish();
    surface->SetViewportOrg(0, surface->DeviceCaps(DeviceCap::VertRes));
    surface->SelectFont(*font);
    surface->SelectPen(defaultPenWidth);
    return true;
}

bool Form::SetFont(const char* face, std::int32_t size, std::int32_t weight, std::int32_t italic,
                   std::int32_t angle) {
    if (surface == nullptr) {
        return false;
    }
    FontAttributes next = font.value_or(DefaultFont());
    next.height = CharacterHeight(size);
    next.width = 0;
    next.weight = weight;
    next.italic = static_cast<std::uint8_t>(italic & 0xFF);
    next.escapement = SaturateToInt32(std::int64_t{angle} * 10);
    next.pitchAndFamily = 0;
    next.face = std::string(TextOf(face).substr(0, FontAttributes::maxFaceLength));
    font = next;
    surface->SelectFont(*font);
    surface->SetTextColor(rgbBlack);
    return true;
}

bool Form::SetPenSize(std::int32_t width) {
    if (surface == nullptr) {
        return false;
    }
    surface->SelectPen(width);
    return true;
}

bool Form::TextAt(std::int32_t x, std::int32_t y, const char* text) {
    return surface != nullptr && surface->TextOut(MapX(x), MapY(y), TextOf(text));
}

bool Form::TextAt(std::int32_t x, std::int32_t y, std::int32_t stringId) {
    if (surface == nullptr) {
        return false;
    }
    const auto text = surface->LoadString(stringId);
    return text && surface->TextOut(MapX(x), MapY(y), ResourceText(*text));
}

bool Form::TextAt(PagePoint surfacePoint, const char* text) {
    return surface != nullptr && surface->TextOut(surfacePoint.x, surfacePoint.y, TextOf(text));
}

bool Form::TextRight(std::int32_t x, std::int32_t y, const char* text) {
    if (surface == nullptr) {
        return false;
    }
    // The box runs from the left edge to x in surface units, so its right edge lies 100 units
    // left of the mapped x. The bottom is as far below the top as y; the text is not clipped.
    PageRect box;
    box.left = left;
    box.right = SaturateToInt32(std::int64_t{left} + x);
    box.top = MapY(y);
    box.bottom = SaturateToInt32(std::int64_t{box.top} - y);
    return surface->DrawText(box, TextOf(text), TextAlign::Right);
}

bool Form::TextCenter(std::int32_t y, const char* text) {
    if (surface == nullptr) {
        return false;
    }
    const std::int64_t width = surface->GetTextExtent(TextOf(text)).width;
    std::int64_t x = left + (std::int64_t{pageWidth} - left) / 2 - width / 2;
    if (x < left) {
        x = left;
    }
    return TextAt(SaturateToInt32(x), y, text);
}

bool Form::DrawTextA(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     const char* text) {
    if (surface == nullptr) {
        return false;
    }
    PageRect box;
    box.left = MapX(x);
    box.top = MapY(y);
    box.right = SaturateToInt32(std::int64_t{box.left} + w);
    box.bottom = SaturateToInt32(std::int64_t{box.top} - h);
    return surface->DrawText(box, TextOf(text), TextAlign::Left);
}

bool Form::DrawTextA(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::int32_t stringId) {
    if (surface == nullptr) {
        return false;
    }
    const auto text = surface->LoadString(stringId);
    if (!text) {
        return false;
    }
    const std::string bounded(ResourceText(*text));
    return DrawTextA(x, y, w, h, bounded.c_str());
}

bool Form::ExtTextOutA(std::int32_t x, std::int32_t y, const char* text, std::int32_t angle) {
    if (surface == nullptr) {
        return false;
    }
    const TextSize extent = surface->GetTextExtent(TextOf(text));
    const std::int64_t x0 = MapX(x);
    const std::int64_t y0 = MapY(y);
    const double w = extent.width;
    const double h = extent.height;

    PageRect box{SaturateToInt32(x0), SaturateToInt32(y0), SaturateToInt32(x0 + extent.width),
                 SaturateToInt32(y0 - extent.height)};
    PagePoint start{box.left, box.top};
    if (angle != 0) {
        // The corners of the turned text: the end of the baseline side (p1), the bottom of the
        // first character cell (p2) and the far corner (p3). The text turns counter-clockwise,
        // as the font's escapement does.
        const double theta = -angle * 6.28318 * (1.0 / 3600);
        const double d = std::sqrt(w * w + h * h);
        const double phi = w > 0 ? theta + std::atan(h / w) : theta;
        const std::int64_t xs[] = {x0, TruncateToInt32(x0 + w * std::cos(theta)),
                                   TruncateToInt32(x0 - h * std::sin(theta)),
                                   TruncateToInt32(x0 + d * std::cos(phi))};
        const std::int64_t ys[] = {y0, TruncateToInt32(y0 - w * std::sin(theta)),
                                   TruncateToInt32(y0 - h * std::cos(theta)),
                                   TruncateToInt32(y0 - d * std::sin(phi))};
        const std::int64_t boxLeft = *std::min_element(std::begin(xs), std::end(xs));
        const std::int64_t boxRight = *std::max_element(std::begin(xs), std::end(xs));
        const std::int64_t boxTop = *std::max_element(std::begin(ys), std::end(ys));
        const std::int64_t boxBottom = *std::min_element(std::begin(ys), std::end(ys));
        // Move the box so that its top-left corner lands on (x0, y0), and the text with it.
        const std::int64_t dx = boxLeft - x0;
        const std::int64_t dy = boxTop - y0;
        box = PageRect{SaturateToInt32(x0), SaturateToInt32(y0), SaturateToInt32(boxRight - dx),
                       SaturateToInt32(boxBottom - dy)};
        start = PagePoint{SaturateToInt32(x0 - dx), SaturateToInt32(y0 - dy)};
    }
    return surface->ExtTextOut(start.x, start.y, extTextOpaque, &box, TextOf(text));
}

bool Form::ExtTextOutA(std::int32_t x, std::int32_t y, std::uint32_t options, PageRect* rect,
                       const char* text, std::int32_t count, const std::int32_t*) {
    if (surface == nullptr) {
        return false;
    }
    if (rect != nullptr) {
        *rect = PageRect{MapX(rect->left), MapY(rect->top), MapX(rect->right), MapY(rect->bottom)};
    }
    // Never read past the end of the text, whatever count says.
    const std::size_t length =
        count > 0 && text != nullptr ? strnlen(text, static_cast<std::size_t>(count)) : 0;
    return surface->ExtTextOut(MapX(x), MapY(y), options & 0xFFFF, rect,
                               std::string_view(text != nullptr ? text : "", length));
}

bool Form::Line(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    return surface != nullptr &&
           surface->Line(PagePoint{MapX(x), MapY(y)},
                         PagePoint{MapX(std::int64_t{x} + dx), MapY(std::int64_t{y} + dy)});
}

bool Form::Line(PagePoint from, std::int32_t length) {
    return Line(from.x, from.y, length);
}

bool Form::Line(std::int32_t x, std::int32_t y, std::int32_t length) {
    return Line(x, y, length, 0);
}

bool Form::CenterLine(std::int32_t y, std::int32_t length, std::int32_t penWidth) {
    if (surface == nullptr) {
        return false;
    }
    std::int64_t x = left + (std::int64_t{pageWidth} - left) / 2 - length / 2;
    if (x < 0) {
        x = left;
    }
    SetPenSize(penWidth);
    return Line(SaturateToInt32(x), y, length, 0);
}

bool Form::Box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    return surface != nullptr &&
           surface->Rectangle(
               PageRect{MapX(x), MapY(y), MapX(std::int64_t{x} + w), MapY(std::int64_t{y} + h)});
}

bool Form::Box(const PageRect& formRect) {
    return surface != nullptr &&
           surface->Rectangle(PageRect{MapX(formRect.left), MapY(formRect.top),
                                       MapX(formRect.right), MapY(formRect.bottom)});
}

bool Form::ShadedFillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          std::int32_t) {
    return surface != nullptr &&
           surface->PatternFill(
               PageRect{MapX(x), MapY(y), MapX(std::int64_t{x} + w), MapY(std::int64_t{y} + h)},
               shadePattern);
}

bool Form::DrawBMP(std::int32_t x, std::int32_t y, const char* fileName) {
    if (surface == nullptr) {
        return false;
    }
    const char* name = fileName != nullptr ? fileName : "";
    const auto bitmap = ReadBmpFile(name);
    if (!bitmap) {
        const int length = std::snprintf(nullptr, 0, "Can't open bitmap file %s", name);
        std::string message(static_cast<std::size_t>(std::max(length, 0)), '\0');
        std::snprintf(message.data(), message.size() + 1, "Can't open bitmap file %s", name);
        surface->ShowMessage(message);
        return false;
    }
    DrawBitmap(x, y, *bitmap);
    return true;
}

bool Form::DrawBMP(std::int32_t x, std::int32_t y, std::int32_t resourceId) {
    if (surface == nullptr) {
        return false;
    }
    const auto dib = surface->LoadBitmapResource(resourceId);
    const auto bitmap = dib ? DecodeDib(*dib) : std::nullopt;
    if (!bitmap) {
        return false;
    }
    DrawBitmap(x, y, *bitmap);
    return true;
}

void Form::DrawBitmap(std::int32_t x, std::int32_t y, const Bitmap& bitmap) {
    // Each bitmap pixel covers 1/300 inch.
    const std::int64_t width = std::int64_t{bitmap.width} * 10 / 3;
    const std::int64_t height = std::int64_t{bitmap.height} * 10 / 3;
    const std::int32_t destLeft = MapX(x);
    const std::int32_t destTop = MapY(y);
    surface->StretchBitmap(PageRect{destLeft, destTop, SaturateToInt32(destLeft + width),
                                    SaturateToInt32(destTop - height)},
                           bitmap);
}
