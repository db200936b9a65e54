#include "RecordingSurface.h"

#include <sstream>

namespace {

std::string Rect(const PageRect& rect) {
    std::ostringstream out;
    out << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
    return out.str();
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string Describe(const FontAttributes& font) {
    std::ostringstream out;
    out << "face=" << font.face << " height=" << font.height << " width=" << font.width
        << " escapement=" << font.escapement << " orientation=" << font.orientation
        << " weight=" << font.weight << " italic=" << int{font.italic}
        << " underline=" << int{font.underline} << " strikeOut=" << int{font.strikeOut}
        << " charSet=" << int{font.charSet} << " outPrecision=" << int{font.outPrecision}
        << " clipPrecision=" << int{font.clipPrecision} << " quality=" << int{font.quality}
        << " pitchAndFamily=" << int{font.pitchAndFamily};
    return out.str();
}

std::int32_t RecordingSurface::DeviceCaps(DeviceCap cap) const {
    switch (cap) {
    case DeviceCap::HorzSize:
        return horzSizeMm;
    case DeviceCap::VertSize:
        return vertSizeMm;
    case DeviceCap::HorzRes:
        return horzRes;
    case DeviceCap::VertRes:
        return vertRes;
    }
    return 0;
}

void RecordingSurface::SetMapModeHiEnglish() {
    calls.push_back("SetMapModeHiEnglish()");
}

void RecordingSurface::SetViewportOrg(std::int32_t deviceX, std::int32_t deviceY) {
    calls.push_back("SetViewportOrg(" + std::to_string(deviceX) + ", " + std::to_string(deviceY) +
                    ")");
}

void RecordingSurface::SelectFont(const FontAttributes& font) {
    fonts.push_back(font);
    calls.push_back("SelectFont(" + Describe(font) + ")");
}

void RecordingSurface::SelectPen(std::int32_t width) {
    calls.push_back("SelectPen(" + std::to_string(width) + ")");
}

void RecordingSurface::SetTextColor(Rgb color) {
    calls.push_back("SetTextColor(" + std::to_string(color) + ")");
}

bool RecordingSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    calls.push_back("TextOut(" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                    Quoted(text) + ")");
    return true;
}

bool RecordingSurface::ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options,
                                  const PageRect* rect, std::string_view text) {
    calls.push_back("ExtTextOut(" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                    std::to_string(options) + ", " + (rect != nullptr ? Rect(*rect) : "null") +
                    ", " + Quoted(text) + ")");
    return true;
}

bool RecordingSurface::DrawText(const PageRect& box, std::string_view text, TextAlign align) {
    calls.push_back("DrawText(" + Rect(box) + ", " + Quoted(text) + ", " +
                    (align == TextAlign::Left ? "left" : "right") + ")");
    return true;
}

TextSize RecordingSurface::GetTextExtent(std::string_view text) {
    return measure(text);
}

bool RecordingSurface::Rectangle(const PageRect& rect) {
    calls.push_back("Rectangle(" + Rect(rect) + ")");
    return true;
}

bool RecordingSurface::Line(PagePoint from, PagePoint to) {
    calls.push_back("Line(" + std::to_string(from.x) + ", " + std::to_string(from.y) + ", " +
                    std::to_string(to.x) + ", " + std::to_string(to.y) + ")");
    return true;
}

bool RecordingSurface::PatternFill(const PageRect& rect, const std::array<std::uint8_t, 8>& rows) {
    std::ostringstream pattern;
    pattern << std::hex << std::uppercase;
    for (const std::uint8_t row : rows) {
        pattern << " " << int{row};
    }
    calls.push_back("PatternFill(" + Rect(rect) + "," + pattern.str() + ")");
    return true;
}

bool RecordingSurface::StretchBitmap(const PageRect& dest, const Bitmap& bitmap) {
    bitmaps.push_back(RecordedBitmap{dest, bitmap});
    calls.push_back("StretchBitmap(" + Rect(dest) + ", " + std::to_string(bitmap.width) + " x " +
                    std::to_string(bitmap.height) + ")");
    return true;
}

std::optional<std::string> RecordingSurface::LoadString(std::int32_t id) {
    const auto found = strings.find(id);
    return found != strings.end() ? std::optional(found->second) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> RecordingSurface::LoadBitmapResource(std::int32_t id) {
    const auto found = bitmapResources.find(id);
    return found != bitmapResources.end() ? std::optional(found->second) : std::nullopt;
}

void RecordingSurface::ShowMessage(std::string_view text) {
    messages.emplace_back(text);
}

std::vector<std::string> RecordingSurface::CallsOf(const std::string& operation) const {
    std::vector<std::string> found;
    for (const auto& call : calls) {
        if (call.rfind(operation + "(", 0) == 0) {
            found.push_back(call);
        }
    }
    return found;
}
