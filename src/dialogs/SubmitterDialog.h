#pragma once
// "Company Submitted By Information": the company that prepares the calculations.

#include "dialogs/KitDialog.h"
#include "job/Submitter.h"

class QLineEdit;

class TSubmitterDialog : public KitDialog {
public:
    explicit TSubmitterDialog(const TSubmitter& submitter, QWidget* parent = nullptr);

    TSubmitter submitter() const;

private:
    QLineEdit* name_;
    QLineEdit* address_;
    QLineEdit* contact_;
    QLineEdit* telephone_;
    QLineEdit* fax_;
};

// Runs the dialog on a copy of the record. True only when OK was pressed and the copy differs;
// then the copy replaces the record. The caller writes the file.
bool RunSubmitterDialog(TSubmitter& submitter, QWidget* parent);
