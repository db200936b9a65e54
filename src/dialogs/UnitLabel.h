#pragma once
// A label whose text names a unit: one text for imperial units, one for SI (both UTF-8).

#include "calc/UnitConversion.h"

#include <QString>

struct UnitLabel {
    const char* imperial;
    const char* metric;
};

inline QString LabelIn(UnitSystem units, const UnitLabel& label) {
    return QString::fromUtf8(units == UnitSystem::Metric ? label.metric : label.imperial);
}
