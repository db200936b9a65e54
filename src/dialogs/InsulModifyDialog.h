#pragma once
// "Add / Edit Insulation": the insulation list in physical record order with "&ADD", "&EDIT",
// "&D" (mark or recall a deletion, shown by '@') and "&O"; and the record edit dialog it opens.
// Whenever the list closes the table is packed and read in name order again.

#include "dialogs/KitDialog.h"
#include "tables/InsulationMaintenance.h"

class BrowseList;
class QGroupBox;
class QLineEdit;
class RealField;

class TInsulAddDialog : public KitDialog {
public:
    TInsulAddDialog(const TInsulEdit& edit, QWidget* parent = nullptr);
    TInsulEdit edit() const;

protected:
    void confirm() override;

private:
    QLineEdit* name_;
    RealField* factor_;
    double openedFactor_ = 0.0;
    QGroupBox* type_;
};

class TInsulModifyDialog : public KitDialog {
public:
    TInsulModifyDialog(InsulationMaintenance& maintenance, QWidget* parent = nullptr);

    BrowseList* list() const { return list_; }
    void add();
    void edit();
    void toggleDeleted();

private:
    void refill(int highlight);

    InsulationMaintenance& maintenance_;
    BrowseList* list_;
};

// Runs the list dialog on the table, packs it when the list closes and selects the name order
// again. True when the list was closed with "&O". A failed pack is shown to the user.
bool RunInsulationMaintenance(Table& insul, QWidget* parent);
