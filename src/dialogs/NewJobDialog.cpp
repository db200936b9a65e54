#include "dialogs/NewJobDialog.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/UnitLabel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

TNewJobDialog::TNewJobDialog(int32_t boxTemp, QWidget* parent, UnitSystem units)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("TNewJobDialog"));
    setWindowTitle(QStringLiteral("New Quelbox Job"));
    boxTemp_ = new IntField(QStringLiteral("[-][#][#][#]"), -50, 60, this);
    boxTemp_->setObjectName(QStringLiteral("boxTemp"));
    boxTemp_->setValue(boxTemp);
    boxTemp_->showIn(units, Quantity::Temperature);

    auto* form = new QFormLayout;
    form->addRow(LabelIn(units, {"Box &Temperature", "Box &Temperature (\u00B0C)"}), boxTemp_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Initiate New Job"), this));
    layout->addLayout(form);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    boxTemp_->setFocus();
    boxTemp_->selectAll();
}

int32_t TNewJobDialog::boxTemp() const {
    return boxTemp_->intValue();
}

void TNewJobDialog::confirm() {
    if (CheckFieldRanges(this, {boxTemp_}))
        accept();
}

std::optional<int32_t> AskBoxTemperature(QWidget* parent, UnitSystem units) {
    TNewJobDialog dialog(35, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.boxTemp();
}
