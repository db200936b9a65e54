#include "dialogs/InsulTabDialog.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace {

const char* const TabLabels[SurfaceCount] = {"1st Wall - N.", "2nd Wall - S.", "3rd Wall - E.",
                                             "4th Wall - W.", " Ceiling     ", " Floor       "};
const char* const InchLabels[SurfaceCount] = {"&Inches No Wall", "&Inches So Wall",
                                              "&Inches Ea Wall", "&Inches We Wall",
                                              "&Inches Ceiling", "&Inches Floor"};
const char* const MillimetreLabels[SurfaceCount] = {
    "Th&ickness No Wall (mm)", "Th&ickness So Wall (mm)", "Th&ickness Ea Wall (mm)",
    "Th&ickness We Wall (mm)", "Th&ickness Ceiling (mm)", "Th&ickness Floor (mm)"};

std::string TrimmedRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The row of the name order that holds the surface's insulation: its stored row while that row
// holds the surface's name (a job saved before the table changed may hold a stale row), else the
// row found by name; nothing when the table lacks the name.
std::optional<int32_t> RowOfInsulation(const TSurface& surface, Table& insul) {
    const std::string name = TrimmedRight(GetText(surface.insulationName));
    if (GoToInsulationRow(insul, surface.insulationRow) &&
        TrimmedRight(ReadInsulationRecord(insul).name) == name)
        return int32_t{surface.insulationRow}; // a copy: the record is packed
    const int32_t recNo = FindInsulation(insul, name);
    const int row = recNo == 0 ? -1 : InsulationRowOf(insul, recNo);
    if (row < 0)
        return std::nullopt;
    return row;
}

} // namespace

TInsulTab::TInsulTab(const std::vector<InsulationListRow>& rows,
                     const SurfaceChoice (&choices)[SurfaceCount], QWidget* parent,
                     UnitSystem units)
    : KitDialog(parent), tabs_(new QTabWidget(this)),
      list_(new BrowseList(QStringLiteral("Insulation Types"),
                           {{QStringLiteral("Insulation"), 26},
                            {From1252(FactorColumnIn(units).title), FactorColumnIn(units).width}},
                           this)),
      allWalls_(new QPushButton(QStringLiteral("All &Walls"), this)) {
    setObjectName(QStringLiteral("TInsulTab"));
    setWindowTitle(QStringLiteral("Select Insulation"));
    std::vector<QStringList> listRows;
    for (const InsulationListRow& row : rows)
        listRows.push_back({From1252(row.name), From1252(InsulationFactorIn(row, units))});
    list_->setRows(listRows);
    list_->setMinimumHeight(260);

    for (int s = 0; s < SurfaceCount; ++s) {
        rows_[s] = choices[s].row;
        auto* page = new QWidget(tabs_);
        auto* grid = new QGridLayout(page);
        grid->setHorizontalSpacing(12);
        thickness_[s] = new RealField(QStringLiteral("[#][#][#][.][#][#]"), 0, 999.99, 2, page);
        thickness_[s]->setObjectName(QStringLiteral("thickness%1").arg(s));
        thickness_[s]->setValue(choices[s].thickness);
        adjacent_[s] = new IntField(QStringLiteral("[-][#][#][#]"), -999, 999, page);
        adjacent_[s]->setObjectName(QStringLiteral("adjacentTemp%1").arg(s));
        adjacent_[s]->setValue(choices[s].adjacentTemp);
        thickness_[s]->showIn(units, Quantity::Thickness);
        adjacent_[s]->showIn(units, Quantity::Temperature);
        const bool metric = units == UnitSystem::Metric;
        auto* inches =
            new QLabel(QLatin1String(metric ? MillimetreLabels[s] : InchLabels[s]), page);
        inches->setBuddy(thickness_[s]);
        auto* adjacent = new QLabel(
            LabelIn(units, {"Adjacent &Temperature", "Adjacent &Temperature (\u00B0C)"}), page);
        adjacent->setBuddy(adjacent_[s]);
        grid->addWidget(inches, 0, 0);
        grid->addWidget(thickness_[s], 0, 1);
        grid->addWidget(adjacent, 1, 0);
        grid->addWidget(adjacent_[s], 1, 1);
        grid->setColumnStretch(2, 1);
        tabs_->addTab(page, QLatin1String(TabLabels[s]));
    }
    // Room for all six tabs side by side, without scroll arrows.
    tabs_->setUsesScrollButtons(false);
    tabs_->setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 8);
    allWalls_->setObjectName(QStringLiteral("allWallsButton"));
    allWalls_->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(tabs_);
    side->addWidget(allWalls_, 0, Qt::AlignLeft);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));

    list_->onRowChosen([this](int row) {
        if (highlighting_)
            return;
        rows_[tabs_->currentIndex()] = row;
        picked_[tabs_->currentIndex()] = true;
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { tabChanged(tab); });
    connect(allWalls_, &QPushButton::clicked, this, [this] { allWalls(); });
    tabChanged(0);
}

void TInsulTab::tabChanged(int tab) {
    if (tab < 0 || tab >= SurfaceCount)
        return;
    for (int s = 0; s < SurfaceCount; ++s) {
        thickness_[s]->setEnabled(s == tab);
        adjacent_[s]->setEnabled(s == tab);
    }
    allWalls_->setVisible(tab == NorthWall);
    allWalls_->setEnabled(tab == NorthWall);
    // Highlighting the remembered row is not a choice (and a clamped row stays as it was).
    highlighting_ = true;
    list_->setCurrentRow(rows_[tab]);
    highlighting_ = false;
}

void TInsulTab::allWalls() {
    if (tabs_->currentIndex() != NorthWall)
        return;
    const int row = list_->currentRow();
    if (row >= 0)
        for (int s = NorthWall; s <= Roof; ++s) {
            rows_[s] = row;
            picked_[s] = true;
        }
    for (int s = SouthWall; s <= Roof; ++s) {
        thickness_[s]->setText(thickness_[NorthWall]->text());
        adjacent_[s]->setText(adjacent_[NorthWall]->text());
    }
}

SurfaceChoice TInsulTab::choice(int surface) const {
    return {rows_[surface], thickness_[surface]->jobValue(), adjacent_[surface]->intValue()};
}

void TInsulTab::confirm() {
    for (int s = 0; s < SurfaceCount; ++s) {
        if (!thickness_[s]->inRange() || !adjacent_[s]->inRange()) {
            tabs_->setCurrentIndex(s);
            CheckFieldRanges(this, {thickness_[s], adjacent_[s]});
            return;
        }
    }
    accept();
}

bool RunInsulationDialog(JobImage& image, Table& insul, QWidget* parent, UnitSystem units) {
    SurfaceChoice choices[SurfaceCount];
    bool inTable[SurfaceCount];
    for (int s = 0; s < SurfaceCount; ++s) {
        const TSurface& surface = image.surfaces[s];
        const std::optional<int32_t> row = RowOfInsulation(surface, insul);
        inTable[s] = row.has_value();
        const int32_t storedRow = surface.insulationRow;
        choices[s] = {row.value_or(storedRow), surface.thickness, surface.adjacentTemp};
    }
    TInsulTab dialog(InsulationListRows(insul), choices, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    for (int s = 0; s < SurfaceCount; ++s) {
        TSurface& surface = image.surfaces[s];
        const SurfaceChoice chosen = dialog.choice(s);
        // Rows found by name or chosen in the list are rows of the table. An insulation the
        // table lacks stays unless the user chose another one.
        if (inTable[s] || dialog.picked(s))
            SelectSurfaceInsulation(surface, insul, chosen.row);
        surface.thickness = chosen.thickness;
        surface.adjacentTemp = chosen.adjacentTemp;
    }
    return true;
}
