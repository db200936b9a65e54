#include "dialogs/ProductDialog.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"
#include "tables/FieldRules.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const QString Long8 = QStringLiteral("[#][#][#][#][#][#][#][#]");

template <typename Field> Field* Named(Field* field, const char* name) {
    field->setObjectName(QLatin1String(name));
    return field;
}

QLabel* AddRow(QGridLayout* grid, int row, const QString& label, QWidget* field) {
    auto* text = new QLabel(label);
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
    return text;
}

constexpr int32_t MostQuantity = 90000000;

} // namespace

TProductPageView::TProductPageView(Table& product, const std::vector<ProductListRow>& rows,
                                   const TProductPage& page, bool withEstimate, QWidget* parent,
                                   UnitSystem units)
    : QWidget(parent), product_(product), rows_(rows), opened_(page),
      list_(
          new BrowseList(QStringLiteral("Product &List"), {{QStringLiteral("Product"), 32}}, this)),
      units_(units) {
    // The product table's freezing points and suggested respiration heats lie in the ranges of
    // these fields (FieldRules).
    enteringTemp_ = Named(new IntField(QStringLiteral("[-][#][#][#]"),
                                       static_cast<int32_t>(ProductTemperatureRange.low),
                                       static_cast<int32_t>(ProductTemperatureRange.high), this),
                          "enteringTemp");
    quantity_ = Named(new IntField(Long8, 0, 90000000, this), "quantity");
    pulldown_ = Named(new IntField(QStringLiteral("[-][#][#][#]"), 1, 96, this), "pulldownHours");
    respFactor_ =
        Named(new RealField(QStringLiteral("[#][#][#][.][#][#]"), RespirationFactorRange.low,
                            RespirationFactorRange.high, 2, this),
              "respFactor");
    respWeight_ = Named(new IntField(Long8, 0, 90000000, this), "respWeight");
    listIndex_ =
        Named(new IntField(QStringLiteral("[#][#][#][#][#]"), 0, 32000, this), "listIndex");
    recordNo_ = Named(new IntField(Long8, 1, 90000000, this), "recordNo");
    listIndex_->setVisible(false);
    recordNo_->setVisible(false);

    enteringTemp_->setValue(page.enteringTemp);
    quantity_->setValue(page.quantity);
    pulldown_->setValue(page.pulldownHours);
    respFactor_->setValue(page.respFactor);
    respWeight_->setValue(page.respWeight);
    listIndex_->setValue(page.listIndex);
    recordNo_->setValue(page.recordNo);
    enteringTemp_->showIn(units, Quantity::Temperature);
    respFactor_->showIn(units, Quantity::Respiration);
    respWeight_->showIn(units, Quantity::Mass);

    std::vector<QStringList> listRows;
    listRows.reserve(rows_.size());
    for (const ProductListRow& row : rows_)
        listRows.push_back({From1252(row.name)});
    list_->setRows(listRows);
    list_->setMinimumHeight(220);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, LabelIn(units, {"Entering &Temp/f", "Entering &Temp/\u00B0C"}),
           enteringTemp_);
    quantityLabel_ = AddRow(fields, 1, QStringLiteral("&Quan Product/lb"), quantity_);
    AddRow(fields, 2, QStringLiteral("&Pulldown Hours"), pulldown_);
    AddRow(fields, 3, LabelIn(units, {"Resp &Factor", "Resp &Factor mW/kg"}), respFactor_);
    AddRow(fields, 4, LabelIn(units, {"&Resp/Load/lb", "&Resp/Load/kg"}), respWeight_);
    if (withEstimate) {
        estimate_ = Named(new QPushButton(LabelIn(units, {"&Estimate Lbs", "&Estimate kg"}), this),
                          "estimateButton");
        estimate_->setAutoDefault(false);
        fields->addWidget(estimate_, 1, 2);
        connect(estimate_, &QPushButton::clicked, this, [this] { estimate(); });
    } else {
        // The button's room stays empty, so the list and the fields stand where they do on the
        // first page.
        auto* room = new QWidget(this);
        room->setFixedSize(QPushButton(QStringLiteral("&Estimate Lbs")).sizeHint());
        fields->addWidget(room, 1, 2);
    }
    fields->setRowStretch(5, 1);

    auto* info = new QVBoxLayout;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < 5; ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setObjectName(QStringLiteral("information%1").arg(i));
        lines_[i]->setFont(fixed);
        lines_[i]->setTextFormat(Qt::PlainText);
        info->addWidget(lines_[i]);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(fields);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(info);
    layout->addWidget(listIndex_);
    layout->addWidget(recordNo_);

    list_->onRowChosen([this](int row) { chooseRow(row); });
    list_->setCurrentRow(page.listIndex);
    loading_ = false;
    showInformation();
    if (inKilograms_)
        quantity_->setValue(ToSi(Quantity::Mass, page.quantity));
    shownText_ = quantity_->text();
    shownPounds_ = page.quantity;
    shownInKilograms_ = inKilograms_;
}

void TProductPageView::showQuantityUnit(bool countsPackages) {
    if (units_ != UnitSystem::Metric)
        return;
    const bool kilograms = !countsPackages;
    if (kilograms != inKilograms_ || quantityLabel_->text().endsWith(QStringLiteral("/lb"))) {
        // The typed figure stays; it now counts in the unit the label names.
        inKilograms_ = kilograms;
        quantityLabel_->setText(kilograms ? QStringLiteral("&Quan Product/kg")
                                          : QStringLiteral("&Quan Product/pkg"));
        const int decimals = kilograms ? SiEntryDecimals(Quantity::Mass, 0) : 0;
        const SiRange range = ToSiRange(Quantity::Mass, 0, MostQuantity, decimals);
        quantity_->setRangeAndDecimals(0, kilograms ? range.high : MostQuantity, decimals);
    }
}

int32_t TProductPageView::quantityValue() const {
    if (units_ != UnitSystem::Metric || !inKilograms_)
        return quantity_->intValue();
    if (quantity_->text() == shownText_ && shownInKilograms_)
        return shownPounds_;
    return std::clamp(NearestWholeImperial(Quantity::Mass, quantity_->value()), 0, MostQuantity);
}

void TProductPageView::chooseRow(int row) {
    if (loading_ || row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return;
    listIndex_->setText(QString::number(row));
    recordNo_->setText(QString::number(rows_[static_cast<std::size_t>(row)].recordNo));
    showInformation();
}

void TProductPageView::showInformation() {
    const ProductInformation info = ReadProductInformation(product_, recordNo_->intValue(), units_);
    showQuantityUnit(info.countsPackages);
    lines_[0]->setText(From1252(info.packageType));
    lines_[1]->setText(From1252(info.packageSize));
    lines_[2]->setText(From1252(info.suggested));
    lines_[3]->setText(From1252(info.factors));
    lines_[4]->setText(From1252(info.respiration));
    if (!info.respirationEnabled) {
        respFactor_->setText(QStringLiteral("0"));
        respWeight_->setText(QStringLiteral("0"));
    }
    respFactor_->setEnabled(info.respirationEnabled);
    respWeight_->setEnabled(info.respirationEnabled);
}

void TProductPageView::estimate() {
    // The estimate is in pounds (or packages), as the job keeps the quantity.
    const std::string shown = units_ == UnitSystem::Metric ? std::to_string(quantityValue())
                                                           : quantity_->text().toStdString();
    const EstimateOutcome outcome =
        EstimateLbs(product_, recordNo_->intValue(), shown, productCapacity);
    if (inKilograms_ && !outcome.quantityText.empty()) {
        const double pounds = std::strtod(outcome.quantityText.c_str(), nullptr);
        quantity_->setValue(ToSi(Quantity::Mass, pounds));
        shownText_ = quantity_->text();
        shownPounds_ = static_cast<int32_t>(pounds);
        shownInKilograms_ = true;
    } else {
        quantity_->setText(QString::fromStdString(outcome.quantityText));
    }
    if (onEstimate)
        onEstimate(outcome.estimateMark);
}

QStringList TProductPageView::informationLines() const {
    QStringList texts;
    for (const QLabel* line : lines_)
        texts << line->text();
    return texts;
}

TProductPage TProductPageView::page() const {
    TProductPage p = opened_;
    p.enteringTemp = enteringTemp_->intValue();
    p.quantity = quantityValue();
    p.pulldownHours = pulldown_->intValue();
    // A stored factor with more decimals than shown stays as it was while its text is unchanged.
    p.respFactor = respFactor_->valueReplacing(opened_.respFactor);
    p.respWeight = respWeight_->intValue();
    p.listIndex = listIndex_->intValue();
    p.recordNo = recordNo_->intValue();
    return p;
}

std::vector<NumberField*> TProductPageView::checkedFields() const {
    return {enteringTemp_, quantity_, pulldown_, respFactor_, respWeight_, listIndex_, recordNo_};
}

TProductDialog::TProductDialog(Table& product, const TProductPage (&pages)[ProductSlotCount],
                               char estimateMark, int32_t productCapacity, QWidget* parent,
                               UnitSystem units)
    : KitDialog(parent), tabs_(new QTabWidget(this)), mark_(estimateMark) {
    setObjectName(QStringLiteral("TProductDialog"));
    setWindowTitle(QStringLiteral("Product Selection"));
    const std::vector<ProductListRow> rows = ProductListRows(product);
    const char* const tabTexts[ProductSlotCount] = {"&1st \n Product", "&2nd \n Product",
                                                    "&3rd \n Product", "&4th \n Product",
                                                    "&5th \n Product"};
    for (int p = 0; p < ProductSlotCount; ++p) {
        pages_[p] = new TProductPageView(product, rows, pages[p], p == 0, tabs_, units);
        pages_[p]->setObjectName(QStringLiteral("page%1").arg(p + 1));
        pages_[p]->productCapacity = productCapacity;
        tabs_->addTab(pages_[p], QLatin1String(tabTexts[p]));
    }
    pages_[0]->onEstimate = [this](char mark) { mark_ = mark; };
    setDialogHelpContext(QStringLiteral("1110"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), true));
}

void TProductDialog::confirm() {
    for (int p = 0; p < ProductSlotCount; ++p) {
        for (NumberField* field : pages_[p]->checkedFields()) {
            if (field->inRange())
                continue;
            tabs_->setCurrentIndex(p);
            CheckFieldRanges(this, {field});
            return;
        }
    }
    accept();
}

bool RunProductDialog(Job& job, Table& product, QWidget* parent, UnitSystem units) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const char mark = job.image.products[0].estimateMark;
    TProductPage pages[ProductSlotCount];
    for (int p = 0; p < ProductSlotCount; ++p) {
        LocateProductSlot(product, job.image.products[p]);
        pages[p] = PageOfSlot(job.image.products[p]);
    }
    TProductDialog dialog(product, pages, mark, job.run.storageWeight, parent, units);
    QApplication::restoreOverrideCursor();
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    job.image.products[0].estimateMark = dialog.estimateMark();
    job.run.productMarker = dialog.estimateMark();
    for (int p = 0; p < ProductSlotCount; ++p)
        CommitProductPage(product, job.image.products[p], dialog.pageView(p)->page());
    return true;
}
