#include "app/SummaryPlacement.h"

#include "dialogs/Text1252.h"
#include "report/RowFit.h"

#include <QFontMetrics>
#include <QStringList>

#include <map>

namespace {

QFont PageFont(const QString& face, const QString& standIn, int pixelHeight, int weight,
               bool fixedPitch) {
    QFont font;
    font.setFamilies({face, standIn});
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setFixedPitch(fixedPitch);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::Helvetica);
    return font;
}

// The text without blanks at either end, and how many blanks led it.
struct VisibleText {
    QString text;
    qsizetype leadingBlanks = 0;
};

VisibleText Visible(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' '))
        ++first;
    qsizetype end = text.size();
    while (end > first && text[end - 1] == QLatin1Char(' '))
        --end;
    return {text.mid(first, end - first), first};
}

} // namespace

SummaryFonts MakeSummaryFonts() {
    SummaryFonts fonts;
    fonts.detail =
        PageFont(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"), 14, 400, true);
    fonts.heading =
        PageFont(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"), 16, 700, false);
    const QFontMetrics metrics(fonts.heading);
    fonts.lineHeight = metrics.height() + metrics.leading();
    fonts.columnWidth = metrics.averageCharWidth() + 1;
    return fonts;
}

std::vector<PlacedText> PlaceSummary(const SummaryPage& page, const SummaryFonts& fonts) {
    const QFontMetrics detail(fonts.detail);
    std::vector<PlacedText> placed;
    std::map<int, std::vector<std::size_t>> rows; // placed texts by row
    for (std::size_t i = 0; i < page.size(); ++i) {
        const SummaryItem& item = page[i];
        const QFont& font = item.font == SummaryFont::Heading ? fonts.heading : fonts.detail;
        const QFontMetrics metrics(font);
        const QString whole = From1252(item.text);
        const VisibleText visible = Visible(whole);
        // Detail characters measured as a run: a fixed-pitch advance need not be whole pixels.
        int x = item.x * fonts.columnWidth +
                detail.horizontalAdvance(QString(item.detailChars, QLatin1Char('0')));
        if (item.align == SummaryAlign::Right)
            x -= metrics.horizontalAdvance(whole);
        x += metrics.horizontalAdvance(whole.left(visible.leadingBlanks));
        const int top = item.y * fonts.lineHeight;
        rows[item.y].push_back(placed.size());
        placed.push_back({visible.text, &font,
                          QRect(x, top, metrics.horizontalAdvance(visible.text), metrics.height()),
                          top + metrics.ascent(), i});
    }
    const int blank = QFontMetrics(fonts.heading).horizontalAdvance(QLatin1Char(' '));
    for (const auto& [y, row] : rows) {
        std::vector<RowText> spans;
        for (const std::size_t i : row) {
            const QRect& box = placed[i].box;
            spans.push_back({box.left(), box.left() + box.width(), page[placed[i].item].mayCut});
        }
        const std::vector<RowFit> fits = FitRow(spans, blank);
        for (std::size_t k = 0; k < row.size(); ++k) {
            PlacedText& text = placed[row[k]];
            text.moved = fits[k].shift;
            text.box.translate(fits[k].shift, 0);
            if (text.box.left() + text.box.width() <= fits[k].limit)
                continue;
            const QFontMetrics metrics(*text.font);
            text.text =
                metrics.elidedText(text.text, Qt::ElideRight, fits[k].limit - text.box.left());
            text.box.setWidth(metrics.horizontalAdvance(text.text));
            text.cut = true;
        }
    }
    return placed;
}
