#pragma once

// A 203 x 266 mm printable area as a 200 dpi white image, with a PainterSurface and an opened
// Form on it, and helpers that look at the pixels.

#include "formlib/Form.h"
#include "formlib/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>

class PageImage {
public:
    static constexpr int dotsPerInch = 200;

    PageImage();
    PageImage(const PageImage&) = delete;
    PageImage& operator=(const PageImage&) = delete;
    ~PageImage();

    // Ends the painting; the image is then complete.
    const QImage& Finish();

    // Device pixel of a surface coordinate (page units, Y upward from the bottom edge).
    static double DeviceX(double surfaceX) { return surfaceX * dotsPerInch / 1000.0; }
    double DeviceY(double surfaceY) const;

    QImage image;
    QPainter painter;
    std::unique_ptr<PainterSurface> surface;
    Form form;
};

bool IsDark(QRgb pixel);
bool IsWhite(QRgb pixel);
// The bounding rectangle of the dark pixels inside the area; empty when there are none.
QRect DarkBounds(const QImage& image, const QRect& area);
// Whether any pixel within radius of (x, y) is dark.
bool DarkNear(const QImage& image, int x, int y, int radius);
