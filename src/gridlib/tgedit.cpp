#include "tgedit.h"

#include "tgrid.h"
#include "tgvalidator.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// QLineEdit's length limit when none is set.
constexpr int freeLength = 32767;

} // namespace

TGEdit::TGEdit(QWidget* parent, int id, const QString& text, int textLimit)
    : QLineEdit(text, parent) {
    setProperty(controlIdProperty, id);
    SetTextLimit(textLimit);
}

void TGEdit::SetTextLimit(int limit) {
    textLimit = std::max(limit, 0);
    // QLineEdit's own limit, which it applies to typing and to setText alike, leaves room for
    // the text already there.
    setMaxLength(std::max(textLimit > 0 ? textLimit : freeLength, static_cast<int>(text().size())));
}

void TGEdit::setText(const QString& value) {
    setMaxLength(std::max(maxLength(), static_cast<int>(value.size())));
    QLineEdit::setText(value);
    SetTextLimit(textLimit);
}

int TGEdit::Id() const {
    return property(controlIdProperty).toInt();
}

void TGEdit::SetColors(const QColor& text, const QColor& background) {
    textColor = text;
    backgroundColor = background;
    QPalette colours = palette();
    if (text.isValid())
        colours.setColor(QPalette::Text, text);
    if (background.isValid())
        colours.setColor(QPalette::Base, background);
    setPalette(colours);
}

QColor TGEdit::TextColor() const {
    return textColor.isValid() ? textColor : palette().color(QPalette::Text);
}

QColor TGEdit::BackgroundColor() const {
    return backgroundColor.isValid() ? backgroundColor : palette().color(QPalette::Base);
}

void TGEdit::SetValidator(TGValidator* validator) {
    if (checker == validator)
        return;
    setValidator(validator);
    delete checker;
    checker = validator;
    if (checker)
        checker->setParent(this);
}

bool TGEdit::IsValid(bool showMessage) const {
    if (!checker)
        return true;
    if (!showMessage)
        return checker->IsValid(text());
    return checker->Check(const_cast<TGEdit*>(this), text());
}

QByteArray TGEdit::GetData() const {
    return text().toUtf8();
}

void TGEdit::SetData(const QByteArray& data) {
    setText(QString::fromUtf8(data));
}

QString TGEdit::DataText(const QByteArray& data) const {
    return QString::fromUtf8(data);
}

TGEdit& TGEdit::operator=(const QString& value) {
    setText(value);
    return *this;
}

void TGEdit::SetTextKeepingModified(const QString& value) {
    if (value == text())
        return;
    const bool wasModified = isModified();
    setText(value);
    setModified(wasModified);
}

void TGEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!grid && !IsValid(true)) {
        // An ordinary dialog field keeps the focus until it holds valid input.
        setFocus(Qt::OtherFocusReason);
        return;
    }
    if (IsValid(false))
        Normalize();
}

void TGEdit::DrawCell(QPainter& painter, const QRect& cell, const QByteArray& data,
                      TGAlign alignment, int line) const {
    QColor foreground = TextColor();
    QColor background = BackgroundColor();
    if (grid && grid->LineSelected(line)) {
        foreground = grid->palette().color(QPalette::HighlightedText);
        background = grid->palette().color(QPalette::Highlight);
    } else if (grid) {
        QColor ownerText = foreground;
        QColor ownerBackground = background;
        if (grid->GetCellColors(line, Id(), ownerText, ownerBackground)) {
            foreground = ownerText;
            background = ownerBackground;
        }
    }
    painter.fillRect(cell, background);
    const QString shown = DataText(data);
    if (shown.isEmpty())
        return;
    const QMargins margins = textMargins();
    QRect textArea = cell.adjusted(2 + margins.left(), 2 + margins.top(), -2 - margins.right(),
                                   -2 - margins.bottom());
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= alignment == alRight ? Qt::AlignRight
                                  : (alignment == alCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    painter.save();
    painter.setPen(foreground);
    painter.setFont(font());
    painter.setClipRect(cell);
    painter.drawText(textArea, flags, shown);
    painter.restore();
}
