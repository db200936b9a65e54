#pragma once
// Fixed-width 8-bit text fields of the job image and the side files.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Copies text into a NUL-terminated field, cut to the field's width less one.
template <std::size_t N> void SetText(char (&field)[N], std::string_view text) {
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, N - n);
}

// Copies text blank-padded to exactly `width` characters (cut when longer), then NULs to the end.
template <std::size_t N>
void SetPadded(char (&field)[N], std::string_view text, std::size_t width = N - 1) {
    static_assert(N > 0);
    if (width > N)
        width = N;
    const std::size_t n = text.size() < width ? text.size() : width;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, ' ', width - n);
    std::memset(field + width, 0, N - width);
}

// The text of a field up to its first NUL; never reads past the field.
template <std::size_t N> std::string GetText(const char (&field)[N]) {
    const void* nul = std::memchr(field, 0, N);
    const std::size_t n = nul ? static_cast<const char*>(nul) - field : N;
    return std::string(field, n);
}

// A one-character field as it is shown: control characters (a NUL from a damaged file would end
// the printed text there) show as a blank.
inline char ShownChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f ? ' ' : c;
}
