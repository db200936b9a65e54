#include "dialogs/InsulModifyDialog.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/FieldsDialog.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "job/FixedText.h"
#include "tables/FieldRules.h"
#include "tables/TableResult.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const QString Title = QStringLiteral("Add / Edit Insulation");
// FACTOR's range and decimals, as the table's rules give them.
constexpr double HighestFactor = InsulationFactorRange.high;
int FactorDecimals() {
    return FieldDefinitionOf(ReferenceTable::Insul, "FACTOR").decimals;
}

QString FactorLabel(UnitSystem units, Quantity quantity) {
    if (units == UnitSystem::Imperial)
        return QStringLiteral("Factor &Value");
    return QStringLiteral("Factor &Value ") + (quantity == Quantity::UFactor
                                                   ? QStringLiteral("W/(m\u00B2\u00B7K)")
                                                   : QStringLiteral("W/(m\u00B7K)"));
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TInsulAddDialog::TInsulAddDialog(const TInsulEdit& edit, QWidget* parent, UnitSystem units)
    : KitDialog(parent), units_(units) {
    setObjectName(QStringLiteral("TInsulAddDialog"));
    setWindowTitle(Title);
    const std::size_t length = strnlen(edit.name, sizeof edit.name);
    name_ = new QLineEdit(From1252(std::string_view(edit.name, length)), this);
    name_->setObjectName(QStringLiteral("insulation"));
    name_->setMaxLength(FieldDefinitionOf(ReferenceTable::Insul, "INSULATION").width);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    const int kFlag = edit.kFlag;
    openedFactor_ = edit.factor;
    openedQuantity_ = kFlag != 0 ? Quantity::KFactor : Quantity::UFactor;
    if (units_ == UnitSystem::Metric) {
        // The SI unit follows the type, so the field takes the widest SI range and the chosen
        // type's range is checked on OK.
        const SiRange u = ToSiRange(Quantity::UFactor, 0, HighestFactor, FactorDecimals());
        factor_ = new RealField(QStringLiteral("[#][#][#][.][#][#][#]"), 0, u.high,
                                FactorDecimals(), this);
        factor_->setValue(ToSi(openedQuantity_, openedFactor_));
    } else {
        factor_ = new RealField(QStringLiteral("[#][#][#][.][#][#]"), 0, HighestFactor, 2, this);
        factor_->setValue(edit.factor);
    }
    factor_->setObjectName(QStringLiteral("factor"));
    openedText_ = factor_->text();
    type_ = RadioGroup(QStringLiteral("&Type"),
                       {QStringLiteral("K Factor"), QStringLiteral("U Factor")},
                       {QStringLiteral("kFactor"), QStringLiteral("uFactor")},
                       {kFlag != 0 ? 1 : 0, kFlag != 0 ? 0 : 1}, this);
    auto* grid = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("&Insulation"), this);
    nameLabel->setBuddy(name_);
    factorLabel_ = new QLabel(FactorLabel(units_, openedQuantity_), this);
    factorLabel_->setBuddy(factor_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(factorLabel_, 1, 0);
    grid->addWidget(factor_, 1, 1);
    grid->addWidget(type_, 2, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QRadioButton* radio : type_->findChildren<QRadioButton*>())
        connect(radio, &QRadioButton::toggled, this, [this] { typeChanged(); });
    name_->setFocus();
}

Quantity TInsulAddDialog::chosenQuantity() const {
    return RadioFlags(type_).at(1) != 0 ? Quantity::UFactor : Quantity::KFactor;
}

void TInsulAddDialog::typeChanged() {
    factorLabel_->setText(FactorLabel(units_, chosenQuantity()));
}

void TInsulAddDialog::confirm() {
    if (units_ == UnitSystem::Metric) {
        const SiRange range = ToSiRange(chosenQuantity(), 0, HighestFactor, FactorDecimals());
        factor_->setRange(range.low, range.high);
    }
    if (CheckFieldRanges(this, {factor_}))
        accept();
}

TInsulEdit TInsulAddDialog::edit() const {
    TInsulEdit e{};
    const std::string name = To1252(name_->text());
    std::memcpy(e.name, name.data(), std::min(name.size(), sizeof e.name - 1));
    // FACTOR keeps three decimals (0.124): an unchanged field leaves the stored value whole.
    if (units_ == UnitSystem::Imperial) {
        e.factor = factor_->valueReplacing(openedFactor_);
    } else if (factor_->text() == openedText_ && chosenQuantity() == openedQuantity_) {
        e.factor = openedFactor_;
    } else {
        const double scale = std::pow(10.0, FactorDecimals());
        e.factor =
            std::clamp(std::round(FromSi(chosenQuantity(), factor_->value()) * scale) / scale, 0.0,
                       HighestFactor);
    }
    const std::vector<uint16_t> flags = RadioFlags(type_);
    e.kFlag = static_cast<int16_t>(flags.at(0));
    e.uFlag = static_cast<int16_t>(flags.at(1));
    return e;
}

TInsulModifyDialog::TInsulModifyDialog(InsulationMaintenance& maintenance, QWidget* parent,
                                       UnitSystem units)
    : KitDialog(parent), maintenance_(maintenance), units_(units),
      list_(new BrowseList(QStringLiteral("&Insulation List"),
                           {{QStringLiteral("Insulation"), 27},
                            {From1252(FactorColumnIn(units).title), FactorColumnIn(units).width}},
                           this)) {
    setObjectName(QStringLiteral("TInsulModifyDialog"));
    setWindowTitle(Title);
    list_->setMinimumHeight(300);
    auto* add = Button(QStringLiteral("&ADD"), "addButton", this);
    auto* edit = Button(QStringLiteral("&EDIT"), "editButton", this);
    auto* remove = Button(QStringLiteral("&D"), "deleteButton", this);
    auto* ok = Button(QStringLiteral("&O"), "okButton", this);
    ok->setDefault(true);
    connect(add, &QPushButton::clicked, this, [this] { this->add(); });
    connect(edit, &QPushButton::clicked, this, [this] { this->edit(); });
    connect(remove, &QPushButton::clicked, this, [this] { toggleDeleted(); });
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, edit, remove, ok})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    refill(0);
}

void TInsulModifyDialog::refill(int highlight) {
    std::vector<QStringList> rows;
    for (const InsulationMaintenance::Row& row : maintenance_.rows())
        rows.push_back({From1252(row.name), From1252(InsulationFactorIn(row, units_))});
    list_->setRows(rows);
    list_->setCurrentRow(highlight);
}

void TInsulModifyDialog::add() {
    TInsulAddDialog dialog(InsulationMaintenance::BlankEdit(), this, units_);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    if (maintenance_.Add(dialog.edit()))
        refill(static_cast<int>(maintenance_.rows().size()) - 1);
}

void TInsulModifyDialog::edit() {
    const int row = list_->currentRow();
    TInsulEdit buffer{};
    if (row < 0 || !maintenance_.LoadForEdit(row, buffer))
        return;
    TInsulAddDialog dialog(buffer, this, units_);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    if (maintenance_.Edit(row, dialog.edit()))
        refill(row);
}

void TInsulModifyDialog::toggleDeleted() {
    const int row = list_->currentRow();
    if (row >= 0 && maintenance_.ToggleDeleted(row))
        refill(row);
}

bool RunInsulationMaintenance(Table& insul, QWidget* parent, UnitSystem units) {
    InsulationMaintenance maintenance(insul);
    TInsulModifyDialog dialog(maintenance, parent, units);
    const bool ok = RunModal(dialog) == QDialog::Accepted;
    if (maintenance.Close() != r4success)
        ShowMessage(parent, {ApplicationTitle(), QString::fromStdString(insul.lastError()),
                             MessageIcon::Exclamation, MessageButtons::Ok});
    return ok;
}
