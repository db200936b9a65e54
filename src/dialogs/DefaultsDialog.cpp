#include "dialogs/DefaultsDialog.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/SpinField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"

#include <QFormLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

template <typename Field> Field* Named(Field* field, const char* name) {
    field->setObjectName(QLatin1String(name));
    return field;
}

QWidget* WallPage(const QString& inchesLabel, RealField* inches, IntField* adjacent,
                  UnitSystem units) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(inchesLabel, inches);
    form->addRow(LabelIn(units, {"Adjacent &Temperature", "Adjacent &Temperature (\u00B0C)"}),
                 adjacent);
    return page;
}

} // namespace

TDefaultsTab::TDefaultsTab(const TDefaults& defaults, const std::vector<InsulationListRow>& rows,
                           QWidget* parent, UnitSystem units)
    : KitDialog(parent), rows_{defaults.coolerInsulationIndex, defaults.freezerInsulationIndex} {
    setObjectName(QStringLiteral("TDefaultsTab"));
    setWindowTitle(QStringLiteral("Select Insulation"));
    const QString inches = QStringLiteral("[#][#][#][.][#][#]");
    const QString whole = QStringLiteral("[#][#][#]");
    coolerInches_ = Named(new RealField(inches, 0, 40, 2, this), "coolerInches");
    coolerAdjacent_ = Named(new IntField(whole, -50, 200, this), "coolerAdjacentTemp");
    freezerInches_ = Named(new RealField(inches, 0, 40, 2, this), "freezerInches");
    freezerAdjacent_ = Named(new IntField(whole, -50, 200, this), "freezerAdjacentTemp");
    ambient_ = Named(new SpinField(90, 105, 5, this), "defaultAmbient");
    designRelHum_ = Named(new IntField(whole, 10, 98, this), "designRelHum");
    boxRelHum_ = Named(new IntField(whole, 10, 98, this), "defaultBoxRelHum");
    coolerInches_->setValue(defaults.coolerWallInches);
    coolerAdjacent_->setValue(defaults.coolerAdjacentTemp);
    freezerInches_->setValue(defaults.freezerWallInches);
    freezerAdjacent_->setValue(defaults.freezerAdjacentTemp);
    ambient_->setValue(defaults.defaultAmbient);
    designRelHum_->setValue(defaults.designRelHum);
    boxRelHum_->setValue(defaults.defaultBoxRelHum);
    for (RealField* thickness : {coolerInches_, freezerInches_})
        thickness->showIn(units, Quantity::Thickness);
    for (IntField* adjacent : {coolerAdjacent_, freezerAdjacent_})
        adjacent->showIn(units, Quantity::Temperature);
    ambient_->showIn(units);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(QStringLiteral(" Cooler    "));
    tabs_->addTab(QStringLiteral(" Freezer   "));
    tabs_->addTab(QStringLiteral(" Design    "));

    const InsulationFactorColumn factor = FactorColumnIn(units);
    list_ = new BrowseList(
        QString(), {{QStringLiteral("Insulation"), 26}, {From1252(factor.title), factor.width}},
        this);
    list_->setObjectName(QStringLiteral("insulationList"));
    std::vector<QStringList> shown;
    shown.reserve(rows.size());
    for (const InsulationListRow& row : rows)
        shown.push_back({From1252(row.name), From1252(InsulationFactorIn(row, units))});
    list_->setRows(shown);
    list_->setMinimumHeight(220);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(WallPage(LabelIn(units, {"&Inches Coolers", "Th&ickness Coolers (mm)"}),
                               coolerInches_, coolerAdjacent_, units));
    pages_->addWidget(WallPage(LabelIn(units, {"&Inches Freezer", "Th&ickness Freezer (mm)"}),
                               freezerInches_, freezerAdjacent_, units));
    auto* design = new QWidget;
    auto* designForm = new QFormLayout(design);
    designForm->addRow(LabelIn(units, {"Design &Ambient", "Design &Ambient (\u00B0C)"}), ambient_);
    designForm->addRow(QStringLiteral("Design &Rel/Hum"), designRelHum_);
    designForm->addRow(QStringLiteral("&Box Rel/Hum"), boxRelHum_);
    pages_->addWidget(design);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    layout->addWidget(pages_);
    layout->addWidget(makeButtons(QStringLiteral("&Save"), QStringLiteral("&Cancel"), true,
                                  QStringLiteral("&Help")));
    setDialogHelpContext(QStringLiteral("defaults"));

    list_->onRowChosen([this](int row) {
        const int tab = tabs_->currentIndex();
        if (tab == CoolerTab || tab == FreezerTab)
            rows_[tab] = row;
    });
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) { tabChanged(tab); });
    tabChanged(CoolerTab);
}

void TDefaultsTab::showTab(Tab tab) {
    tabs_->setCurrentIndex(tab);
}

void TDefaultsTab::tabChanged(int tab) {
    pages_->setCurrentIndex(tab);
    const bool wall = tab == CoolerTab || tab == FreezerTab;
    list_->setVisible(wall);
    if (wall) {
        const int keep = rows_[tab];
        list_->setCurrentRow(keep);
        rows_[tab] = list_->currentRow() < 0 ? keep : list_->currentRow();
    }
}

DefaultsDialogValues TDefaultsTab::values() const {
    DefaultsDialogValues v{};
    v.coolerRow = rows_[CoolerTab];
    v.coolerInches = coolerInches_->jobValue();
    v.coolerAdjacentTemp = coolerAdjacent_->intValue();
    v.freezerRow = rows_[FreezerTab];
    v.freezerInches = freezerInches_->jobValue();
    v.freezerAdjacentTemp = freezerAdjacent_->intValue();
    v.defaultAmbient = ambient_->steppedValue();
    v.designRelHum = designRelHum_->intValue();
    v.defaultBoxRelHum = boxRelHum_->intValue();
    return v;
}

void TDefaultsTab::confirm() {
    // A refused field is shown on its own tab.
    const std::initializer_list<std::pair<NumberField*, Tab>> fields = {
        {coolerInches_, CoolerTab},     {coolerAdjacent_, CoolerTab}, {freezerInches_, FreezerTab},
        {freezerAdjacent_, FreezerTab}, {designRelHum_, DesignTab},   {boxRelHum_, DesignTab}};
    for (const auto& [field, tab] : fields) {
        if (!field->inRange()) {
            showTab(tab);
            CheckFieldRanges(this, {field});
            return;
        }
    }
    accept();
}

std::optional<FileResult> RunDefaultsDialog(TDefaults& defaults, Table& insul,
                                            const std::string& defaultsPath, QWidget* parent,
                                            UnitSystem units) {
    TDefaultsTab dialog(defaults, InsulationListRows(insul), parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return SaveDefaultsFromDialog(defaults, dialog.values(), &insul, defaultsPath);
}
