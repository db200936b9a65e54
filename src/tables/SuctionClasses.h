#pragma once
// The suction temperature classes of the unit and coil tables (EVAP) and the unit table's
// capacity columns: what a table may hold, shared by the table checks and the searches.

#include <array>
#include <cstdint>
#include <string>

// Every class, coldest first; there is no class 5.
inline constexpr std::array<int32_t, 24> SuctionClasses = {-50, -45, -40, -35, -30, -25, -20, -15,
                                                           -10, -5,  0,   10,  15,  20,  25,  30,
                                                           35,  40,  45,  50,  55,  60,  65,  70};

bool IsSuctionClass(double evap);

// The capacity column's field and tag name for field number 2 to 12: "BTUA" to "BTUK".
std::string CapacityColumnName(int32_t column);
