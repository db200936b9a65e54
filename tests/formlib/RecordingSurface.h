#pragma once

// A page surface that records every call as a line of text, and keeps the fonts, bitmaps and
// messages it was given. Text is measured as 100 units per character and 186 high unless a test
// sets its own measure.

#include "formlib/Surface.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct RecordedBitmap {
    PageRect dest;
    Bitmap bitmap;
};

class RecordingSurface : public Surface {
public:
    std::int32_t horzSizeMm = 203;
    std::int32_t vertSizeMm = 266;
    std::int32_t horzRes = 2398;
    std::int32_t vertRes = 3142;
    std::function<TextSize(std::string_view)> measure = [](std::string_view text) {
        return TextSize{static_cast<std::int32_t>(text.size()) * 100, 186};
    };
    std::map<std::int32_t, std::string> strings;
    std::map<std::int32_t, std::vector<std::uint8_t>> bitmapResources;

    std::vector<std::string> calls;
    std::vector<FontAttributes> fonts;
    std::vector<RecordedBitmap> bitmaps;
    std::vector<std::string> messages;

    std::int32_t DeviceCaps(DeviceCap cap) const override;
    void SetMapModeHiEnglish() override;
    void SetViewportOrg(std::int32_t deviceX, std::int32_t deviceY) override;
    void SelectFont(const FontAttributes& font) override;
    void SelectPen(std::int32_t width) override;
    void SetTextColor(Rgb color) override;
    bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
    bool ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options, const PageRect* rect,
                    std::string_view text) override;
    bool DrawText(const PageRect& box, std::string_view text, TextAlign align) override;
    TextSize GetTextExtent(std::string_view text) override;
    bool Rectangle(const PageRect& rect) override;
    bool Line(PagePoint from, PagePoint to) override;
    bool PatternFill(const PageRect& rect, const std::array<std::uint8_t, 8>& rows) override;
    bool StretchBitmap(const PageRect& dest, const Bitmap& bitmap) override;
    std::optional<std::string> LoadString(std::int32_t id) override;
    std::optional<std::vector<std::uint8_t>> LoadBitmapResource(std::int32_t id) override;
    void ShowMessage(std::string_view text) override;

    // The recorded calls whose text starts with the given operation name.
    std::vector<std::string> CallsOf(const std::string& operation) const;
};

std::string Describe(const FontAttributes& font);
