#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

int ClampDecimals(int decimals) {
    return decimals < 0 ? 0 : (decimals > 15 ? 15 : decimals);
}

std::string FormatWhole(int64_t value, bool blankNull) {
    if (blankNull && value == 0)
        return {};
    return std::to_string(value);
}

std::string FormatDecimal(double value, int decimals, bool blankNull) {
    if (!std::isfinite(value))
        value = 0;
    if (blankNull && value == 0)
        return {};
    char buffer[400]; // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, ClampDecimals(decimals));
    if (result.ec != std::errc())
        return {};
    return std::string(buffer, result.ptr);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Splits off a leading sign; true for a minus.
bool TakeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

} // namespace

std::optional<int64_t> ReadWhole(std::string_view text) {
    text = text.substr(0, maxNumberText);
    if (text.empty())
        return 0;
    const bool negative = TakeSign(text);
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        const int digit = c - '0';
        if (negative) {
            if (value < (std::numeric_limits<int64_t>::min() + digit) / 10)
                value = std::numeric_limits<int64_t>::min();
            else
                value = value * 10 - digit;
        } else {
            if (value > (std::numeric_limits<int64_t>::max() - digit) / 10)
                value = std::numeric_limits<int64_t>::max();
            else
                value = value * 10 + digit;
        }
    }
    return value;
}

std::optional<double> ReadDecimal(std::string_view text) {
    text = text.substr(0, maxNumberText);
    if (text.empty())
        return 0.0;
    const bool negative = TakeSign(text);
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

bool PassesFilter(std::string_view text, std::string_view filter) {
    for (char c : text) {
        bool allowed = false;
        for (std::size_t i = 0; i < filter.size() && !allowed; ++i) {
            if (i + 2 < filter.size() && filter[i + 1] == '-') {
                allowed = c >= filter[i] && c <= filter[i + 2];
                i += 2;
            } else {
                allowed = c == filter[i];
            }
        }
        if (!allowed)
            return false;
    }
    return true;
}

std::string FillPlaceholders(std::string_view pattern, std::string_view first,
                             std::string_view second) {
    std::string out;
    int filled = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (filled < 2 && pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            out += filled == 0 ? first : second;
            ++filled;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
