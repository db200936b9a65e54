#include "dialogs/SpinField.h"

#include <algorithm>

SpinField::SpinField(int minimum, int maximum, int step, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setAlignment(Qt::AlignRight);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int SpinField::steppedValue() {
    interpretText(); // an off-step text goes through fixup onto the nearest step
    return value();
}

QValidator::State SpinField::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Acceptable)
        return state;
    const int typed = valueFromText(text);
    return typed == nearestStep(typed) ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinField::fixup(QString& text) const {
    bool ok = false;
    const int typed = locale().toInt(text.trimmed(), &ok);
    if (ok)
        text = textFromValue(nearestStep(typed));
    else
        QSpinBox::fixup(text);
}

int SpinField::nearestStep(int value) const {
    const int step = std::max(1, singleStep());
    const long long offset =
        static_cast<long long>(std::clamp(value, minimum(), maximum())) - minimum();
    const long long steps = (offset + step / 2) / step;
    const long long highest = (static_cast<long long>(maximum()) - minimum()) / step;
    return static_cast<int>(minimum() + std::min(steps, highest) * step);
}
