#pragma once
// The text grid of the printed report: the fonts it uses, the line height measured on the page
// surface, the running line index, and drawing through Form at a row.

#include "calc/QuantityText.h"
#include "formlib/Form.h"

#include <cstdint>
#include <string>

enum class ReportFont { F16B, F14B, F12B, F12, F10, F9, F8 };

// Columns and row bases in page units (0.001 inch).
namespace report {
inline constexpr int32_t C0 = 100;
inline constexpr int32_t C1 = 1410;
inline constexpr int32_t C2 = 4500;
inline constexpr int32_t C3 = 3750;
inline constexpr int32_t C4 = 4700;
inline constexpr int32_t C5 = 7800;
inline constexpr int32_t BodyBase = 700;
// The body grid spans this height; rows stop at 9200 / S + 4.
inline constexpr int32_t BodyHeight = 9200;
} // namespace report

class ReportRows {
public:
    ReportRows(Form& form, Surface& surface, UnitSystem units = UnitSystem::Imperial)
        : form_(form), surface_(surface), units_(units) {}

    void SetFont(ReportFont font);
    // S from the height of "A" in the current font, then U; resets the line index.
    void MeasureLineHeight();

    int32_t S() const { return lineHeight_; }
    int32_t U() const { return rowCount_; }
    int32_t n = 0; // the current body row

    // y of row n + offset on the given base.
    int32_t Y(int32_t offset, int32_t base) const;
    void At(int32_t x, int32_t y, const std::string& text) { form_.TextAt(x, y, text.c_str()); }
    void Right(int32_t x, int32_t y, const std::string& text) {
        form_.TextRight(x, y, text.c_str());
    }
    // Width of the text in the current font, in page units.
    int32_t Width(const std::string& text) { return surface_.GetTextExtent(text).width; }
    Form& form() { return form_; }
    // Numbers with their units in the report's unit system.
    const QuantityText& Units() const { return units_; }
    // A heat figure: "%<width>li btuh", or watts.
    std::string Heat(double btuh, int width = 12, const char* unit = "btuh") const {
        return units_.Value(Quantity::HeatFlow, btuh, width, 0, unit);
    }

private:
    Form& form_;
    Surface& surface_;
    QuantityText units_;
    int32_t lineHeight_ = 1;
    int32_t rowCount_ = report::BodyHeight;
};
