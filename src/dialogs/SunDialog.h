#pragma once
// "Allowance for Sun Effect": the south, east and west walls and the roof, each None, Dark,
// Medium or Light.

#include "dialogs/FieldsDialog.h"
#include "job/JobImage.h"

class TSunDialog : public FieldsDialog {
public:
    TSunDialog(const TSunChoices& choices, QWidget* parent = nullptr);
    TSunChoices choices() const;

private:
    QGroupBox* groups_[SunGroupCount];
};

// OK stores the choices and recomputes the allowances, also without a change; true when the sun
// block changed. Cancel changes nothing.
bool RunSunDialog(JobImage& image, QWidget* parent);
