#pragma once
// "Add / Edit Insulation": the insulation list in physical record order with "&ADD", "&EDIT",
// "&D" (mark or recall a deletion, shown by '@') and "&O"; and the record edit dialog it opens.
// Whenever the list closes the table is packed and read in name order again.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "tables/InsulationMaintenance.h"

class BrowseList;
class QGroupBox;
class QLabel;
class QLineEdit;
class RealField;

class TInsulAddDialog : public KitDialog {
public:
    TInsulAddDialog(const TInsulEdit& edit, QWidget* parent = nullptr,
                    UnitSystem units = UnitSystem::Imperial);
    TInsulEdit edit() const;

protected:
    void confirm() override;

private:
    // The quantity of the factor for the type now chosen (K or U factor).
    Quantity chosenQuantity() const;
    void typeChanged();

    QLineEdit* name_;
    RealField* factor_;
    QLabel* factorLabel_;
    double openedFactor_ = 0.0;
    Quantity openedQuantity_;
    QString openedText_;
    QGroupBox* type_;
    UnitSystem units_;
};

class TInsulModifyDialog : public KitDialog {
public:
    TInsulModifyDialog(InsulationMaintenance& maintenance, QWidget* parent = nullptr,
                       UnitSystem units = UnitSystem::Imperial);

    BrowseList* list() const { return list_; }
    void add();
    void edit();
    void toggleDeleted();

private:
    void refill(int highlight);

    InsulationMaintenance& maintenance_;
    UnitSystem units_;
    BrowseList* list_;
};

// Runs the list dialog on the table, packs it when the list closes and selects the name order
// again. True when the list was closed with "&O". A failed pack is shown to the user.
bool RunInsulationMaintenance(Table& insul, QWidget* parent,
                              UnitSystem units = UnitSystem::Imperial);
