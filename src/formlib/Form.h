#pragma once

// Form draws one printed page in thousandths of an inch ("page units") on a Surface.
//
// Form coordinates have x to the right and y downward; the origin lies 0.1 inch right of and
// 0.1 inch below the top-left corner of the printable area. Open puts the surface into page
// units with Y upward and the origin at the bottom-left corner of the printable area; a Form
// point (x, y) is drawn at surface point (x + left + 100, pageHeight - y - 100).
//
// Use: construct, SetSurface, Open, draw, destroy. The surface is borrowed; the Form keeps only
// its current font, whose attributes SetFont carries over. Text is NUL-terminated 8-bit
// (Windows-1252) text; a null text is empty.

#include "formlib/Surface.h"
#include "formlib/SurfaceTypes.h"
#include "formlib/Tavrin32Export.h"

#include <cstdint>
#include <optional>

class TAVRIN32_EXPORT Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() = default;

    void SetSurface(Surface* pageSurface) { surface = pageSurface; }
    std::int32_t PageWidth() const { return pageWidth; }
    std::int32_t PageHeight() const { return pageHeight; }

    // Sets the page size from the printable area, maps the surface and selects the default pen
    // (14 units) and font. False only when no surface is set.
    bool Open();
    // A new current font: face (at most 31 characters), size in points, weight, italic (low
    // byte), angle in whole degrees. The other attributes carry over from the current font.
    bool SetFont(const char* face, std::int32_t size, std::int32_t weight, std::int32_t italic,
                 std::int32_t angle);
    bool SetPenSize(std::int32_t width);

    bool TextAt(std::int32_t x, std::int32_t y, const char* text);
    // Text from the application's string resources (at most 254 characters); a missing string
    // draws nothing and gives false.
    bool TextAt(std::int32_t x, std::int32_t y, std::int32_t stringId);
    // At a surface point, without the Form mapping.
    bool TextAt(PagePoint surfacePoint, const char* text);
    // Right-aligned so that the text ends 100 units left of where TextAt(x, y) would begin it;
    // text wider than x wraps onto further lines.
    bool TextRight(std::int32_t x, std::int32_t y, const char* text);
    bool TextCenter(std::int32_t y, const char* text);
    // Left-aligned, word-wrapped, unclipped text in the box with top-left corner (x, y).
    bool DrawTextA(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   const char* text);
    bool DrawTextA(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   std::int32_t stringId);
    // Text on an opaque background box; angle in tenths of a degree, counter-clockwise.
    bool ExtTextOutA(std::int32_t x, std::int32_t y, const char* text, std::int32_t angle);
    // Maps (x, y) and the rectangle (in place: it holds surface coordinates afterwards) and draws
    // at most count characters of the text. The spacing array is not used.
    bool ExtTextOutA(std::int32_t x, std::int32_t y, std::uint32_t options, PageRect* rect,
                     const char* text, std::int32_t count, const std::int32_t* spacing);

    bool Line(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
    // A horizontal line of the given length from the point.
    bool Line(PagePoint from, std::int32_t length);
    bool Line(std::int32_t x, std::int32_t y, std::int32_t length);
    // A horizontal line centred across the page; the pen width stays current afterwards.
    bool CenterLine(std::int32_t y, std::int32_t length, std::int32_t penWidth);
    bool Box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
    bool Box(const PageRect& formRect);
    bool ShadedFillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                        std::int32_t unused);

    // Draws a .bmp file at 1/300 inch per pixel with its top-left corner at (x, y). A file that
    // cannot be loaded draws nothing, is reported through the surface's ShowMessage as
    // "Can't open bitmap file <name>", and gives false.
    bool DrawBMP(std::int32_t x, std::int32_t y, const char* fileName);
    // The same from the application's bitmap resources; failure gives false silently.
    bool DrawBMP(std::int32_t x, std::int32_t y, std::int32_t resourceId);

private:
    std::int32_t MapX(std::int64_t x) const;
    std::int32_t MapY(std::int64_t y) const;
    void DrawBitmap(std::int32_t x, std::int32_t y, const Bitmap& bitmap);

    Surface* surface = nullptr;
    std::int32_t left = 0;
    std::int32_t pageHeight = 0;
    std::int32_t pageWidth = 0;
    std::optional<FontAttributes> font;
};
