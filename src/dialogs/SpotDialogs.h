#pragma once
// "Spot Unit" and "Spot Evaporator Coil": a load typed in directly, for a quick equipment search
// that leaves the job as it was.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "equipment/SpotSearch.h"

class IntField;
class SpinField;

class rkSpotDialog : public KitDialog {
public:
    rkSpotDialog(const TSpotUnitEntry& entry, int32_t spotAmbient, QWidget* parent = nullptr,
                 UnitSystem units = UnitSystem::Imperial);

    TSpotUnitEntry entry() const;
    int32_t spotAmbient() const;

protected:
    void confirm() override;

private:
    IntField* quantity_;
    IntField* load_;
    IntField* runHours_;
    IntField* suction_;
    SpinField* ambient_;
};

class kvSpotCoilDialog : public KitDialog {
public:
    kvSpotCoilDialog(const TSpotCoilEntry& entry, QWidget* parent = nullptr,
                     UnitSystem units = UnitSystem::Imperial);

    TSpotCoilEntry entry() const;

protected:
    void confirm() override;

private:
    IntField* quantity_;
    IntField* td_;
    IntField* load_;
    IntField* boxTemp_;
};

// Each runs its dialog on the last entries; OK keeps the new entries and returns true.
bool RunSpotUnitDialog(SpotEntries& entries, QWidget* parent,
                       UnitSystem units = UnitSystem::Imperial);
bool RunSpotCoilDialog(SpotEntries& entries, QWidget* parent,
                       UnitSystem units = UnitSystem::Imperial);
