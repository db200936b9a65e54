#include "report/ReportRows.h"

#include <algorithm>

namespace {

// A surface that measures no height (or an absurd one) still gets a usable grid.
constexpr int32_t minLineHeight = 1;
constexpr int32_t maxLineHeight = report::BodyHeight;

struct FontStyle {
    int32_t size;
    int32_t weight;
};

FontStyle StyleOf(ReportFont font) {
    switch (font) {
    case ReportFont::F16B:
        return {16, 700};
    case ReportFont::F14B:
        return {14, 700};
    case ReportFont::F12B:
        return {12, 700};
    case ReportFont::F12:
        return {12, 400};
    case ReportFont::F10:
        return {10, 400};
    case ReportFont::F9:
        return {9, 400};
    case ReportFont::F8:
        return {8, 400};
    }
    return {12, 400};
}

} // namespace

void ReportRows::SetFont(ReportFont font) {
    const FontStyle style = StyleOf(font);
    form_.SetFont("Arial", style.size, style.weight, 0, 0);
}

void ReportRows::MeasureLineHeight() {
    lineHeight_ = std::clamp(surface_.GetTextExtent("A").height, minLineHeight, maxLineHeight);
    rowCount_ = report::BodyHeight / lineHeight_;
    n = 0;
}

int32_t ReportRows::Y(int32_t offset, int32_t base) const {
    return (n + offset) * lineHeight_ + base;
}
