#include "grid_parts.h"

#include "tgrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int resizeGrip = 3;
constexpr int minimumColumnWidth = 8;

void DrawHeaderSection(QPainter& painter, QWidget* widget, const QRect& rect, bool current) {
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.rect = rect;
    option.position = QStyleOptionHeader::Middle;
    if (current)
        option.state |= QStyle::State_On;
    painter.save();
    widget->style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, widget);
    painter.restore();
}

} // namespace

// Client area.

GridClientArea::GridClientArea(TGrid* grid) : QWidget(grid), grid(grid) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

void GridClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    if (grid->Layout() == glRecord)
        return;
    const int lineHeight = grid->LineHeight();
    const int first = std::max(0, grid->TopLine());
    const int rows = height() / lineHeight + 1;
    const int offset = grid->HorizontalOffset();
    const int right = std::min(width(), grid->ColumnsWidth() - offset);
    const QColor gridLine = palette().color(QPalette::Mid);
    for (int row = 0; row < rows; ++row) {
        const int y = row * lineHeight;
        if (y > event->rect().bottom() || y + lineHeight < event->rect().top())
            continue;
        // Rows past the last line a 32-bit number holds are past every list's end.
        const int line = static_cast<int>(
            std::min<int64_t>(int64_t{first} + row, std::numeric_limits<int>::max()));
        for (int c = 0; c < grid->ColumnCount(); ++c) {
            const TGridColumn& column = grid->Column(c);
            const int64_t x = int64_t{column.left} - offset;
            if (column.width <= 0 || x + column.width <= 0 || x > width())
                continue;
            const QRect cell(static_cast<int>(x), y, column.width - 1, lineHeight - 1);
            grid->PaintCell(painter, c, line, cell);
            painter.setPen(gridLine);
            painter.drawLine(cell.right() + 1, y, cell.right() + 1, y + lineHeight - 1);
        }
        painter.setPen(gridLine);
        painter.drawLine(0, y + lineHeight - 1, right, y + lineHeight - 1);
    }
}

void GridClientArea::mousePressEvent(QMouseEvent* event) {
    grid->ClickCell(event->position().toPoint(), event->modifiers());
}

// Title bar.

GridTitleBar::GridTitleBar(TGrid* grid) : QWidget(grid), grid(grid) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void GridTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const int origin = grid->RowHeaderWidth();
    if (origin > 0)
        DrawHeaderSection(painter, this, QRect(0, 0, origin, height()), false);
    painter.setClipRect(origin, 0, width() - origin, height());
    const int offset = grid->HorizontalOffset();
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        const TGridColumn& column = grid->Column(c);
        const int64_t x = int64_t{origin} + column.left - offset;
        if (column.width <= 0 || x + column.width <= origin || x > width())
            continue;
        const QRect section(static_cast<int>(x), 0, column.width, height());
        DrawHeaderSection(painter, this, section, c == grid->CurrentColumn());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(section.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine,
                         column.title);
    }
}

int GridTitleBar::ColumnEdgeAt(int x) const {
    const int64_t local = int64_t{x} - grid->RowHeaderWidth() + grid->HorizontalOffset();
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        const TGridColumn& column = grid->Column(c);
        const int64_t edge = int64_t{column.left} + column.width;
        if (column.width > 0 && local >= edge - resizeGrip && local <= edge + resizeGrip)
            return c;
    }
    return -1;
}

void GridTitleBar::mousePressEvent(QMouseEvent* event) {
    dragStartX = event->position().toPoint().x();
    resizing = ColumnEdgeAt(dragStartX);
    if (resizing >= 0)
        dragStartWidth = grid->Column(resizing).width;
}

void GridTitleBar::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (resizing >= 0 && resizing < grid->ColumnCount()) {
        // The width follows the mouse from where the drag began; the columns may scroll while
        // the current cell is kept in view, which must not feed back into the width.
        const int64_t width = int64_t{dragStartWidth} + x - dragStartX;
        grid->SetColumnWidthAt(resizing, static_cast<int>(std::clamp<int64_t>(
                                             width, minimumColumnWidth, QWIDGETSIZE_MAX)));
        return;
    }
    setCursor(ColumnEdgeAt(x) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void GridTitleBar::mouseReleaseEvent(QMouseEvent*) {
    resizing = -1;
}

// Row header.

GridRowHeader::GridRowHeader(TGrid* grid) : QWidget(grid), grid(grid) {
    setFocusPolicy(Qt::NoFocus);
}

void GridRowHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const int lineHeight = grid->LineHeight();
    const int first = std::max(0, grid->TopLine());
    const int current = grid->CurrentLine();
    const int rows = height() / lineHeight + 1;
    for (int row = 0; row < rows; ++row) {
        if (int64_t{first} + row >= grid->NLines())
            break;
        const int line = first + row;
        const QRect section(0, row * lineHeight, width(), lineHeight);
        const bool isCurrent = line == current;
        const bool marked = isCurrent && grid->lineMarker == lmBold;
        DrawHeaderSection(painter, this, section, marked);
        if (grid->LineSelected(line))
            painter.fillRect(section.adjusted(1, 1, -1, -1), palette().color(QPalette::Highlight));
        QFont numberFont = font();
        numberFont.setBold(marked);
        painter.setFont(numberFont);
        painter.setPen(palette().color(grid->LineSelected(line) ? QPalette::HighlightedText
                                                                : QPalette::ButtonText));
        painter.drawText(section.adjusted(2, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(int64_t{line} + 1));
        if (isCurrent && grid->lineMarker == lmArrow) {
            const int middle = section.center().y();
            const int left = section.right() - 9;
            QPainterPath arrow;
            arrow.moveTo(left, middle - 4);
            arrow.lineTo(left + 5, middle);
            arrow.lineTo(left, middle + 4);
            arrow.closeSubpath();
            painter.fillPath(arrow, palette().color(QPalette::ButtonText));
        }
    }
}

void GridRowHeader::mousePressEvent(QMouseEvent* event) {
    grid->ClickRowHeader(event->position().toPoint().y(), event->modifiers());
}
