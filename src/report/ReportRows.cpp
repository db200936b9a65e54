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

void ReportRows::At(int32_t x, int32_t y, const std::string& text) {
    lowest_ = std::max(lowest_, y + lineHeight_);
    if (!rehearsing_)
        form_.TextAt(x, y, text.c_str());
}

void ReportRows::Right(int32_t x, int32_t y, const std::string& text) {
    lowest_ = std::max(lowest_, y + lineHeight_);
    if (!rehearsing_)
        form_.TextRight(x, y, text.c_str());
}

void ReportRows::Rehearse(bool rehearsing) {
    rehearsing_ = rehearsing;
    if (rehearsing)
        lowest_ = 0;
}

void ReportRows::ChooseLoadUnit(LoadColumn column, double largestBtuh) {
    constexpr double largestInWatts = 10000.0;
    kilowatts_[static_cast<std::size_t>(column)] =
        units_.Metric() && ToSi(Quantity::HeatFlow, largestBtuh) > largestInWatts;
}

std::string ReportRows::Heat(double btuh, int width, const char* unit, LoadColumn column) const {
    if (kilowatts_[static_cast<std::size_t>(column)])
        return units_.Kilowatts(btuh, width);
    return units_.Value(Quantity::HeatFlow, btuh, width, 0, unit);
}

std::string ReportRows::Fitted(const std::function<std::string(const std::string&)>& make,
                               const std::string& field, int32_t room) {
    // Trailing blanks take no room: the next text, drawn after, covers their cells.
    const auto visibleWidth = [this](std::string text) {
        text.erase(text.find_last_not_of(' ') + 1);
        return Width(text);
    };
    std::string text = make(field);
    for (std::size_t kept = field.size(); kept > 0 && visibleWidth(text) > room; --kept) {
        std::string cut = field.substr(0, kept - 1);
        cut.erase(cut.find_last_not_of(' ') + 1);
        text = make(cut + '\x85'); // the Windows-1252 ellipsis
    }
    return text;
}

void ReportRows::AtFitted(int32_t x, int32_t y,
                          const std::function<std::string(const std::string&)>& make,
                          const std::string& field, int32_t limit) {
    At(x, y, Fitted(make, field, limit - x - Width(" ")));
}

int32_t ReportRows::Y(int32_t offset, int32_t base) const {
    return (n + offset) * lineHeight_ + base;
}
