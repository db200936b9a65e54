#pragma once
// A dialog made of labelled numeric fields in a column, optional extra rows, and OK / Cancel
// (and Help). OK checks every field's range in order and stays open on the first refusal.
// Fields for a quantity are shown in the dialog's unit system and read back in imperial units.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "dialogs/UnitLabel.h"

#include <vector>

class IntField;
class NumberField;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QVBoxLayout;
class RealField;

class FieldsDialog : public KitDialog {
public:
    FieldsDialog(const QString& className, const QString& title, QWidget* parent,
                 UnitSystem units = UnitSystem::Imperial);

protected:
    // A labelled field named `name` (the label's accelerator focuses it).
    IntField* addInt(const QString& label, const char* name, const QString& picture,
                     int32_t minimum, int32_t maximum, int32_t value);
    RealField* addReal(const QString& label, const char* name, const QString& picture,
                       double minimum, double maximum, double value);
    // The same for a quantity, shown in the dialog's units; `siDecimals` as for
    // NumberField::showIn.
    IntField* addInt(const UnitLabel& label, Quantity quantity, const char* name,
                     const QString& picture, int32_t minimum, int32_t maximum, int32_t value);
    RealField* addReal(const UnitLabel& label, Quantity quantity, const char* name,
                       const QString& picture, double minimum, double maximum, double value,
                       int siDecimals = -1);
    void addRow(const QString& label, QWidget* field);
    // Adds a field placed elsewhere to the range check on OK.
    void addChecked(NumberField* field) { checked_.push_back(field); }
    // A line of text across the dialog.
    void addNote(const QString& text);
    void addWidget(QWidget* widget);
    // Ends the layout with the buttons.
    void finish(bool withHelp);

    // The field's value to two decimals (in imperial units); the value it opened with while its
    // text is unchanged (so a stored value with more decimals does not count as changed).
    double realOf(const RealField* field) const;

    void confirm() override;

private:
    struct Opened {
        const RealField* field;
        QString text;
        double value;
    };
    std::vector<Opened> opened_;
    UnitSystem units_;
    QVBoxLayout* layout_;
    QGridLayout* grid_;
    int rows_ = 0;
    std::vector<NumberField*> checked_;
};

// An exclusive group of radio buttons titled `title`; button i is named names[i] and checked
// when checked[i] is non-zero (the first set flag wins, the first button when none is set).
QGroupBox* RadioGroup(const QString& title, const QStringList& texts, const QStringList& names,
                      const std::vector<int>& checked, QWidget* parent);

// The 0/1 flags of a radio group, in button order.
std::vector<uint16_t> RadioFlags(const QGroupBox* group);
