#pragma once
// A calculator edit: a numeric field with a small button beside it that pops up a calculator.
// "Use" fills the field with the calculator's result (whole number, toward zero); the field
// keeps its picture and range, checked when the dialog is confirmed.

#include "dialogs/Calculator.h"

#include <QDialog>
#include <QWidget>

class IntField;
class QLineEdit;
class QToolButton;

class CalcEdit : public QWidget {
public:
    CalcEdit(const QString& picture, int32_t minimum, int32_t maximum, QWidget* parent = nullptr);

    IntField* field() const { return field_; }
    QToolButton* button() const { return button_; }

    // Runs the calculator (through RunModal), starting from the field's value.
    void popUp();

private:
    IntField* field_;
    QToolButton* button_;
};

// The pop-up: a display and the keys 0-9, '.', + - * /, '=', 'C', and "Use" / Cancel.
class TCalculatorDialog : public QDialog {
public:
    explicit TCalculatorDialog(double start, QWidget* parent = nullptr);

    Calculator& calculator() { return calculator_; }
    // Presses a key by its text ("7", "+", "=", "C", ".").
    void press(const QString& key);
    QString display() const;

private:
    Calculator calculator_;
    QLineEdit* display_;
};
