#include "dialogs/CoilDialogs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "equipment/CoilSearch.h"

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

std::vector<QStringList> CoilRows(const CoilList& list) {
    std::vector<QStringList> rows;
    rows.reserve(list.rows.size());
    for (const CoilRow& row : list.rows)
        rows.push_back({From1252(row.model), From1252(row.td), From1252(row.style),
                        From1252(row.fin), From1252(row.btuh), From1252(row.defrost),
                        From1252(row.brand)});
    return rows;
}

} // namespace

TSearchCoilDialog::TSearchCoilDialog(const CoilList& list, QWidget* parent)
    : ChoiceListDialog(QStringLiteral("Evaporator Coils"),
                       {{QStringLiteral("model"), 10},
                        {QStringLiteral("TD"), 4},
                        {QStringLiteral("style"), 9},
                        {QStringLiteral("fin"), 4},
                        {QStringLiteral("btuh"), 12},
                        {QStringLiteral("defrost"), 7},
                        {QStringLiteral("brand"), 10}},
                       CoilRows(list), list.selected, From1252(list.desired), parent) {
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

bool ShowCoilList(Job& job, Table& coils, EquipmentState& state, QWidget* parent) {
    const CoilList list = BuildCoilList(job, coils, state);
    TCoilSelection before;
    std::memcpy(&before, &job.image.coil, sizeof before);
    TSearchCoilDialog dialog(list, parent);
    const int row = RunModal(dialog) == QDialog::Accepted ? dialog.chosenRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= list.rows.size()) {
        CancelCoilList(job, state);
        return false;
    }
    StoreCoilRow(job, coils, list.rows[static_cast<std::size_t>(row)]);
    AcceptCoilList(job, before);
    return true;
}
