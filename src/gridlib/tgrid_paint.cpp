#include "tgrid.h"

#include "control_data.h"
#include "tgedit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int indicatorSize = 14;

int TextFlags(TGAlign alignment) {
    const int horizontal = alignment == alRight
                               ? Qt::AlignRight
                               : (alignment == alCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    return horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
}

} // namespace

QByteArray TGrid::CheckBoxData(int state) {
    return CheckStateData(state < 0 || state > 2 ? 2 : state);
}

int TGrid::CheckBoxState(const QByteArray& data) {
    return CheckStateFromData(data);
}

void TGrid::PaintCell(QPainter& painter, int column, int line, const QRect& cell) {
    const TGridColumn& c = columns.at(column);
    QColor background = palette().color(QPalette::Base);
    if (line < 0 || line >= nLines) {
        painter.fillRect(cell, background);
        return;
    }
    const int id = ControlId(c.control);
    const int state = GetCellState(line, id);
    const bool selected = selection.IsSelected(line);
    QColor text = palette().color(QPalette::Text);
    if (selected) {
        background = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    } else {
        QColor ownerText = text;
        QColor ownerBackground = background;
        if (GetCellColors(line, id, ownerText, ownerBackground)) {
            text = ownerText;
            background = ownerBackground;
        }
    }
    if (state == 3) {
        painter.fillRect(cell, background);
        return;
    }
    const QByteArray data = GetCellData(line, id);
    if (auto* edit = qobject_cast<TGEdit*>(c.control)) {
        edit->DrawCell(painter, cell, data, c.alignment, line);
        return;
    }
    painter.fillRect(cell, background);
    painter.save();
    painter.setClipRect(cell);
    painter.setPen(text);
    painter.setFont(c.control->font());
    const QRect inner = cell.adjusted(2, 2, -2, -2);
    switch (c.type) {
    case ctCheckBox: {
        QStyleOptionButton option;
        option.initFrom(c.control);
        const int x = c.alignment == alCenter  ? cell.center().x() - indicatorSize / 2
                      : c.alignment == alRight ? cell.right() - indicatorSize - 2
                                               : cell.left() + 3;
        option.rect = QRect(x, cell.center().y() - indicatorSize / 2, indicatorSize, indicatorSize);
        const int checkState = CheckStateFromData(data);
        option.state |= checkState == 1   ? QStyle::State_On
                        : checkState == 0 ? QStyle::State_Off
                                          : QStyle::State_NoChange;
        option.state |= QStyle::State_Enabled;
        c.control->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter,
                                          c.control);
        break;
    }
    case ctButton: {
        QStyleOptionButton option;
        option.initFrom(c.control);
        option.rect = cell;
        option.text = QString::fromUtf8(data);
        c.control->style()->drawControl(QStyle::CE_PushButton, &option, &painter, c.control);
        break;
    }
    case ctCombo: {
        const int arrowWidth = std::min(cell.height(), 16);
        painter.drawText(inner.adjusted(0, 0, -arrowWidth, 0), TextFlags(c.alignment),
                         QString::fromUtf8(data));
        break;
    }
    default:
        painter.drawText(inner, TextFlags(c.alignment), QString::fromUtf8(data));
    }
    painter.restore();
}
