#pragma once
// Suction temperature classes and capacity columns of the condensing unit table.

#include "tables/SuctionClasses.h"

#include <cstdint>
#include <optional>

// The suction class for box temperature minus TD; none outside -50 to 70 F.
std::optional<int32_t> SuctionClass(int32_t boxTemp, int32_t designTD);

// Field number (2 to 12) of the capacity column for a design ambient of 80 to 130 F in steps
// of 5; none for any other ambient.
std::optional<int32_t> CapacityColumn(int32_t designAmbient);
