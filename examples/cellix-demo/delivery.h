#pragma once

#include "intldate.h"
#include "tgtime.h"

#include <QString>

#include <cstdint>

// One planned delivery of refrigeration equipment: what the demo's grid edits.
struct Delivery {
    QString item;
    int32_t quantity = 0;
    double price = 0;
    IntlDate date;
    TGTime time;
    bool confirmed = false;
    QString carrier;
};
