#include "calc/Numbers.h"

#include <cmath>
#include <limits>

int32_t TruncateToInt32(double value) {
    if (!std::isfinite(value))
        return 0;
    constexpr double maxInt = std::numeric_limits<int32_t>::max();
    constexpr double minInt = std::numeric_limits<int32_t>::min();
    if (value >= maxInt)
        return std::numeric_limits<int32_t>::max();
    if (value <= minInt)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t LoadFromDouble(double value) {
    // A product that overflowed the double range is still a load larger than any int32.
    if (value == std::numeric_limits<double>::infinity())
        return std::numeric_limits<int32_t>::max();
    return value >= 1.0 ? TruncateToInt32(value) : 0;
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}
