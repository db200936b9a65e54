#pragma once
// "Job Information": the job's texts, the box dimensions and the design conditions.

#include "calc/UnitConversion.h"
#include "dialogs/JobInfoRecord.h"
#include "dialogs/KitDialog.h"

#include <optional>

class DateField;
class IntField;
class QLineEdit;
class RealField;
class SpinField;

class KVjobDialog : public KitDialog {
public:
    KVjobDialog(const JobInfoRecord& record, bool newJob, int32_t designAmbient,
                std::optional<QDate> date, QWidget* parent = nullptr,
                UnitSystem units = UnitSystem::Imperial);

    JobInfoRecord record() const;
    int32_t designAmbient() const;
    std::optional<QDate> date() const;

protected:
    void confirm() override;

private:
    QLineEdit* jobName_;
    QLineEdit* customer_;
    QLineEdit* contact_;
    IntField* boxTemp_;
    RealField* length_;
    RealField* width_;
    RealField* height_;
    QLineEdit* quotation_;
    QLineEdit* address_;
    QLineEdit* telephone_;
    QLineEdit* fax_;
    SpinField* ambient_;
    IntField* runHours_;
    IntField* safetyFactor_;
    IntField* boxRelHum_;
    DateField* date_;
};

// Runs the dialog on the job's header. Returns true when OK was pressed and the transfer record
// changed. The design ambient and the date are stored on OK without counting as a change; the
// volume is recomputed and a changed ambient or box temperature drops the selected unit whatever
// the button. In SI the quantities are shown and typed in SI and stored back in imperial units.
bool RunJobInformation(Job& job, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
