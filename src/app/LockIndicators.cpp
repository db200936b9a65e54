#include "app/LockIndicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

QLabel* IndicatorLabel(const QString& text, QStatusBar* bar) {
    auto* label = new QLabel(text, bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setEnabled(false);
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* bar)
    : QObject(bar), indicators_{
                        {Qt::Key_CapsLock, IndicatorLabel(QStringLiteral("CAP"), bar), false},
                        {Qt::Key_NumLock, IndicatorLabel(QStringLiteral("NUM"), bar), false},
                        {Qt::Key_ScrollLock, IndicatorLabel(QStringLiteral("SCRL"), bar), false},
                        {Qt::Key_Insert, IndicatorLabel(QStringLiteral("OVR"), bar), false}} {
    qApp->installEventFilter(this);
}

bool LockIndicators::isOn(int key) const {
    for (const Indicator& indicator : indicators_) {
        if (indicator.key == key)
            return indicator.on;
    }
    return false;
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    // Each key press reaches the filter once per receiver up the parent chain; count it only at
    // the widget that has the focus.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (Indicator& indicator : indicators_) {
            if (indicator.key == key->key() && !key->isAutoRepeat()) {
                indicator.on = !indicator.on;
                indicator.label->setEnabled(indicator.on);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
