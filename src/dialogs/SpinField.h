#pragma once
// A spin field that steps through a range (90 to 105 by 5 for the design ambient).

#include <QSpinBox>

class SpinField : public QSpinBox {
public:
    SpinField(int minimum, int maximum, int step, QWidget* parent = nullptr);
};
