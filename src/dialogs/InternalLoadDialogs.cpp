#include "dialogs/InternalLoadDialogs.h"

#include "calc/InputEdits.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"

namespace {

const QString Hours = QStringLiteral("[#][#][#]");
const QString Real = QStringLiteral("[#][#][#][.][#][#]");

} // namespace

TOccuDialog::TOccuDialog(const TOccupantInputs& inputs, QWidget* parent)
    : FieldsDialog(QStringLiteral("TOccuDialog"), QStringLiteral("Occupants"), parent) {
    occupants_ = addInt(QStringLiteral("&Number of Occupants"), "occupants", Hours, 0, 100,
                        inputs.occupants);
    hours_ = addInt(QStringLiteral("&Hours per Day in Box"), "hours", Hours, 0, 25, inputs.hours);
    finish(false);
}

int32_t TOccuDialog::occupants() const {
    return occupants_->intValue();
}

int32_t TOccuDialog::hours() const {
    return hours_->intValue();
}

TMotorDialog::TMotorDialog(const TMotorInputs& inputs, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TMotorDialog"), QStringLiteral("Motor HP Loads"), parent,
                   units) {
    count_ = addInt(QStringLiteral("Motor &Quan"), "motorCount", Hours, 0, 25, inputs.motorCount);
    hp_ = addReal({"Motor &HP", "Motor &kW"}, Quantity::Power, "motorHp", Real, 0, 500.0,
                  inputs.motorHp);
    hours_ = addInt(QStringLiteral("Hours per &Day "), "hours", Hours, 0, 25, inputs.hours);
    finish(false);
}

int32_t TMotorDialog::motorCount() const {
    return count_->intValue();
}

double TMotorDialog::motorHp() const {
    return realOf(hp_);
}

int32_t TMotorDialog::hours() const {
    return hours_->intValue();
}

TElecDialog::TElecDialog(const TElectricInputs& inputs, QWidget* parent)
    : FieldsDialog(QStringLiteral("TElecDialog"), QStringLiteral("Electric Loads "), parent) {
    watts_ = addInt(QStringLiteral("Electric &Watts"), "watts",
                    QStringLiteral("[#][#][#][#][#][#][#][#]"), 0, 90000000, inputs.watts);
    hours_ = addInt(QStringLiteral("&Hours per Day "), "hours", Hours, 0, 25, inputs.hours);
    finish(false);
}

int32_t TElecDialog::watts() const {
    return watts_->intValue();
}

int32_t TElecDialog::hours() const {
    return hours_->intValue();
}

TLightsDialog::TLightsDialog(const TLightingInputs& inputs, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TLightsDialog"), QStringLiteral("Lighting Loads "), parent,
                   units) {
    watts_ = addReal({"&Watts per Sq/ft", "&Watts per m\u00B2"}, Quantity::LightingDensity,
                     "wattsPerSqFt", Real, 0.5, 30.0, inputs.wattsPerSqFt);
    hours_ = addInt(QStringLiteral("&Hours per Day "), "hours", Hours, 0, 25, inputs.hours);
    if (units == UnitSystem::Metric) {
        addNote(QStringLiteral("Suggest: 8.6 for Long Term Storage"));
        addNote(QStringLiteral("10.8 for Normal Use"));
        addNote(QStringLiteral("16.1 for Work Areas"));
    } else {
        addNote(QStringLiteral("Suggest: .8 for Long Term Storage"));
        addNote(QStringLiteral("1 for Normal Use"));
        addNote(QStringLiteral("1.5 for Work Areas"));
    }
    finish(false);
}

double TLightsDialog::wattsPerSqFt() const {
    return realOf(watts_);
}

int32_t TLightsDialog::hours() const {
    return hours_->intValue();
}

bool RunOccupantDialog(JobImage& image, QWidget* parent) {
    TOccuDialog dialog(image.occupants, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreOccupantInputs(image, dialog.occupants(), dialog.hours());
}

bool RunMotorDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TMotorDialog dialog(image.motors, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreMotorInputs(image, dialog.motorCount(), dialog.motorHp(), dialog.hours());
}

bool RunElectricDialog(JobImage& image, QWidget* parent) {
    TElecDialog dialog(image.electric, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreElectricInputs(image, dialog.watts(), dialog.hours());
}

bool RunLightingDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TLightsDialog dialog(image.lighting, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreLightingInputs(image, dialog.wattsPerSqFt(), dialog.hours());
}
