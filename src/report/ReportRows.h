#pragma once
// The text grid of the printed report: the fonts it uses, the line height measured on the page
// surface, the running line index, and drawing through Form at a row.

#include "calc/QuantityText.h"
#include "formlib/Form.h"

#include <array>
#include <cstdint>
#include <functional>
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
// The page frame's width: no text runs past it.
inline constexpr int32_t FrameWidth = 7875;
} // namespace report

// The columns of load figures on a page. In SI a column whose largest figure is above 10 kW shows
// every figure in kW with one decimal, otherwise every figure in whole watts.
enum class LoadColumn { Totals, ProductHeats, Equipment };
inline constexpr int LoadColumnCount = 3;

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
    void At(int32_t x, int32_t y, const std::string& text);
    void Right(int32_t x, int32_t y, const std::string& text);

    // While rehearsing nothing is drawn: a page walks its steps once to learn how far down its
    // texts reach. Starting a rehearsal forgets the texts before it.
    void Rehearse(bool rehearsing);
    // The bottom of the lowest text drawn or rehearsed, a line height below its top.
    int32_t Lowest() const { return lowest_; }
    // Width of the text in the current font, in page units.
    int32_t Width(const std::string& text) { return surface_.GetTextExtent(text).width; }
    Form& form() { return form_; }
    // Numbers with their units in the report's unit system.
    const QuantityText& Units() const { return units_; }
    // Decides, for SI, whether the column shows kW from the largest figure it will show.
    void ChooseLoadUnit(LoadColumn column, double largestBtuh);
    // A heat figure: "%<width>li btuh"; in SI watts, or kW where the column is in kW.
    std::string Heat(double btuh, int width = 12, const char* unit = "btuh",
                     LoadColumn column = LoadColumn::Totals) const;

    // The text `make` builds around `field`, the field cut and ended with an ellipsis where the
    // whole text would be wider than `room` in the current font.
    std::string Fitted(const std::function<std::string(const std::string&)>& make,
                       const std::string& field, int32_t room);
    // Draws at x the text `make` builds around `field`, ending a blank before `limit`, where the
    // next text of its line (or the frame's edge) begins.
    void AtFitted(int32_t x, int32_t y, const std::function<std::string(const std::string&)>& make,
                  const std::string& field, int32_t limit);

private:
    Form& form_;
    Surface& surface_;
    QuantityText units_;
    std::array<bool, LoadColumnCount> kilowatts_{};
    bool rehearsing_ = false;
    int32_t lowest_ = 0;
    int32_t lineHeight_ = 1;
    int32_t rowCount_ = report::BodyHeight;
};
