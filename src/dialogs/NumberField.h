#pragma once
// A numeric dialog field: a line edit with a picture mask and a closed range checked when the
// dialog is confirmed. An empty field counts as 0.
//
// A field holds a quantity the job keeps in imperial units. Shown in SI, it converts the value it
// was filled with, its range (widened outward to the shown decimals) and its picture; reading it
// converts the typed SI figure back to the imperial value to store.

#include "calc/UnitConversion.h"

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

    // Turns the filled field into an SI field for `quantity` with `siDecimals` places
    // (SiEntryDecimals when negative). Imperial units leave the field as it is.
    void showIn(UnitSystem units, Quantity quantity, int siDecimals = -1);
    // Takes `decimals` places within [minimum, maximum] from now on, with a picture to match.
    void setRangeAndDecimals(double minimum, double maximum, int decimals);
    bool metric() const { return metric_; }
    Quantity quantity() const { return quantity_; }

    // What to store: the imperial value at the decimals the job keeps, within the imperial range.
    // An SI field whose text still shows what it was filled with gives back that value unchanged.
    double storedValue() const;

    // The value for the job where the imperial figure is taken as typed: value() in imperial
    // units, storedValue() in SI.
    double jobValue() const { return metric_ ? storedValue() : value(); }

    bool inRange() const;
    // "Value not in range " + minimum + ".." + maximum.
    QString rangeMessage() const;

private:
    void usePicture(const QString& picture);

    double minimum_;
    double maximum_;
    int decimals_;
    double filled_ = 0; // the last value given to setValue, with all its decimals
    // Set by showIn for an SI field.
    bool metric_ = false;
    Quantity quantity_ = Quantity::Temperature;
    double imperialMinimum_ = 0;
    double imperialMaximum_ = 0;
    int storedDecimals_ = 0;
    QString openedText_;
    double openedValue_ = 0;
};

// The decimals an SI field shows for `quantity` when the job keeps it to `storedDecimals`.
// Lengths, thicknesses and weights take enough for every stored value to come back when its SI
// figure is typed again (0.01 ft needs three decimals of a metre, a whole pound one of a kg);
// other quantities keep their usual SI decimals.
int SiEntryDecimals(Quantity quantity, int storedDecimals);

class IntField : public NumberField {
public:
    IntField(const QString& picture, int32_t minimum, int32_t maximum, QWidget* parent = nullptr)
        : NumberField(picture, minimum, maximum, 0, parent) {}

    // Meaningful once the range check passed. In SI, the nearest whole imperial value.
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
