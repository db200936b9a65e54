#include "text/Windows1252.h"

#include <cstdint>

namespace {

// 0x80 to 0x9F; the five unassigned codes keep their own value.
constexpr char16_t HighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes the character at `at`, moving past it; nullopt for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (at >= text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[at++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

char32_t CodePointOf1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> ByteOf1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    for (unsigned i = 0; i < 32; ++i)
        if (HighControlRange[i] == code)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (!NextCodePoint(text, at))
            return false;
    return true;
}

std::optional<std::string> Utf8To1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> code = NextCodePoint(text, at);
        const std::optional<unsigned char> byte = code ? ByteOf1252(*code) : std::nullopt;
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string Utf8From1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        AppendUtf8(out, CodePointOf1252(static_cast<unsigned char>(c)));
    return out;
}
