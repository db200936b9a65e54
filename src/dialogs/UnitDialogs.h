#pragma once
// "Unit Selection" (how many condensing units share the load, and the TD) and "Condensing Units"
// (the candidates the unit search found).

#include "calc/UnitConversion.h"
#include "dialogs/ChoiceListDialog.h"
#include "dialogs/KitDialog.h"
#include "equipment/EquipmentState.h"
#include "equipment/UnitList.h"
#include "job/Job.h"

class IntField;
class Table;

class TUnitDialog : public KitDialog {
public:
    TUnitDialog(int32_t unitCount, int32_t designTD, QWidget* parent = nullptr,
                UnitSystem units = UnitSystem::Imperial);

    int32_t unitCount() const;
    int32_t designTD() const;

protected:
    void confirm() override;

private:
    IntField* unitCount_;
    IntField* designTD_;
};

class TSearchUnitDialog : public ChoiceListDialog {
public:
    // The list's rows and its "Desired" line as they read in `system`.
    TSearchUnitDialog(const UnitList& list, QWidget* parent = nullptr,
                      UnitSystem system = UnitSystem::Imperial);
};

// Takes the undo copy and runs "Unit Selection"; OK stores the count and TD. True when the unit
// search should follow.
bool UnitSelectionDialog(Job& job, EquipmentState& state, QWidget* parent,
                         UnitSystem units = UnitSystem::Imperial);

// "Condensing Units" over the candidates of the last search. OK or a double click stores the
// highlighted unit; Cancel (or OK on an empty list) puts back the undo copy taken by
// UnitSelectionDialog. True when a unit was stored.
bool ShowUnitList(Job& job, Table& units, EquipmentState& state, QWidget* parent,
                  UnitSystem system = UnitSystem::Imperial);
