#include "dialogs/UnitCodesPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// One position (or run of positions) of the model code and what the card says about it.
struct CodePart {
    int first; // character index into the example code
    int last;
    QColor colour;
    const char* heading;
    std::vector<const char*> values;
};

// The sixteen-colour palette's darker colours, one per part.
const std::vector<CodePart>& TopParts() {
    static const std::vector<CodePart> parts = {
        {0,
         0,
         QColor(0, 0, 128),
         "CONDENSER TYPE",
         {"O  outdoor air cooled", "I  indoor air cooled", "W  water cooled", "M  marine type",
          "S  remote type"}},
        {1, 1, QColor(128, 0, 0), "PRODUCT", {"C  condensing unit"}},
        {2, 2, QColor(0, 128, 0), "COMPRESSOR", {"S  semi hermetic", "H  hermetic", "Z  scroll"}},
        {4,
         7,
         QColor(128, 0, 128),
         "NOMINAL HP",
         {"compressor HP", "x 100:", "0150  1.5 HP", "0500  5 HP"}},
        {8, 8, QColor(0, 128, 128), "COMPRESSORS", {"0  single compressor", "2  dual compressor"}},
    };
    return parts;
}

const std::vector<CodePart>& BottomParts() {
    static const std::vector<CodePart> parts = {
        {10,
         10,
         QColor(128, 128, 0),
         "COMPRESSOR MAKE",
         {"1  Copeland", "2  Carlyle", "3  Tecumseh", "4  Maneurop", "5  Bitzer", "6  Trane"}},
        {11,
         11,
         QColor(0, 0, 255),
         "APPLICATION",
         {"H  high suction temp", "M  medium suction temp", "L  low suction temp",
          "T  2 stage suction temp"}},
        {12,
         12,
         QColor(255, 0, 0),
         "REFRIGERANT",
         {"2  R-22", "3  R-134a", "4  R-404A", "7  R-507"}},
        {15,
         15,
         QColor(128, 0, 128),
         "UNIT VOLTAGE",
         {"2  240/1/60", "5  208-240/3/60", "8  600/3/60", "9  480/3/60"}},
    };
    return parts;
}

constexpr int Margin = 8;
constexpr int Padding = 5;

struct Fonts {
    QFont title{QStringLiteral("Liberation Sans")};
    QFont heading{QStringLiteral("Liberation Sans")};
    QFont value{QStringLiteral("Liberation Sans")};
    QFont code{QStringLiteral("Liberation Mono")};
    Fonts() {
        title.setPixelSize(20);
        title.setBold(true);
        heading.setPixelSize(11);
        heading.setBold(true);
        value.setPixelSize(11);
        code.setPixelSize(34);
        code.setBold(true);
    }
};

int BoxWidth(const CodePart& part, const Fonts& fonts) {
    int width = QFontMetrics(fonts.heading).horizontalAdvance(QLatin1String(part.heading));
    const QFontMetrics values(fonts.value);
    for (const char* value : part.values)
        width = std::max(width, values.horizontalAdvance(QLatin1String(value)));
    return width + 2 * Padding;
}

// Lays a row of boxes across the picture with equal gaps; returns their rectangles.
std::vector<QRect> RowBoxes(const std::vector<CodePart>& parts, const Fonts& fonts, int top,
                            int height) {
    std::vector<int> widths;
    int total = 0;
    for (const CodePart& part : parts) {
        widths.push_back(BoxWidth(part, fonts));
        total += widths.back();
    }
    const int free = UnitCodesPictureSize.width() - 2 * Margin - total;
    const int gap = parts.size() > 1 ? std::max(0, free / static_cast<int>(parts.size() - 1)) : 0;
    std::vector<QRect> boxes;
    int x = Margin + std::max(0, free - gap * static_cast<int>(parts.size() - 1)) / 2;
    for (const int width : widths) {
        boxes.emplace_back(x, top, width, height);
        x += width + gap;
    }
    return boxes;
}

void DrawBox(QPainter& painter, const CodePart& part, const QRect& box, const Fonts& fonts) {
    painter.setPen(QPen(part.colour, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    const QFontMetrics headingMetrics(fonts.heading);
    const QFontMetrics valueMetrics(fonts.value);
    int y = box.top() + Padding + headingMetrics.ascent();
    painter.setFont(fonts.heading);
    painter.drawText(box.left() + Padding, y, QLatin1String(part.heading));
    y += headingMetrics.descent() + 3;
    painter.setPen(Qt::black);
    painter.setFont(fonts.value);
    for (const char* value : part.values) {
        y += valueMetrics.ascent();
        painter.drawText(box.left() + Padding, y, QLatin1String(value));
        y += valueMetrics.descent() + 1;
    }
}

int BoxHeight(const std::vector<CodePart>& parts, const Fonts& fonts) {
    std::size_t lines = 0;
    for (const CodePart& part : parts)
        lines = std::max(lines, part.values.size());
    const QFontMetrics values(fonts.value);
    return 2 * Padding + QFontMetrics(fonts.heading).height() + 3 +
           static_cast<int>(lines) * (values.height() + 1);
}

} // namespace

QImage UnitCodesPicture() {
    QImage image(UnitCodesPictureSize, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Fonts fonts;
    const int width = UnitCodesPictureSize.width();
    const int height = UnitCodesPictureSize.height();

    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(1, 1, width - 3, height - 3);
    painter.setFont(fonts.title);
    painter.drawText(QRect(0, 6, width, 30), Qt::AlignCenter, QLatin1String(UnitCodesTitle));

    const int topHeight = BoxHeight(TopParts(), fonts);
    const int bottomHeight = BoxHeight(BottomParts(), fonts);
    const std::vector<QRect> topBoxes = RowBoxes(TopParts(), fonts, 44, topHeight);
    const std::vector<QRect> bottomBoxes =
        RowBoxes(BottomParts(), fonts, height - Margin - bottomHeight, bottomHeight);

    // The example code, centred between the two rows of boxes, one character cell at a time so
    // each part can be coloured and pointed at.
    const QFontMetrics codeMetrics(fonts.code);
    const QString code = QLatin1String(UnitCodesExample);
    const int cell = codeMetrics.horizontalAdvance(QLatin1Char('0'));
    const int codeLeft = (width - cell * static_cast<int>(code.size())) / 2;
    const int rowGap = bottomBoxes.front().top() - topBoxes.front().bottom();
    const int codeTop = topBoxes.front().bottom() + (rowGap - codeMetrics.height()) / 2;
    const int codeBottom = codeTop + codeMetrics.height();
    painter.setFont(fonts.code);
    painter.setPen(Qt::black);
    for (int i = 0; i < code.size(); ++i)
        painter.drawText(codeLeft + i * cell, codeTop + codeMetrics.ascent(), QString(code[i]));

    const auto point = [&](const CodePart& part, const QRect& box, bool above) {
        const int left = codeLeft + part.first * cell + 2;
        const int right = codeLeft + (part.last + 1) * cell - 2;
        const int y = above ? codeTop - 3 : codeBottom + 3;
        painter.setPen(QPen(part.colour, 2));
        painter.drawLine(left, y, right, y);
        painter.drawLine(box.center().x(), above ? box.bottom() + 1 : box.top() - 1,
                         (left + right) / 2, y);
        painter.setFont(fonts.code);
        for (int i = part.first; i <= part.last; ++i)
            painter.drawText(codeLeft + i * cell, codeTop + codeMetrics.ascent(), QString(code[i]));
    };
    for (std::size_t i = 0; i < TopParts().size(); ++i) {
        point(TopParts()[i], topBoxes[i], true);
        DrawBox(painter, TopParts()[i], topBoxes[i], fonts);
    }
    for (std::size_t i = 0; i < BottomParts().size(); ++i) {
        point(BottomParts()[i], bottomBoxes[i], false);
        DrawBox(painter, BottomParts()[i], bottomBoxes[i], fonts);
    }
    return image;
}
