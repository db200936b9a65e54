#pragma once
// Conversions of computed values into the int32 words of the job image. None of them is
// undefined for any input: NaN and infinities count as 0, large values saturate.

#include <cstdint>

// Truncates toward zero to int32, saturating at the int32 limits; NaN and infinities give 0.
int32_t TruncateToInt32(double value);

// The ending of every load computation: at least 1 truncates toward zero (+infinity saturates),
// anything else is 0.
int32_t LoadFromDouble(double value);

// int32 sum that saturates instead of wrapping.
int32_t SaturatingAdd(int32_t a, int32_t b);
