// Pages drawn through the QPainter surface into an image land where the page geometry says.

#include "BmpWriter.h"
#include "GuiApplication.h"
#include "PageImage.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QString>

#include <cmath>

namespace {

// Device pixel of a Form x (left = 0).
double FormX(double x) {
    return PageImage::DeviceX(x + 100);
}

class PainterSurfaceImage : public ::testing::Test {
protected:
    // Device pixel row of a Form y.
    double FormY(double y) const { return page.DeviceY(page.form.PageHeight() - y - 100); }

    PageImage page;
};

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

TEST_F(PainterSurfaceImage, OpenTakesThePageSizeFromTheImage) {
    EXPECT_EQ(page.form.PageWidth(), 7992);
    EXPECT_EQ(page.form.PageHeight(), 10472);
    EXPECT_EQ(page.surface->DeviceCaps(DeviceCap::HorzRes), 1600);
    EXPECT_EQ(page.surface->DeviceCaps(DeviceCap::VertRes), 2094);
}

TEST_F(PainterSurfaceImage, BoxOutlineLandsOnItsCorners) {
    page.form.Box(0, 0, 7875, 690);
    const QImage& image = page.Finish();
    const int left = Round(FormX(0));     // 20
    const int right = Round(FormX(7875)); // 1595
    const int top = Round(FormY(0));      // 20
    const int bottom = Round(FormY(690)); // 158
    const int middleX = (left + right) / 2;
    const int middleY = (top + bottom) / 2;
    EXPECT_TRUE(DarkNear(image, left, middleY, 1));
    EXPECT_TRUE(DarkNear(image, right, middleY, 1));
    EXPECT_TRUE(DarkNear(image, middleX, top, 1));
    EXPECT_TRUE(DarkNear(image, middleX, bottom, 1));
    // The 14-unit pen is 2.8 pixels wide: a few pixels off the outline it is white.
    EXPECT_TRUE(IsWhite(image.pixel(left - 4, middleY)));
    EXPECT_TRUE(IsWhite(image.pixel(left + 4, middleY)));
    EXPECT_TRUE(IsWhite(image.pixel(middleX, top - 4)));
    EXPECT_TRUE(IsWhite(image.pixel(middleX, bottom + 4)));
}

TEST_F(PainterSurfaceImage, TextHangsFromTheTopLeftOfItsCell) {
    page.form.SetFont("Arial", 12, 400, 0, 0);
    page.form.TextAt(1000, 1000, "HHHH");
    const QImage& image = page.Finish();
    const QRect ink = DarkBounds(image, QRect(150, 150, 400, 200));
    // Arial 12 point: em 167 units (33.4 px); ascent 0.905 em, cap height 0.716 em; the H is
    // 0.722 em wide with 0.077 em side bearings.
    const double em = 167 * 0.2;
    const double cellLeft = FormX(1000);
    const double cellTop = FormY(1000);
    const double baseline = cellTop + 0.905 * em;
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), cellLeft + 0.077 * em, 2);
    EXPECT_NEAR(ink.right() + 1, cellLeft + 4 * 0.722 * em - 0.077 * em, 2);
    EXPECT_NEAR(ink.top(), baseline - 0.716 * em, 2);
    EXPECT_NEAR(ink.bottom() + 1, baseline, 2);
}

TEST_F(PainterSurfaceImage, TextCellsAreOpaqueWhite) {
    page.form.Line(0, 1050, 7000, 0);
    page.form.SetFont("Arial", 12, 400, 0, 0);
    page.form.TextAt(1000, 1000, "     "); // five spaces: only the cell background
    const QImage& image = page.Finish();
    const int lineY = Round(FormY(1050));
    EXPECT_TRUE(DarkNear(image, Round(FormX(500)), lineY, 1));
    EXPECT_TRUE(DarkNear(image, Round(FormX(1500)), lineY, 1));
    for (int y = lineY - 2; y <= lineY + 2; ++y) {
        EXPECT_TRUE(IsWhite(image.pixel(Round(FormX(1100)), y))) << y;
    }
}

TEST_F(PainterSurfaceImage, TextRightEndsWhereTextAtWouldStartLessATenth) {
    page.form.SetFont("Arial", 12, 400, 0, 0);
    page.form.TextRight(7800, 1500, "HHHH");
    page.form.TextAt(7000, 1800, "H"); // the same 100 units to the right of its x
    const QImage& image = page.Finish();
    const double sideBearing = 0.077 * 167 * 0.2;
    const QRect right = DarkBounds(image, QRect(1000, Round(FormY(1500)) - 5, 600, 50));
    ASSERT_FALSE(right.isEmpty());
    EXPECT_NEAR(right.right() + 1, PageImage::DeviceX(7800) - sideBearing, 2);
    const QRect left = DarkBounds(image, QRect(1000, Round(FormY(1800)) - 5, 600, 50));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_NEAR(left.left(), PageImage::DeviceX(7100) + sideBearing, 2);
}

TEST_F(PainterSurfaceImage, ShadedFillIsOneDarkDotInEight) {
    page.form.ShadedFillRect(1000, 3000, 2000, 1000, 0);
    const QImage& image = page.Finish();
    const QRect inside(Round(FormX(1000)) + 2, Round(FormY(3000)) + 2, 390, 190);
    int dark = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        int darkInRow = 0;
        for (int x = inside.left(); x < inside.left() + 384; ++x) {
            darkInRow += IsDark(image.pixel(x, y)) ? 1 : 0;
        }
        EXPECT_EQ(darkInRow, 384 / 8) << "row " << y;
        dark += darkInRow;
    }
    EXPECT_GT(dark, 0);
    EXPECT_TRUE(IsWhite(image.pixel(Round(FormX(1000)) - 3, Round(FormY(3500)))));
}

TEST_F(PainterSurfaceImage, BitmapsStretchToThreeHundredthsOfAnInchPerPixel) {
    TempFolder folder;
    BmpPicture picture;
    picture.width = 300;
    picture.height = 150;
    picture.pixel = [](std::int32_t x, std::int32_t) { return x < 150 ? 0xFF0000u : 0x0000FFu; };
    const std::string path = folder.PathOf("logo.bmp");
    WriteBytes(path, MakeBmpFile(picture));
    ASSERT_TRUE(page.form.DrawBMP(0, 1000, path.c_str()));
    const QImage& image = page.Finish();
    // 1000 x 500 units: 200 x 100 pixels from the mapped corner.
    const int left = Round(FormX(0));
    const int top = Round(FormY(1000));
    EXPECT_EQ(image.pixel(left + 50, top + 50), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(left + 150, top + 50), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(left + 197, top + 97), qRgb(0, 0, 255));
    EXPECT_TRUE(IsWhite(image.pixel(left + 203, top + 50)));
    EXPECT_TRUE(IsWhite(image.pixel(left + 50, top + 103)));
    EXPECT_TRUE(IsWhite(image.pixel(left - 3, top + 50)));
}

TEST(PainterSurfaceInactive, APainterThatCouldNotBeginDrawsNothing) {
    EnsureGuiApplication();
    QPdfWriter writer(QStringLiteral("/nonexistent-folder/page.pdf"));
    QPainter painter;
    ASSERT_FALSE(painter.begin(&writer));
    PainterSurface surface(painter);
    Form form;
    form.SetSurface(&surface);
    form.Open();
    EXPECT_FALSE(form.TextAt(0, 0, "x"));
    EXPECT_FALSE(form.Box(0, 0, 100, 100));
    EXPECT_FALSE(form.ShadedFillRect(0, 0, 100, 100, 0));
}

TEST_F(PainterSurfaceImage, MessagesGoToTheApplicationsHandler) {
    QStringList messages;
    page.surface->SetMessageHandler([&messages](const QString& text) { messages << text; });
    EXPECT_FALSE(page.form.DrawBMP(0, 0, "/nonexistent/lgo.bmp"));
    EXPECT_EQ(messages, QStringList{"Can't open bitmap file /nonexistent/lgo.bmp"});
}

// Liberation fonts stand in for the classic faces with the same advance widths.
TEST_F(PainterSurfaceImage, ClassicFacesMeasureWithTheirOwnWidths) {
    struct Face {
        const char* name;
        int helloWidthIn2048ths; // H e l l o
    };
    for (const Face face :
         {Face{"Arial", 1479 + 1139 + 455 + 455 + 1139},
          Face{"Helvetica", 1479 + 1139 + 455 + 455 + 1139},
          Face{"Times New Roman", 1479 + 909 + 569 + 569 + 1024}, Face{"Courier New", 5 * 1229}}) {
        page.form.SetFont(face.name, 12, 400, 0, 0);
        const TextSize size = page.surface->GetTextExtent("Hello");
        EXPECT_NEAR(size.width, 167.0 * face.helloWidthIn2048ths / 2048, 2) << face.name;
    }
    page.form.SetFont("Arial", 12, 400, 0, 0);
    // The line height of the printed report: the cell of "A" in Arial 12, about 186.
    EXPECT_NEAR(page.surface->GetTextExtent("A").height, 167.0 * (1854 + 434) / 2048, 1);
}

TEST_F(PainterSurfaceImage, TextIsWindows1252) {
    page.form.SetFont("Arial", 12, 400, 0, 0);
    // The euro sign (0x80) is as wide as a digit in Arial; U+0080 would not be.
    EXPECT_EQ(page.surface->GetTextExtent("\x80").width, page.surface->GetTextExtent("0").width);
    EXPECT_EQ(page.surface->GetTextExtent("\xE9").width, page.surface->GetTextExtent("e").width);
}

TEST_F(PainterSurfaceImage, TurnedTextStaysInsideItsBackgroundBox) {
    page.form.SetFont("Arial", 12, 400, 0, 0);
    const TextSize extent = page.surface->GetTextExtent("HHHH");
    for (const int degrees : {90, 45, 180, 300}) {
        PageImage grey;
        grey.painter.save();
        grey.painter.resetTransform();
        grey.painter.fillRect(QRect(200, 200, 1200, 1200), QColor(128, 128, 128));
        grey.painter.restore();
        grey.form.SetFont("Arial", 12, 400, 0, degrees);
        grey.form.ExtTextOutA(3000, 3000, "HHHH", degrees * 10);
        const QImage& image = grey.Finish();
        QRect white;
        QRect black;
        for (int y = 200; y < 1400; ++y) {
            for (int x = 200; x < 1400; ++x) {
                const int gray = qGray(image.pixel(x, y));
                white = gray > 240 ? white.united(QRect(x, y, 1, 1)) : white;
                black = gray < 40 ? black.united(QRect(x, y, 1, 1)) : black;
            }
        }
        SCOPED_TRACE(degrees);
        ASSERT_FALSE(black.isEmpty());
        EXPECT_TRUE(white.contains(black));
        const double theta = degrees * 3.14159265358979 / 180;
        const double boxWidth =
            extent.width * std::abs(std::cos(theta)) + extent.height * std::abs(std::sin(theta));
        const double boxHeight =
            extent.width * std::abs(std::sin(theta)) + extent.height * std::abs(std::cos(theta));
        EXPECT_NEAR(white.left(), FormX(3000), 2);
        EXPECT_NEAR(white.top(), grey.DeviceY(grey.form.PageHeight() - 3100), 2);
        EXPECT_NEAR(white.width(), PageImage::DeviceX(boxWidth), 2);
        EXPECT_NEAR(white.height(), PageImage::DeviceX(boxHeight), 2);
    }
}
