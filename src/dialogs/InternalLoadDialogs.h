#pragma once
// "Occupants", "Motor HP Loads", "Electric Loads " and "Lighting Loads ": each edits a copy of its
// block's inputs. The Run functions store the inputs on OK and return whether one changed;
// Cancel changes nothing.

#include "dialogs/FieldsDialog.h"
#include "job/JobImage.h"

class TOccuDialog : public FieldsDialog {
public:
    TOccuDialog(const TOccupantInputs& inputs, QWidget* parent = nullptr);
    int32_t occupants() const;
    int32_t hours() const;

private:
    IntField* occupants_;
    IntField* hours_;
};

class TMotorDialog : public FieldsDialog {
public:
    TMotorDialog(const TMotorInputs& inputs, QWidget* parent = nullptr,
                 UnitSystem units = UnitSystem::Imperial);
    int32_t motorCount() const;
    double motorHp() const;
    int32_t hours() const;

private:
    IntField* count_;
    RealField* hp_;
    IntField* hours_;
};

class TElecDialog : public FieldsDialog {
public:
    TElecDialog(const TElectricInputs& inputs, QWidget* parent = nullptr);
    int32_t watts() const;
    int32_t hours() const;

private:
    IntField* watts_;
    IntField* hours_;
};

class TLightsDialog : public FieldsDialog {
public:
    TLightsDialog(const TLightingInputs& inputs, QWidget* parent = nullptr,
                  UnitSystem units = UnitSystem::Imperial);
    double wattsPerSqFt() const;
    int32_t hours() const;

private:
    RealField* watts_;
    IntField* hours_;
};

bool RunOccupantDialog(JobImage& image, QWidget* parent);
bool RunMotorDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
bool RunElectricDialog(JobImage& image, QWidget* parent);
bool RunLightingDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
