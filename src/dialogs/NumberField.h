#pragma once
// A numeric dialog field: a line edit with a picture mask and a closed range checked when the
// dialog is confirmed. An empty field counts as 0.

#include <QLineEdit>

#include <cstdint>
#include <initializer_list>

class NumberField : public QLineEdit {
public:
    NumberField(const QString& picture, double minimum, double maximum, int decimals,
                QWidget* parent = nullptr);

    void setRange(double minimum, double maximum);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

    // The typed value; 0 for an empty field or one holding only a sign or a point.
    double value() const;
    void setValue(double value);
    int decimals() const { return decimals_; }

    bool inRange() const;
    // "Value not in range " + minimum + ".." + maximum.
    QString rangeMessage() const;

private:
    double minimum_;
    double maximum_;
    int decimals_;
};

class IntField : public NumberField {
public:
    IntField(const QString& picture, int32_t minimum, int32_t maximum, QWidget* parent = nullptr)
        : NumberField(picture, minimum, maximum, 0, parent) {}

    // Meaningful once the range check passed.
    int32_t intValue() const;
};

class RealField : public NumberField {
public:
    RealField(const QString& picture, double minimum, double maximum, int decimals = 2,
              QWidget* parent = nullptr)
        : NumberField(picture, minimum, maximum, decimals, parent) {}

    // What to store in place of `opened`, the value the field was filled with: the typed value at
    // the field's decimals, or `opened` with all its decimals while the text still shows it.
    double valueReplacing(double opened) const;
};

// Checks the fields in order. The first one out of range is refused: its message is shown with
// the application's name as title, the focus goes to the field, and the result is false.
bool CheckFieldRanges(QWidget* dialog, std::initializer_list<NumberField*> fields);
