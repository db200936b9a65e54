#include "dialogs/SpotDialogs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/SpinField.h"
#include "dialogs/UnitLabel.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int SpotEditLength = 9;

IntField* SpotField(const char* picture, int32_t minimum, int32_t maximum, int32_t value,
                    const char* name, QWidget* parent) {
    auto* field = new IntField(QLatin1String(picture), minimum, maximum, parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(SpotEditLength);
    field->setValue(value);
    return field;
}

QVBoxLayout* SpotLayout(KitDialog* dialog, QFormLayout* form, QWidget* buttons) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    return layout;
}

} // namespace

rkSpotDialog::rkSpotDialog(const TSpotUnitEntry& entry, int32_t spotAmbient, QWidget* parent,
                           UnitSystem units)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("rkSpotDialog"));
    setWindowTitle(QStringLiteral("Spot Unit"));
    quantity_ = SpotField("[#][#][#]", 1, 20, entry.spotQuantity, "spotQuantity", this);
    load_ = SpotField("[#][#][#][#][#][#][#]", 0, 9000000, entry.spotLoad, "spotLoad", this);
    runHours_ = SpotField("[#][#][#]", 1, 96, entry.spotRunHours, "spotRunHours", this);
    suction_ = SpotField("[-][#][#][#]", -50, 60, entry.spotSuction, "spotSuction", this);
    ambient_ = new SpinField(80, 130, 5, this);
    ambient_->setObjectName(QStringLiteral("spotAmbient"));
    ambient_->setValue(spotAmbient);
    // The ambient is chosen with the arrows only.
    if (auto* text = ambient_->findChild<QLineEdit*>())
        text->setReadOnly(true);
    load_->showIn(units, Quantity::HeatFlow);
    suction_->showIn(units, Quantity::Temperature);
    ambient_->showIn(units);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Quan/Units"), quantity_);
    form->addRow(LabelIn(units, {"&BTUH Load", "&Load W"}), load_);
    form->addRow(QStringLiteral("&Run Hours"), runHours_);
    form->addRow(LabelIn(units, {"Suction &Temp", "Suction &Temp \u00B0C"}), suction_);
    form->addRow(LabelIn(units, {"Design &Ambient", "Design &Ambient \u00B0C"}), ambient_);
    SpotLayout(this, form, makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    setDialogHelpContext(QStringLiteral("spot"));
    quantity_->setFocus();
    quantity_->selectAll();
}

TSpotUnitEntry rkSpotDialog::entry() const {
    return {quantity_->intValue(), load_->intValue(), runHours_->intValue(), suction_->intValue()};
}

int32_t rkSpotDialog::spotAmbient() const {
    return ambient_->value();
}

void rkSpotDialog::confirm() {
    if (CheckFieldRanges(this, {quantity_, load_, runHours_, suction_}))
        accept();
}

kvSpotCoilDialog::kvSpotCoilDialog(const TSpotCoilEntry& entry, QWidget* parent, UnitSystem units)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("kvSpotCoilDialog"));
    setWindowTitle(QStringLiteral("Spot Evaporator Coil"));
    quantity_ = SpotField("[#][#][#]", 1, 20, entry.spotCoilQuantity, "spotCoilQuantity", this);
    td_ = SpotField("[#][#][#]", 1, 96, entry.spotTD, "spotTD", this);
    load_ =
        SpotField("[#][#][#][#][#][#][#]", 0, 9000000, entry.spotCoilLoad, "spotCoilLoad", this);
    boxTemp_ = SpotField("[-][#][#][#]", -50, 60, entry.spotBoxTemp, "spotBoxTemp", this);
    td_->showIn(units, Quantity::TempDifference);
    load_->showIn(units, Quantity::HeatFlow);
    boxTemp_->showIn(units, Quantity::Temperature);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Quan/Coils"), quantity_);
    form->addRow(LabelIn(units, {"Desired T&D", "Desired T&D K"}), td_);
    form->addRow(LabelIn(units, {"&BTUH Load", "&Load W"}), load_);
    form->addRow(LabelIn(units, {"Box &Temp", "Box &Temp \u00B0C"}), boxTemp_);
    SpotLayout(this, form, makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    setDialogHelpContext(QStringLiteral("spot"));
    quantity_->setFocus();
    quantity_->selectAll();
}

TSpotCoilEntry kvSpotCoilDialog::entry() const {
    return {quantity_->intValue(), td_->intValue(), load_->intValue(), boxTemp_->intValue()};
}

void kvSpotCoilDialog::confirm() {
    if (CheckFieldRanges(this, {quantity_, td_, load_, boxTemp_}))
        accept();
}

bool RunSpotUnitDialog(SpotEntries& entries, QWidget* parent, UnitSystem units) {
    rkSpotDialog dialog(entries.unit, entries.spotAmbient, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    entries.spotAmbient = dialog.spotAmbient();
    entries.unit = dialog.entry();
    return true;
}

bool RunSpotCoilDialog(SpotEntries& entries, QWidget* parent, UnitSystem units) {
    kvSpotCoilDialog dialog(entries.coil, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    entries.coil = dialog.entry();
    return true;
}
