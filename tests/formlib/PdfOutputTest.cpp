// A page drawn through the QPainter surface into a PDF file, read back with pdftotext -bbox.

#include "GuiApplication.h"
#include "TempFolder.h"

#include "formlib/Form.h"
#include "formlib/PainterSurface.h"

#include <gtest/gtest.h>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <map>

namespace {

struct WordBox {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

// Words and their boxes, in points from the top-left corner of the sheet.
std::map<QString, WordBox> ReadWords(const QString& pdfPath) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdfPath, "-"});
    std::map<QString, WordBox> words;
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return words;
    }
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        words[found.captured(5)] =
            WordBox{found.captured(1).toDouble(), found.captured(2).toDouble(),
                    found.captured(3).toDouble(), found.captured(4).toDouble()};
    }
    return words;
}

} // namespace

// US Letter with quarter-inch margins: a printable area of 8 x 10.5 inches, whose millimetres
// (203 x 267) give the page 7992 x 10511 units, 11 more than the 10500 of the real height.
TEST(PainterSurfacePdf, TextStandsWhereThePageGeometryPutsIt) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    EnsureGuiApplication();
    TempFolder folder;
    const QString path = QString::fromStdString(folder.PathOf("page.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
        QPainter painter(&writer);
        ASSERT_TRUE(painter.isActive());
        PainterSurface surface(painter);
        Form form;
        form.SetSurface(&surface);
        ASSERT_TRUE(form.Open());
        EXPECT_EQ(form.PageWidth(), 7992);
        EXPECT_EQ(form.PageHeight(), 10511);
        form.Box(0, 0, 7875, 690);
        form.SetFont("Arial", 16, 700, 0, 0);
        form.TextAt(2210, 10, "Refrigeration");
        form.SetFont("Arial", 12, 400, 0, 0);
        form.TextRight(7800, 280, "12345 btuh");
    }
    const auto words = ReadWords(path);
    ASSERT_EQ(words.count("Refrigeration"), 1u);
    ASSERT_EQ(words.count("btuh"), 1u);

    // In points from the sheet's corner: margin 18, then the Form offset of 100 units, and
    // the 11 units by which the page height from millimetres exceeds the real one.
    const auto pointsX = [](double formX) { return 18 + (formX + 100) * 0.072; };
    const auto pointsY = [](double formY) { return 18 + (formY + 100 - 11) * 0.072; };
    const WordBox title = words.at("Refrigeration");
    EXPECT_NEAR(title.xMin, pointsX(2210), 0.3);
    EXPECT_NEAR(title.yMin, pointsY(10), 0.3);
    // Cell height of Arial 16 point: 222 units * (1854 + 434) / 2048.
    EXPECT_NEAR(title.yMax - title.yMin, 222 * 2288.0 / 2048 * 0.072, 0.3);
    const WordBox total = words.at("btuh");
    EXPECT_NEAR(total.xMax, 18 + 7800 * 0.072, 0.3);
    EXPECT_NEAR(total.yMin, pointsY(280), 0.3);
}
