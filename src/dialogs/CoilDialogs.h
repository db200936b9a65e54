#pragma once
// "Coil Selection" (how many evaporator coils) and "Evaporator Coils" (the coils that match the
// selected condensing unit).

#include "calc/UnitConversion.h"
#include "dialogs/ChoiceListDialog.h"
#include "dialogs/KitDialog.h"
#include "equipment/CoilList.h"
#include "equipment/EquipmentState.h"
#include "job/Job.h"

class IntField;
class Table;

class TCoilDialog : public KitDialog {
public:
    explicit TCoilDialog(int32_t coilCount, QWidget* parent = nullptr);

    int32_t coilCount() const;

protected:
    void confirm() override;

private:
    IntField* coilCount_;
};

class TSearchCoilDialog : public ChoiceListDialog {
public:
    // The list's rows and its "Desired" line as they read in `system`.
    TSearchCoilDialog(const CoilList& list, QWidget* parent = nullptr,
                      UnitSystem system = UnitSystem::Imperial);
};

// Takes the undo copy and runs "Coil Selection"; OK stores the count. True when the coil search
// should follow.
bool CoilSelectionDialog(Job& job, EquipmentState& state, QWidget* parent);

// "Evaporator Coils" over the candidates of the last coil search. OK or a double click stores the
// highlighted coil; Cancel (or OK on an empty list) puts back the undo copy taken by
// CoilSelectionDialog. True when a coil was stored.
bool ShowCoilList(Job& job, Table& coils, EquipmentState& state, QWidget* parent,
                  UnitSystem system = UnitSystem::Imperial);
