#pragma once
// "Unit Product Codes": the reference card of the condensing unit model codes above "&OK".

#include "dialogs/KitDialog.h"

class unitCodesDialog : public KitDialog {
public:
    explicit unitCodesDialog(QWidget* parent = nullptr);
};

// Runs the card; true when it was closed with "&OK".
bool RunUnitCodesDialog(QWidget* parent);
