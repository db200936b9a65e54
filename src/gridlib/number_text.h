#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the number edits write and read them. Writing and reading never depend on the
// process locale: the decimal separator is always '.'.

// Decimals are held to 0..15.
int ClampDecimals(int decimals);

// "%d" of the value; with blankNull, 0 is the empty text.
std::string FormatWhole(int64_t value, bool blankNull);
// "%.*f" of the value; with blankNull, 0 is the empty text. A value that is not finite is 0.
std::string FormatDecimal(double value, int decimals, bool blankNull);

// Only the first 63 characters of a text are read as a number.
inline constexpr std::size_t maxNumberText = 63;

// An optional sign and decimal digits; the empty text is 0. Nothing when the text is not such a
// number. Values beyond the 64-bit range saturate.
std::optional<int64_t> ReadWhole(std::string_view text);
// An optional sign, digits and an optional '.' with more digits (at least one digit in all);
// the empty text is 0. Nothing when the text is not such a number or is too large to be finite.
std::optional<double> ReadDecimal(std::string_view text);

// Whether every character of the text is in the filter, which lists single characters and
// ranges such as "0-9" ("0-9+-" allows digits, '+' and '-').
bool PassesFilter(std::string_view text, std::string_view filter);

// The pattern with its first "%s" replaced by first and its second by second. Other '%'
// characters stay as they are.
std::string FillPlaceholders(std::string_view pattern, std::string_view first,
                             std::string_view second);
