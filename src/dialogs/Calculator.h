#pragma once
// The arithmetic of the pop-up calculator: digits, a point, + - * /, equals, backspace and clear,
// worked left to right as a pocket calculator does. No widgets.

#include <QString>

class Calculator {
public:
    void digit(int d);
    void point();
    // '+', '-', '*' or '/': finishes the pending operation and remembers this one.
    void operation(QChar op);
    void equals();
    // Takes back the last digit or point typed; a result on the display stays.
    void backspace();
    void clear();
    // Starts over from `value` shown as a result: a digit typed next begins a new number, an
    // operation works on it. A value that is not finite starts from 0.
    void startFrom(double value);

    // What the display shows: the number being typed or the last result; "E" after an error
    // (division by zero or an overflow), until cleared.
    QString display() const;
    bool failed() const { return failed_; }
    // True while the display shows a worked-out result: nothing typed since, no operation waiting.
    bool settled() const { return entry_.isEmpty() && pending_.isNull(); }
    double value() const;

private:
    void apply();

    QString entry_;
    double accumulator_ = 0.0;
    QChar pending_;
    bool failed_ = false;
};
