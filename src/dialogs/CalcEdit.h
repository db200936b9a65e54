#pragma once
// A calculator edit: a numeric field with a small button beside it that pops up a calculator.
// The button follows the field in the Tab order; F4 or Alt+Down in the field opens it too.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IntField* field_;
    QToolButton* button_;
};

// The pop-up: a display and the keys 0-9, '.', + - * /, '=', 'C', '←' (backspace), and
// "Use" / Cancel.
// The keyboard works it as a desktop calculator: digits, '.' or ',', + - * /, '=', Backspace,
// C or Delete to clear; Enter works out the sum, and Enter on a worked-out result uses it;
// Escape closes it and leaves the field alone.
class TCalculatorDialog : public QDialog {
public:
    explicit TCalculatorDialog(double start, QWidget* parent = nullptr);

    Calculator& calculator() { return calculator_; }
    // Presses a key by its text on the keypad ("7", "+", "=", "C", ".", "←").
    void press(const QString& key);
    QString display() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Calculator calculator_;
    QLineEdit* display_;
};
