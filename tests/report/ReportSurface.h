#pragma once
// A page surface that keeps what the report draws in Form coordinates (x right, y down, from
// the Form origin), with the font in force. A character is half the font's character height wide
// (69 units at 10 points); "A" (every text) is `lineHeight` high.

#include "formlib/Surface.h"

#include <cstdint>
#include <string>
#include <vector>

struct DrawnText {
    std::int32_t x = 0; // left end; for right-aligned text the x given to TextRight
    std::int32_t y = 0; // top of the character cell
    bool right = false;
    std::int32_t points = 0; // font size from the character height
    std::int32_t weight = 0;
    std::string text;
};

// What one page drew.
struct DrawnPage {
    std::int32_t lineHeight = 187;
    std::vector<DrawnText> texts;
    std::vector<PageRect> bitmaps; // destinations, surface units
    std::vector<std::string> messages;
    std::int32_t lines = 0;
    std::int32_t rectangles = 0;

    // The first text that starts with the prefix, or nullptr.
    const DrawnText* Find(const std::string& prefix) const;
    bool Has(const std::string& prefix) const { return Find(prefix) != nullptr; }
    // The body row of a text drawn on the given base; -1 when there is no such text.
    std::int32_t RowOf(const std::string& prefix, std::int32_t base = 700) const;
};

class ReportSurface : public Surface {
public:
    DrawnPage drawn; // set drawn.lineHeight before drawing to measure another height

    std::int32_t DeviceCaps(DeviceCap cap) const override;
    void SetMapModeHiEnglish() override {}
    void SetViewportOrg(std::int32_t, std::int32_t) override {}
    void SelectFont(const FontAttributes& font) override { current = font; }
    void SelectPen(std::int32_t) override {}
    void SetTextColor(Rgb) override {}
    bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
    bool ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t, const PageRect*,
                    std::string_view text) override;
    bool DrawText(const PageRect& box, std::string_view text, TextAlign align) override;
    TextSize GetTextExtent(std::string_view text) override;
    bool Rectangle(const PageRect&) override;
    bool Line(PagePoint, PagePoint) override;
    bool PatternFill(const PageRect&, const std::array<std::uint8_t, 8>&) override { return true; }
    bool StretchBitmap(const PageRect& dest, const Bitmap&) override;
    void ShowMessage(std::string_view text) override { drawn.messages.emplace_back(text); }

    // Printable area 203 x 267 mm: Form pages of 7992 x 10511 units.
    static constexpr std::int32_t pageHeight = 10511;

private:
    void Keep(std::int32_t x, std::int32_t y, bool right, std::string_view text);
    FontAttributes current;
};
