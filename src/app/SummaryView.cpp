#include "app/SummaryView.h"

#include "dialogs/Text1252.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <limits>

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

} // namespace

TKlientWindow::TKlientWindow(AppState& state, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state),
      detail_(
          PageFont(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"), 14, 400, true)),
      heading_(PageFont(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"), 16, 700,
                        false)) {
    setObjectName(QStringLiteral("Calc"));
    setWindowTitle(QStringLiteral("Calc"));
    const QFontMetrics metrics(heading_);
    lh_ = metrics.height() + metrics.leading();
    cw_ = metrics.averageCharWidth() + 1;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    updateScrollBars();
}

// The scroll ranges cover the page's real width (at least ScrollColumns) and length at the
// current fonts, so every text can be reached and nothing is scrolled past what the window needs.
void TKlientWindow::updateScrollBars() {
    const int visibleColumns = std::max(1, viewport()->width() / cw_);
    const int visibleRows = std::max(1, viewport()->height() / lh_);
    const int columns = std::max(ScrollColumns, (pageSize_.width() + cw_ - 1) / cw_ + 1);
    const int rows = (pageSize_.height() + lh_ - 1) / lh_ + 1;
    horizontalScrollBar()->setRange(0, std::max(0, columns - visibleColumns));
    horizontalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setPageStep(visibleColumns);
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows));
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(visibleRows);
}

void TKlientWindow::placeTexts() {
    placed_.clear();
    const int detailChar = QFontMetrics(detail_).horizontalAdvance(QLatin1Char('0'));
    for (const SummaryItem& item : page_) {
        const QFont& font = item.font == SummaryFont::Heading ? heading_ : detail_;
        const QFontMetrics metrics(font);
        const QString text = From1252(item.text);
        const int width = metrics.horizontalAdvance(text);
        int x = item.x * cw_ + item.detailChars * detailChar;
        if (item.align == SummaryAlign::Right)
            x -= width;
        const int top = item.y * lh_;
        placed_.push_back(
            {text, &font, QRect(x, top, width, metrics.height()), top + metrics.ascent()});
    }
    // A text that would run into the next text of its row ends a blank before it.
    for (PlacedText& placed : placed_) {
        int next = std::numeric_limits<int>::max();
        for (const PlacedText& other : placed_)
            if (other.box.top() == placed.box.top() && other.box.left() > placed.box.left())
                next = std::min(next, other.box.left());
        const QFontMetrics metrics(*placed.font);
        const int room = next - metrics.horizontalAdvance(QLatin1Char(' ')) - placed.box.left();
        if (placed.box.width() <= room)
            continue;
        while (!placed.text.isEmpty() && metrics.horizontalAdvance(placed.text) > room)
            placed.text.chop(1);
        placed.box.setWidth(metrics.horizontalAdvance(placed.text));
    }
    QRect page;
    for (const PlacedText& placed : placed_)
        page |= placed.box;
    pageSize_ = QSize(std::max(0, page.right() + 1), std::max(0, page.bottom() + 1));
}

void TKlientWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TKlientWindow::paintEvent(QPaintEvent*) {
    const JobImage& image = state_.job.image;
    const bool unitBefore = image.unit.unitSelected != 0;
    const bool coilBefore = image.coil.coilSelected != 0;
    page_ = RefreshSummary(state_.job, state_.equipment, state_.submitter, state_.units);
    const bool dropped = (unitBefore && image.unit.unitSelected == 0) ||
                         (coilBefore && image.coil.coilSelected == 0);
    if (dropped && selectionDropped_)
        selectionDropped_();
    placeTexts();
    updateScrollBars();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.translate(-horizontalScrollBar()->value() * cw_, -verticalScrollBar()->value() * lh_);
    for (const PlacedText& placed : placed_) {
        painter.setFont(*placed.font);
        painter.drawText(QPoint(placed.box.left(), placed.baseline), placed.text);
    }
    if (firstPaint_)
        std::exchange(firstPaint_, nullptr)();
}

void TKlientWindow::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}
