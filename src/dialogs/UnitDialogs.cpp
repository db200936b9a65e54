#include "dialogs/UnitDialogs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"
#include "equipment/EquipmentListUnits.h"
#include "equipment/UnitSearch.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include <cstring>

TUnitDialog::TUnitDialog(int32_t unitCount, int32_t designTD, QWidget* parent, UnitSystem units)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("TUnitDialog"));
    setWindowTitle(QStringLiteral("Unit Selection"));
    unitCount_ = new IntField(QStringLiteral("[#][#][#]"), 0, 12, this);
    unitCount_->setObjectName(QStringLiteral("unitCount"));
    unitCount_->setValue(unitCount);
    designTD_ = new IntField(QStringLiteral("[#][#][#]"), 4, 45, this);
    designTD_->setObjectName(QStringLiteral("designTD"));
    designTD_->setValue(designTD);
    designTD_->showIn(units, Quantity::TempDifference);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number of Cond &Units"), unitCount_);
    form->addRow(LabelIn(units, {"Desired &Temp Diff / TD", "Desired &Temp Diff / TD K"}),
                 designTD_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    setDialogHelpContext(QStringLiteral("unitsearch"));
    unitCount_->setFocus();
    unitCount_->selectAll();
}

int32_t TUnitDialog::unitCount() const {
    return unitCount_->intValue();
}

int32_t TUnitDialog::designTD() const {
    return designTD_->intValue();
}

void TUnitDialog::confirm() {
    if (CheckFieldRanges(this, {unitCount_, designTD_}))
        accept();
}

namespace {

std::vector<QStringList> UnitRows(const UnitList& list, UnitSystem system) {
    std::vector<QStringList> rows;
    rows.reserve(list.rows.size());
    for (const UnitRow& row : list.rows)
        rows.push_back(ListTexts(UnitRowTexts(row, system)));
    return rows;
}

} // namespace

TSearchUnitDialog::TSearchUnitDialog(const UnitList& list, QWidget* parent, UnitSystem system)
    : ChoiceListDialog(QStringLiteral("Condensing Units"), BrowseColumns(UnitListColumns(system)),
                       UnitRows(list, system), list.selected, From1252(list.desired), parent) {
    setObjectName(QStringLiteral("TSearchUnitDialog"));
    setDialogHelpContext(QStringLiteral("unitsearch"));
}

bool UnitSelectionDialog(Job& job, EquipmentState& state, QWidget* parent, UnitSystem units) {
    BeginUnitSelection(job, state);
    TUnitDialog dialog(job.image.unit.unitCount, job.image.unit.designTD, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return ConfirmUnitSelection(job, dialog.unitCount(), dialog.designTD());
}

bool ShowUnitList(Job& job, Table& units, EquipmentState& state, QWidget* parent,
                  UnitSystem system) {
    if (job.image.unit.unitCount < 1) {
        job.image.unit.unitSelected = 0;
        return false;
    }
    UnitList list = BuildUnitList(job, units, state);
    list.desired = DesiredUnitLine(job.image, system);
    TUnitSelection before;
    std::memcpy(&before, &job.image.unit, sizeof before);
    TSearchUnitDialog dialog(list, parent, system);
    const int row = RunModal(dialog) == QDialog::Accepted ? dialog.chosenRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= list.rows.size()) {
        CancelUnitList(job, state);
        return false;
    }
    StoreUnitRow(job, list.rows[static_cast<std::size_t>(row)]);
    AcceptUnitList(job, before);
    return true;
}
