#include "dialogs/CoilDialogs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "equipment/CoilSearch.h"
#include "equipment/EquipmentListUnits.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include <cstring>

TCoilDialog::TCoilDialog(int32_t coilCount, QWidget* parent) : KitDialog(parent) {
    setObjectName(QStringLiteral("TCoilDialog"));
    setWindowTitle(QStringLiteral("Coil Selection"));
    coilCount_ = new IntField(QStringLiteral("[#][#][#]"), 0, 12, this);
    coilCount_->setObjectName(QStringLiteral("coilCount"));
    coilCount_->setValue(coilCount);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number of &Evap  Coils"), coilCount_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    setDialogHelpContext(QStringLiteral("coilsearch"));
    coilCount_->setFocus();
    coilCount_->selectAll();
}

int32_t TCoilDialog::coilCount() const {
    return coilCount_->intValue();
}

void TCoilDialog::confirm() {
    if (CheckFieldRanges(this, {coilCount_}))
        accept();
}

namespace {

std::vector<QStringList> CoilRows(const CoilList& list, UnitSystem system) {
    std::vector<QStringList> rows;
    rows.reserve(list.rows.size());
    for (const CoilRow& row : list.rows)
        rows.push_back(ListTexts(CoilRowTexts(row, system)));
    return rows;
}

} // namespace

TSearchCoilDialog::TSearchCoilDialog(const CoilList& list, QWidget* parent, UnitSystem system)
    : ChoiceListDialog(QStringLiteral("Evaporator Coils"), BrowseColumns(CoilListColumns(system)),
                       CoilRows(list, system), list.selected, From1252(list.desired), parent) {
    setObjectName(QStringLiteral("TSearchCoilDialog"));
    setDialogHelpContext(QStringLiteral("coilsearch"));
}

bool CoilSelectionDialog(Job& job, EquipmentState& state, QWidget* parent) {
    BeginCoilSelection(job, state);
    TCoilDialog dialog(job.image.coil.coilCount, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return ConfirmCoilSelection(job, dialog.coilCount());
}

bool ShowCoilList(Job& job, Table& coils, EquipmentState& state, QWidget* parent,
                  UnitSystem system) {
    CoilList list = BuildCoilList(job, coils, state);
    list.desired = DesiredCoilLine(job.image, system);
    TCoilSelection before;
    std::memcpy(&before, &job.image.coil, sizeof before);
    TSearchCoilDialog dialog(list, parent, system);
    const int row = RunModal(dialog) == QDialog::Accepted ? dialog.chosenRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= list.rows.size()) {
        CancelCoilList(job, state);
        return false;
    }
    StoreCoilRow(job, coils, list.rows[static_cast<std::size_t>(row)]);
    AcceptCoilList(job, before);
    return true;
}
