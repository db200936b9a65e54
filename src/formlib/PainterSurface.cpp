#include "formlib/PainterSurface.h"

#include "formlib/Saturate.h"
#include "formlib/Windows1252.h"

#include <QBrush>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double unitsPerInch = 1000.0;
constexpr int largestFontHeight = 100000; // 100 inches in page units
constexpr double pointsPerInch = 72.0;
constexpr double defaultFontPoints = 10.0;

// Metric-compatible stand-ins for the faces printed pages ask for.
QStringList FamiliesFor(const QString& face) {
    const QString key = face.toLower();
    QStringList families{face};
    if (key == u"arial" || key == u"helvetica") {
        families << QStringLiteral("Liberation Sans");
    } else if (key == u"times new roman" || key == u"times") {
        families << QStringLiteral("Liberation Serif");
    } else if (key == u"courier new" || key == u"courier") {
        families << QStringLiteral("Liberation Mono");
    }
    return families;
}

std::int32_t RoundToInt32(double value) {
    return TruncateToInt32(std::round(value));
}

} // namespace

PainterSurface::PainterSurface(QPainter& painterToUse)
    : painter(painterToUse), metrics(font), pen(Qt::black, 0) {
    if (painter.isActive()) {
        painter.save();
        baseTransform = painter.transform();
        metrics = QFontMetricsF(font, painter.device());
    }
}

PainterSurface::~PainterSurface() {
    if (painter.isActive()) {
        painter.restore();
    }
}

void PainterSurface::SetMessageHandler(MessageHandler handler) {
    messageHandler = std::move(handler);
}

std::int32_t PainterSurface::DeviceCaps(DeviceCap cap) const {
    const QPaintDevice* device = painter.device();
    if (device == nullptr) {
        return 0;
    }
    switch (cap) {
    case DeviceCap::HorzSize:
        return device->widthMM();
    case DeviceCap::VertSize:
        return device->heightMM();
    case DeviceCap::HorzRes:
        return device->width();
    case DeviceCap::VertRes:
        return device->height();
    }
    return 0;
}

void PainterSurface::SetMapModeHiEnglish() {
    hiEnglish = true;
    ApplyMapping();
}

void PainterSurface::SetViewportOrg(std::int32_t deviceX, std::int32_t deviceY) {
    viewportOrigin = QPoint(deviceX, deviceY);
    ApplyMapping();
}

void PainterSurface::ApplyMapping() {
    if (!painter.isActive()) {
        return;
    }
    QTransform mapping = QTransform::fromTranslate(viewportOrigin.x(), viewportOrigin.y());
    if (hiEnglish) {
        // Logical points are (x, -y): the painter keeps Y downward so that glyphs stay upright.
        const QPaintDevice* device = painter.device();
        mapping = QTransform(device->logicalDpiX() / unitsPerInch, 0, 0,
                             device->logicalDpiY() / unitsPerInch, viewportOrigin.x(),
                             viewportOrigin.y());
    }
    painter.setTransform(mapping * baseTransform);
}

QPointF PainterSurface::ToPainter(std::int32_t x, std::int32_t y) const {
    return QPointF(x, hiEnglish ? -static_cast<double>(y) : y);
}

QRectF PainterSurface::ToPainter(const PageRect& rect) const {
    return QRectF(ToPainter(rect.left, rect.top), ToPainter(rect.right, rect.bottom)).normalized();
}

void PainterSurface::SelectFont(const FontAttributes& attributes) {
    font = QFont();
    font.setFamilies(FamiliesFor(FromWindows1252(attributes.face)));
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(attributes.outPrecision == 7 ? QFont::ForceOutline
                                                       : QFont::PreferOutline);
    font.setWeight(attributes.weight == 0
                       ? QFont::Normal
                       : static_cast<QFont::Weight>(std::clamp(attributes.weight, 1, 1000)));
    font.setItalic(attributes.italic != 0);
    font.setUnderline(attributes.underline != 0);
    font.setStrikeOut(attributes.strikeOut != 0);

    // A negative height is the character (em) height; a positive one the cell height, which
    // is ascent plus descent. The width attribute is not used: glyphs keep their proportions.
    double emHeight = std::abs(static_cast<double>(attributes.height));
    if (attributes.height == 0) {
        const double unitsPerPoint =
            (hiEnglish ? unitsPerInch
                       : (painter.device() != nullptr ? painter.device()->logicalDpiY() : 96)) /
            pointsPerInch;
        emHeight = defaultFontPoints * unitsPerPoint;
    }
    font.setPixelSize(std::clamp(static_cast<int>(std::lround(emHeight)), 1, largestFontHeight));
    if (attributes.height > 0) {
        const QFontMetricsF cell(font, painter.device());
        const double cellHeight = cell.ascent() + cell.descent();
        if (cellHeight > 0) {
            font.setPixelSize(
                std::clamp(static_cast<int>(std::lround(emHeight * emHeight / cellHeight)), 1,
                           largestFontHeight));
        }
    }
    metrics = QFontMetricsF(font, painter.device());
    escapement = attributes.escapement;
}

void PainterSurface::SelectPen(std::int32_t width) {
    // Wide solid pens have round ends and joins; width 0 is one device pixel.
    pen = QPen(Qt::black, std::max(width, 0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PainterSurface::SetTextColor(Rgb color) {
    textColor = QColor::fromRgb(color | 0xFF000000u);
}

void PainterSurface::DrawTextCell(const QString& text) {
    if (escapement != 0) {
        painter.rotate(-escapement / 10.0); // counter-clockwise on the page
    }
    painter.fillRect(
        QRectF(0, 0, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
        Qt::white);
    painter.setFont(font);
    painter.setPen(textColor);
    painter.drawText(QPointF(0, metrics.ascent()), text);
}

bool PainterSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    if (!painter.isActive()) {
        return false;
    }
    painter.save();
    painter.translate(ToPainter(x, y));
    DrawTextCell(FromWindows1252(text));
    painter.restore();
    return true;
}

bool PainterSurface::ExtTextOut(std::int32_t x, std::int32_t y, std::uint32_t options,
                                const PageRect* rect, std::string_view text) {
    if (!painter.isActive()) {
        return false;
    }
    painter.save();
    if (rect != nullptr) {
        const QRectF area = ToPainter(*rect);
        if ((options & extTextOpaque) != 0) {
            painter.fillRect(area, Qt::white);
        }
        if ((options & extTextClipped) != 0) {
            painter.setClipRect(area, Qt::IntersectClip);
        }
    }
    painter.translate(ToPainter(x, y));
    DrawTextCell(FromWindows1252(text));
    painter.restore();
    return true;
}

bool PainterSurface::DrawText(const PageRect& box, std::string_view text, TextAlign align) {
    return painter.isActive() && DrawWrappedText(box, text, align, hiEnglish);
}

TextSize PainterSurface::GetTextExtent(std::string_view text) {
    return TextSize{RoundToInt32(metrics.horizontalAdvance(FromWindows1252(text))),
                    RoundToInt32(metrics.ascent() + metrics.descent())};
}

bool PainterSurface::Rectangle(const PageRect& rect) {
    if (!painter.isActive()) {
        return false;
    }
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    painter.drawRect(ToPainter(rect));
    painter.restore();
    return true;
}

bool PainterSurface::Line(PagePoint from, PagePoint to) {
    if (!painter.isActive()) {
        return false;
    }
    painter.save();
    painter.setPen(pen);
    painter.drawLine(ToPainter(from.x, from.y), ToPainter(to.x, to.y));
    painter.restore();
    return true;
}

bool PainterSurface::PatternFill(const PageRect& rect, const std::array<std::uint8_t, 8>& rows) {
    if (!painter.isActive()) {
        return false;
    }
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const bool background =
                ((rows[static_cast<std::size_t>(row)] >> (7 - column)) & 1) != 0;
            tile.setPixel(column, row, background ? qRgb(255, 255, 255) : textColor.rgb());
        }
    }
    // The pattern is laid in device pixels from the device origin, not scaled with the page.
    painter.save();
    const QRectF deviceArea = painter.transform().mapRect(ToPainter(rect));
    painter.resetTransform();
    painter.setBrushOrigin(0, 0);
    painter.fillRect(deviceArea, QBrush(tile));
    painter.restore();
    return true;
}

bool PainterSurface::StretchBitmap(const PageRect& dest, const Bitmap& bitmap) {
    if (!painter.isActive() || bitmap.width < 1 || bitmap.height < 1 ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    for (int row = 0; row < bitmap.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const std::size_t first = static_cast<std::size_t>(row) * bitmap.width;
        for (int column = 0; column < bitmap.width; ++column) {
            line[column] = 0xFF000000u | bitmap.pixels[first + static_cast<std::size_t>(column)];
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(ToPainter(dest), image);
    painter.restore();
    return true;
}

void PainterSurface::ShowMessage(std::string_view text) {
    if (messageHandler) {
        messageHandler(FromWindows1252(text));
    } else {
        Surface::ShowMessage(text);
    }
}
