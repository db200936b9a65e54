#include "tables/FieldText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

double ParseFieldNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    // Whole numbers, the common case, without the general conversion.
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!digits.empty() && digits.size() <= 15) {
        int64_t whole = 0;
        bool allDigits = true;
        for (char c : digits) {
            allDigits = allDigits && c >= '0' && c <= '9';
            whole = whole * 10 + (c - '0');
        }
        if (allDigits)
            return static_cast<double>(negative ? -whole : whole);
    }
    if (text.empty())
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return 0.0;
    return value;
}

int32_t FieldNumberToInt32(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::optional<std::string> FormatFieldNumber(double value, int width, int decimals) {
    if (!std::isfinite(value) || width <= 0)
        return std::nullopt;
    char text[400];
    const int length = std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    if (length <= 0 || length > width)
        return std::nullopt;
    return std::string(text, static_cast<std::size_t>(length));
}

std::string FitFieldText(std::string_view text, int width) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (text.size() > static_cast<std::size_t>(width))
        text = text.substr(0, static_cast<std::size_t>(width));
    std::string fitted(text);
    fitted.resize(static_cast<std::size_t>(width), ' ');
    return fitted;
}
