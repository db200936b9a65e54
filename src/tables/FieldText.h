#pragma once
// Field values as the table file stores them: fixed-width text, numbers right-aligned.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number in a numeric field's text; blanks, text that is no number, NaN and infinities
// read as 0.
double ParseFieldNumber(std::string_view text);

// Truncates toward zero to int32, saturating at the int32 limits; NaN gives 0.
int32_t FieldNumberToInt32(double value);

// `value` right-aligned in `width` characters with `decimals` decimals, or nothing when it
// does not fit or is not a finite number.
std::optional<std::string> FormatFieldNumber(double value, int width, int decimals);

// Text cut at its first NUL and at `width`, then blank-padded to `width`.
std::string FitFieldText(std::string_view text, int width);
