#pragma once
// Texts made with printf formats, used exactly as written, and numbers read back from them.

#include <cstdio>
#include <string>
#include <vector>

// snprintf into a string of whatever length the values need.
template <typename... Values> std::string Format(const char* format, Values... values) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    char small[160];
    const int n = std::snprintf(small, sizeof small, format, values...);
    if (n < 0)
        return {};
    if (static_cast<std::size_t>(n) < sizeof small)
        return std::string(small, static_cast<std::size_t>(n));
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::snprintf(big.data(), big.size(), format, values...);
#pragma GCC diagnostic pop
    return std::string(big.data(), static_cast<std::size_t>(n));
}

// The number a value shows as under a format such as "%6.2f", read back.
double RoundedAsPrinted(const char* format, double value);
