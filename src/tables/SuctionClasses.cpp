#include "tables/SuctionClasses.h"

#include <algorithm>

bool IsSuctionClass(double evap) {
    return std::any_of(SuctionClasses.begin(), SuctionClasses.end(),
                       [evap](int32_t suction) { return evap == suction; });
}

std::string CapacityColumnName(int32_t column) {
    return std::string("BTU") + static_cast<char>('A' + (column - 2));
}
