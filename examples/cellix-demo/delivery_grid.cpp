#include "delivery_grid.h"

#include "tgdateedit.h"
#include "tgnumedit.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

// Lines past this many are not added.
constexpr int maxDeliveries = 10000;

} // namespace

DeliveryGrid::DeliveryGrid(QWidget* parent, std::vector<Delivery>& deliveries)
    : TGrid(parent, 1), deliveries(deliveries) {
    Init(0, ekNextColumn, tkNextColumn, lmArrow,
         gsVertScroll | gsHorzScroll | gsTitleBar | gsRowHeader | gsMoveLines | gsMultiSelect,
         glTable);

    auto* item = new TGEdit(nullptr, colItem, {}, 40);
    item->resize(190, 22);
    auto* quantity = new TGLongEdit(nullptr, colQuantity, 1, 5, 1, 999);
    quantity->resize(50, 22);
    auto* price = new TGDoubleEdit(nullptr, colPrice, 0, 10, 2, 0, 99999.99);
    price->resize(90, 22);
    dateEdit = new TGDateEdit(nullptr, colDate, "MM/dd/yy");
    dateEdit->resize(90, 22);
    auto* time = new TGTimeEdit(nullptr, colTime, "HH:MM");
    time->resize(60, 22);
    auto* confirmed = new QCheckBox;
    confirmed->setProperty(controlIdProperty, static_cast<int>(colConfirmed));
    confirmed->resize(70, 22);
    auto* carrier = new QComboBox;
    carrier->setProperty(controlIdProperty, static_cast<int>(colCarrier));
    carrier->addItems(Carriers());
    carrier->resize(110, 22);

    Add(item, "Item");
    Add(quantity, "Qty", alRight);
    Add(price, "Price", alRight);
    Add(dateEdit, "Delivery", alCenter);
    Add(time, "Time", alCenter);
    Add(confirmed, "Confirmed", alCenter);
    Add(carrier, "Carrier");
    SetNLines(static_cast<int>(deliveries.size()));
}

const QStringList& DeliveryGrid::Carriers() {
    static const QStringList carriers{"Own truck", "Freight line", "Courier", "Pick-up"};
    return carriers;
}

void DeliveryGrid::SetDatePicture(const QString& picture) {
    dateEdit->SetFilter({}, {}, picture);
    Refresh();
    RefreshItem(CurrentLine(), colDate);
}

QByteArray DeliveryGrid::GetCellData(int line, int id) {
    if (line < 0 || line >= static_cast<int>(deliveries.size()))
        return {};
    const Delivery& d = deliveries[line];
    switch (id) {
    case colItem:
        return d.item.toUtf8();
    case colQuantity:
        return TGLongEdit::ToData(d.quantity);
    case colPrice:
        return TGDoubleEdit::ToData(d.price);
    case colDate:
        return TGDateEdit::ToData(d.date);
    case colTime:
        return TGTimeEdit::ToData(d.time);
    case colConfirmed:
        return CheckBoxData(d.confirmed ? 1 : 0);
    case colCarrier:
        return d.carrier.toUtf8();
    default:
        return {};
    }
}

void DeliveryGrid::PutCellData(int line, int id, const QByteArray& data) {
    if (line < 0 || line >= static_cast<int>(deliveries.size()))
        return;
    Delivery& d = deliveries[line];
    switch (id) {
    case colItem:
        d.item = QString::fromUtf8(data);
        break;
    case colQuantity:
        d.quantity = TGLongEdit::FromData(data);
        break;
    case colPrice:
        d.price = TGDoubleEdit::FromData(data);
        break;
    case colDate:
        d.date = TGDateEdit::FromData(data);
        break;
    case colTime:
        d.time = TGTimeEdit::FromData(data);
        break;
    case colConfirmed:
        d.confirmed = CheckBoxState(data) == 1;
        break;
    case colCarrier:
        d.carrier = QString::fromUtf8(data);
        break;
    default:
        break;
    }
}

bool DeliveryGrid::CanAppendLine(int line) {
    if (line >= maxDeliveries)
        return false;
    deliveries.resize(static_cast<std::size_t>(line) + 1);
    return true;
}

bool DeliveryGrid::InsertLine(int line) {
    if (NLines() >= maxDeliveries)
        return false;
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(line), deliveries.size());
    deliveries.insert(deliveries.begin() + static_cast<std::ptrdiff_t>(at), Delivery{});
    SetNLines(static_cast<int>(deliveries.size()));
    return true;
}

bool DeliveryGrid::DeleteLine(int line) {
    if (line < 0 || line >= static_cast<int>(deliveries.size()))
        return false;
    deliveries.erase(deliveries.begin() + line);
    SetNLines(static_cast<int>(deliveries.size()));
    return true;
}

bool DeliveryGrid::GetCellColors(int line, int id, QColor& text, QColor&) {
    // Unconfirmed deliveries show their date in the palette's link colour.
    if (id != colDate || line >= static_cast<int>(deliveries.size()) || deliveries[line].confirmed)
        return false;
    text = palette().color(QPalette::Link);
    return true;
}
