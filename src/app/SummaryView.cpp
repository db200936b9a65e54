#include "app/SummaryView.h"

#include "dialogs/Text1252.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

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

void TKlientWindow::updateScrollBars() {
    horizontalScrollBar()->setRange(0, ScrollColumns);
    horizontalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / cw_));
    verticalScrollBar()->setRange(0, ScrollRows);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / lh_));
}

void TKlientWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TKlientWindow::paintEvent(QPaintEvent*) {
    const JobImage& image = state_.job.image;
    const bool unitBefore = image.unit.unitSelected != 0;
    const bool coilBefore = image.coil.coilSelected != 0;
    page_ = RefreshSummary(state_.job, state_.equipment, state_.submitter);
    const bool dropped = (unitBefore && image.unit.unitSelected == 0) ||
                         (coilBefore && image.coil.coilSelected == 0);
    if (dropped && selectionDropped_)
        selectionDropped_();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.translate(-horizontalScrollBar()->value() * cw_, -verticalScrollBar()->value() * lh_);
    for (const SummaryItem& item : page_) {
        const QFont& font = item.font == SummaryFont::Heading ? heading_ : detail_;
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QString text = From1252(item.text);
        int x = item.x * cw_;
        if (item.align == SummaryAlign::Right)
            x -= metrics.horizontalAdvance(text);
        painter.drawText(QPoint(x, item.y * lh_ + metrics.ascent()), text);
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
