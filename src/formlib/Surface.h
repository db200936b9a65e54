#pragma once

// The drawing surface of one printed page, as Form uses it. An implementation keeps the
// device-context behaviour Form relies on:
// - until SetMapModeHiEnglish the unit is one device pixel with Y downward; afterwards it is
//   0.001 inch with Y upward, relative to the viewport origin given in device pixels;
// - text is positioned by the top-left corner of its first character cell and drawn in the
//   text colour on an opaque white cell background;
// - pens are black and solid; rectangles are filled white inside their outline.

#include "formlib/SurfaceTypes.h"
#include "formlib/Tavrin32Export.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TAVRIN32_EXPORT Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    virtual std::int32_t DeviceCaps(DeviceCap cap) const = 0;
    virtual void SetMapModeHiEnglish() = 0;
    virtual void SetViewportOrg(std::int32_t deviceX, std::int32_t deviceY) = 0;

    virtual void SelectFont(const FontAttributes& font) = 0;
    // Selects a black solid pen; width 0 is the thinnest line the device draws.
    virtual void SelectPen(std::int32_t width) = 0;
    virtual void SetTextColor(Rgb color) = 0;

    virtual bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) = 0;
    // Text at (x, y); with extTextOpaque the rectangle is first filled with the background,
    // with extTextClipped the text is clipped to it. The rectangle may be absent.
    virtual bool ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options,
                            const PageRect* rect, std::string_view text) = 0;
    // Text in a box: words wrap at the box width, lines break at CR/LF, nothing is clipped and
    // an ampersand is an ordinary character.
    virtual bool DrawText(const PageRect& box, std::string_view text, TextAlign align) = 0;
    virtual TextSize GetTextExtent(std::string_view text) = 0;

    virtual bool Rectangle(const PageRect& rect) = 0;
    virtual bool Line(PagePoint from, PagePoint to) = 0;
    // Fills the rectangle with an 8 x 8 monochrome pattern (rows top to bottom, most
    // significant bit leftmost): 0 bits in the text colour, 1 bits in the background colour.
    virtual bool PatternFill(const PageRect& rect, const std::array<std::uint8_t, 8>& rows) = 0;
    // Stretches the whole bitmap into the destination with a plain copy.
    virtual bool StretchBitmap(const PageRect& dest, const Bitmap& bitmap) = 0;

    // The application's string and bitmap resources. A surface without resources has none.
    virtual std::optional<std::string> LoadString(std::int32_t id);
    // A bitmap resource is a device-independent bitmap without the file header.
    virtual std::optional<std::vector<std::uint8_t>> LoadBitmapResource(std::int32_t id);

    // Tells the user about a problem with the page (8-bit text). Written to stderr unless a
    // surface shows it in its own way.
    virtual void ShowMessage(std::string_view text);

protected:
    // Lays the text out as DrawText describes, through GetTextExtent and TextOut. yUp tells
    // whether following lines go up (Y upward mapping) or down.
    bool DrawWrappedText(const PageRect& box, std::string_view text, TextAlign align, bool yUp);
};
