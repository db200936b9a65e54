#pragma once
// A spin field that steps through a range (90 to 105 by 5 for the design ambient). Only values on
// a step are taken: a typed value between steps is brought to the nearest one when the field is
// read, since the equipment tables have a column for each step only.
//
// The value is a temperature in F. Shown in SI the field keeps its F steps and shows each as C to
// one decimal; a typed C figure is brought to the nearest step.

#include "calc/UnitConversion.h"

#include <QSpinBox>

#include <optional>

class SpinField : public QSpinBox {
public:
    SpinField(int minimum, int maximum, int step, QWidget* parent = nullptr);

    // The value after bringing whatever was typed onto a step.
    int steppedValue();

    void showIn(UnitSystem units);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;

private:
    int nearestStep(int value) const;
    // The typed text as a temperature in F (not yet on a step); nullopt when it is no number.
    std::optional<double> typedValue(const QString& text) const;

    bool metric_ = false;
};
