#include "grid_parts.h"

#include "tgrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionHeader>

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
        for (int c = 0; c < grid->ColumnCount(); ++c) {
            const TGridColumn& column = grid->Column(c);
            if (column.width <= 0)
                continue;
            const QRect cell(column.left - offset, y, column.width - 1, lineHeight - 1);
            if (cell.right() < 0 || cell.left() > width())
                continue;
            grid->PaintCell(painter, c, first + row, cell);
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
        if (column.width <= 0)
            continue;
        const QRect section(origin + column.left - offset, 0, column.width, height());
        DrawHeaderSection(painter, this, section, c == grid->CurrentColumn());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(section.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine,
                         column.title);
    }
}

int GridTitleBar::ColumnEdgeAt(int x) const {
    const int local = x - grid->RowHeaderWidth() + grid->HorizontalOffset();
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        const TGridColumn& column = grid->Column(c);
        if (column.width > 0 && std::abs(local - (column.left + column.width)) <= resizeGrip)
            return c;
    }
    return -1;
}

void GridTitleBar::mousePressEvent(QMouseEvent* event) {
    resizing = ColumnEdgeAt(event->position().toPoint().x());
}

void GridTitleBar::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (resizing >= 0) {
        const TGridColumn& column = grid->Column(resizing);
        const int width = x - grid->RowHeaderWidth() + grid->HorizontalOffset() - column.left;
        grid->SetColumnWidth(grid->Column(resizing).control->property(controlIdProperty).toInt(),
                             std::max(minimumColumnWidth, width));
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
        const int line = first + row;
        if (line >= grid->NLines())
            break;
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
                         QString::number(line + 1));
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
