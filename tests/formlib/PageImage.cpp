#include "PageImage.h"

#include "GuiApplication.h"

namespace {

constexpr int dotsPerMetre = 7874; // 200 dpi

QImage BlankPage() {
    EnsureGuiApplication();
    // 1600 x 2094 pixels at 200 dpi: 203 x 266 mm.
    QImage page(1600, 2094, QImage::Format_RGB32);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    return page;
}

} // namespace

PageImage::PageImage() : image(BlankPage()), painter(&image) {
    surface = std::make_unique<PainterSurface>(painter);
    form.SetSurface(surface.get());
    form.Open();
}

PageImage::~PageImage() {
    Finish();
}

const QImage& PageImage::Finish() {
    if (painter.isActive()) {
        form.SetSurface(nullptr);
        surface.reset();
        painter.end();
    }
    return image;
}

double PageImage::DeviceY(double surfaceY) const {
    return image.height() - surfaceY * dotsPerInch / 1000.0;
}

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

bool IsWhite(QRgb pixel) {
    return qGray(pixel) > 240;
}

QRect DarkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (IsDark(image.pixel(x, y))) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

bool DarkNear(const QImage& image, int x, int y, int radius) {
    return !DarkBounds(image, QRect(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1))
                .isEmpty();
}
