#include "dialogs/SpinField.h"

SpinField::SpinField(int minimum, int maximum, int step, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setAlignment(Qt::AlignRight);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}
