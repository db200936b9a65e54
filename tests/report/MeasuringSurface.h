#pragma once
// tavrin32's QPainter surface on a page image, keeping where every text went and how wide it is in
// the real fonts (Liberation Sans for Arial), in Form units.

#include "TextCollisions.h"
#include "formlib/PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

class MeasuringSurface : public PainterSurface {
public:
    explicit MeasuringSurface(QPainter& painter) : PainterSurface(painter) {}

    bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
    bool ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options, const PageRect* rect,
                    std::string_view text) override;

    std::vector<TextBox> texts; // Form units: x right, y down

private:
    void Keep(std::int32_t x, std::int32_t y, std::string_view text);
};

// A US Letter page at 300 dpi to draw on.
QImage LetterPage();
