#pragma once

#include <cstdint>

// a * b / c without intermediate overflow, rounded to the nearest integer with halves away
// from zero. A result outside 32 bits saturates; a zero divisor gives -1, as the platform's
// own MulDiv does.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);
