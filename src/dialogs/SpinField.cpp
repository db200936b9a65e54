#include "dialogs/SpinField.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

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

void SpinField::showIn(UnitSystem units) {
    if (units != UnitSystem::Metric || metric_)
        return;
    const int shown = value();
    metric_ = true;
    setValue(shown);
    lineEdit()->setText(textFromValue(shown));
}

QValidator::State SpinField::validate(QString& text, int& pos) const {
    if (metric_) {
        static const QRegularExpression figure(QStringLiteral("^-?\\d{0,3}(\\.\\d?)?$"));
        if (!figure.match(text.trimmed()).hasMatch())
            return QValidator::Invalid;
        const std::optional<double> typed = typedValue(text);
        if (!typed)
            return QValidator::Intermediate;
        // On a step when the C figure is the step's own to the shown decimal.
        return text.trimmed() == textFromValue(valueFromText(text)) ? QValidator::Acceptable
                                                                    : QValidator::Intermediate;
    }
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Acceptable)
        return state;
    const int typed = valueFromText(text);
    return typed == nearestStep(typed) ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinField::fixup(QString& text) const {
    const std::optional<double> typed = typedValue(text);
    if (typed)
        text = textFromValue(nearestStep(static_cast<int>(std::lround(
            std::clamp(*typed, static_cast<double>(minimum()), static_cast<double>(maximum()))))));
    else
        QSpinBox::fixup(text);
}

QString SpinField::textFromValue(int value) const {
    if (!metric_)
        return QSpinBox::textFromValue(value);
    return QString::number(ToSi(Quantity::Temperature, value), 'f', 1);
}

int SpinField::valueFromText(const QString& text) const {
    if (!metric_)
        return QSpinBox::valueFromText(text);
    const std::optional<double> typed = typedValue(text);
    if (!typed)
        return value();
    const double clamped =
        std::clamp(*typed, static_cast<double>(minimum()), static_cast<double>(maximum()));
    return nearestStep(static_cast<int>(std::lround(clamped)));
}

std::optional<double> SpinField::typedValue(const QString& text) const {
    bool ok = false;
    const QString trimmed = text.trimmed();
    if (!metric_) {
        const int typed = locale().toInt(trimmed, &ok);
        return ok ? std::optional<double>(typed) : std::nullopt;
    }
    const double si = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(si))
        return std::nullopt;
    return FromSi(Quantity::Temperature, si);
}

int SpinField::nearestStep(int value) const {
    const int step = std::max(1, singleStep());
    const long long offset =
        static_cast<long long>(std::clamp(value, minimum(), maximum())) - minimum();
    const long long steps = (offset + step / 2) / step;
    const long long highest = (static_cast<long long>(maximum()) - minimum()) / step;
    return static_cast<int>(minimum() + std::min(steps, highest) * step);
}
