#pragma once
// A spin field that steps through a range (90 to 105 by 5 for the design ambient). Only values on
// a step are taken: a typed value between steps is brought to the nearest one when the field is
// read, since the equipment tables have a column for each step only.

#include <QSpinBox>

class SpinField : public QSpinBox {
public:
    SpinField(int minimum, int maximum, int step, QWidget* parent = nullptr);

    // The value after bringing whatever was typed onto a step.
    int steppedValue();

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

private:
    int nearestStep(int value) const;
};
