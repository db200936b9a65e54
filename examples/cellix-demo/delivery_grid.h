#pragma once

#include "delivery.h"
#include "tgrid.h"

#include <QStringList>

#include <vector>

class TGDateEdit;

// Column ids of the delivery grid.
enum DeliveryColumn : int {
    colItem = 101,
    colQuantity,
    colPrice,
    colDate,
    colTime,
    colConfirmed,
    colCarrier,
};

// A grid over a list of deliveries that grows when the user moves past its last line.
class DeliveryGrid : public TGrid {
public:
    DeliveryGrid(QWidget* parent, std::vector<Delivery>& deliveries);

    static const QStringList& Carriers();
    // Writes dates under the language's short date picture.
    void SetDatePicture(const QString& picture);

    QByteArray GetCellData(int line, int id) override;
    void PutCellData(int line, int id, const QByteArray& data) override;
    bool CanAppendLine(int line) override;
    bool InsertLine(int line) override;
    bool DeleteLine(int line) override;
    bool GetCellColors(int line, int id, QColor& text, QColor& background) override;

private:
    std::vector<Delivery>& deliveries;
    TGDateEdit* dateEdit;
};
