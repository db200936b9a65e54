#include "app/SummaryView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TKlientWindow::TKlientWindow(AppState& state, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state), fonts_(MakeSummaryFonts()) {
    setObjectName(QStringLiteral("Calc"));
    setWindowTitle(QStringLiteral("Calc"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    updateScrollBars();
}

// The scroll ranges cover the page's real width (at least ScrollColumns) and length at the
// current fonts, so every text can be reached and nothing is scrolled past what the window needs.
void TKlientWindow::updateScrollBars() {
    const int visibleColumns = std::max(1, viewport()->width() / fonts_.columnWidth);
    const int visibleRows = std::max(1, viewport()->height() / fonts_.lineHeight);
    const int columns = std::max(
        ScrollColumns, (pageSize_.width() + fonts_.columnWidth - 1) / fonts_.columnWidth + 1);
    const int rows = (pageSize_.height() + fonts_.lineHeight - 1) / fonts_.lineHeight + 1;
    horizontalScrollBar()->setRange(0, std::max(0, columns - visibleColumns));
    horizontalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setPageStep(visibleColumns);
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows));
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(visibleRows);
}

void TKlientWindow::placeTexts() {
    placed_ = PlaceSummary(page_, fonts_);
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
    painter.translate(-horizontalScrollBar()->value() * fonts_.columnWidth,
                      -verticalScrollBar()->value() * fonts_.lineHeight);
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
