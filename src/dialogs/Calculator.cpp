#include "dialogs/Calculator.h"

#include <cmath>

void Calculator::digit(int d) {
    if (failed_ || d < 0 || d > 9 || entry_.size() >= 15)
        return;
    if (entry_ == QLatin1String("0"))
        entry_.clear();
    entry_ += QChar(u'0' + d);
}

void Calculator::point() {
    if (failed_ || entry_.contains(u'.'))
        return;
    entry_ += entry_.isEmpty() ? QStringLiteral("0.") : QStringLiteral(".");
}

void Calculator::apply() {
    const double operand = entry_.toDouble();
    if (pending_.isNull()) {
        if (!entry_.isEmpty())
            accumulator_ = operand;
    } else if (pending_ == u'+') {
        accumulator_ += operand;
    } else if (pending_ == u'-') {
        accumulator_ -= operand;
    } else if (pending_ == u'*') {
        accumulator_ *= operand;
    } else if (pending_ == u'/') {
        if (operand == 0.0)
            failed_ = true;
        else
            accumulator_ /= operand;
    }
    if (!std::isfinite(accumulator_))
        failed_ = true;
    entry_.clear();
    pending_ = QChar();
}

void Calculator::operation(QChar op) {
    if (failed_)
        return;
    if (!entry_.isEmpty() || pending_.isNull())
        apply();
    pending_ = op;
}

void Calculator::equals() {
    if (failed_)
        return;
    if (!entry_.isEmpty() || pending_.isNull())
        apply();
    pending_ = QChar();
}

void Calculator::backspace() {
    if (failed_ || entry_.isEmpty())
        return;
    entry_.chop(1);
    if (entry_.isEmpty())
        entry_ = QStringLiteral("0");
}

void Calculator::clear() {
    *this = Calculator();
}

void Calculator::startFrom(double value) {
    clear();
    accumulator_ = std::isfinite(value) ? value : 0.0;
}

double Calculator::value() const {
    if (failed_)
        return 0.0;
    return entry_.isEmpty() ? accumulator_ : entry_.toDouble();
}

QString Calculator::display() const {
    if (failed_)
        return QStringLiteral("E");
    if (!entry_.isEmpty())
        return entry_;
    return QString::number(accumulator_, 'g', 15);
}
