#pragma once

// A page surface over an active QPainter: a QPrinter page (its printable area, as the painter
// sees it), a QPdfWriter page or a QImage. Fonts named Arial or Helvetica, Times New Roman or
// Times, Courier New or Courier fall back to the metric-compatible Liberation families when the
// named family is not installed. The painter's state is restored when the surface is destroyed.

#include "formlib/Surface.h"
#include "formlib/Tavrin32Export.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <functional>

class QPainter;

class TAVRIN32_EXPORT PainterSurface : public Surface {
public:
    using MessageHandler = std::function<void(const QString&)>;

    explicit PainterSurface(QPainter& painter);
    ~PainterSurface() override;

    // Where ShowMessage goes; without a handler messages go to stderr.
    void SetMessageHandler(MessageHandler handler);

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
    void ShowMessage(std::string_view text) override;

private:
    QPointF ToPainter(std::int32_t x, std::int32_t y) const;
    QRectF ToPainter(const PageRect& rect) const;
    void ApplyMapping();
    // The text with the top-left corner of its first character cell at the painter's origin,
    // on an opaque white cell background.
    void DrawTextCell(const QString& text);

    QPainter& painter;
    QTransform baseTransform;
    bool hiEnglish = false;
    QPoint viewportOrigin;
    QFont font;
    QFontMetricsF metrics;
    std::int32_t escapement = 0;
    QPen pen;
    QColor textColor = Qt::black;
    MessageHandler messageHandler;
};
