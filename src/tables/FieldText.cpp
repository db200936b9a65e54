#include "tables/FieldText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

double ParseFieldNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return 0.0;
    std::size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || !std::isfinite(value))
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
