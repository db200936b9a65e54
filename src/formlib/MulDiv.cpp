#include "formlib/MulDiv.h"

#include "formlib/Saturate.h"

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    // |a * b| < 2^62 and |c| <= 2^31, so neither the product nor the rounding overflows.
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::uint64_t magnitude =
        product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisorMagnitude =
        divisor < 0 ? static_cast<std::uint64_t>(-divisor) : static_cast<std::uint64_t>(divisor);
    const std::uint64_t rounded = (magnitude + divisorMagnitude / 2) / divisorMagnitude;
    const std::int64_t result =
        negative ? -static_cast<std::int64_t>(rounded) : static_cast<std::int64_t>(rounded);
    return SaturateToInt32(result);
}
