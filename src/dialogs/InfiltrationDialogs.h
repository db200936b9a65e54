#pragma once
// "Infiltration Air Change" and "Infiltration Air Velocity".

#include "dialogs/FieldsDialog.h"
#include "job/JobImage.h"

class TAirChangeDialog : public FieldsDialog {
public:
    TAirChangeDialog(const TAirChangeEntry& entry, QWidget* parent = nullptr,
                     UnitSystem units = UnitSystem::Imperial);
    TAirChangeEntry entry() const;

private:
    IntField* temp_;
    IntField* relHum_;
    QGroupBox* usage_;
};

class TAirVelocityDialog : public FieldsDialog {
public:
    TAirVelocityDialog(const TAirVelocityEntry& entry, QWidget* parent = nullptr,
                       UnitSystem units = UnitSystem::Imperial);
    TAirVelocityEntry entry() const;

private:
    IntField* temp_;
    IntField* relHum_;
    IntField* efficiency_;
    RealField* height_;
    IntField* count_;
    RealField* width_;
    IntField* minutes_;
};

// OK stores the entry and its usage; OK or Cancel, the job uses the air change method afterwards.
// True when OK was pressed and the entry changed.
bool RunAirChangeDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
// OK stores the entry and switches to the air velocity method; true when the entry changed.
// Cancel changes nothing.
bool RunAirVelocityDialog(JobImage& image, QWidget* parent,
                          UnitSystem units = UnitSystem::Imperial);
