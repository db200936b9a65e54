#include "tables/CsvEncoding.h"

#include "tables/Windows1252Text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
// Enough of the start of a file to tell UTF-16 by its NUL bytes.
constexpr std::size_t SampleSize = 512;
constexpr char32_t Replacement = 0xFFFD;

enum class Utf16Order { None, LittleEndian, BigEndian };

// Text without a byte order mark is UTF-16 when the high byte of nearly every character at its
// start is NUL, as it is for the names of a header line, and no low byte is.
Utf16Order GuessUtf16(std::string_view bytes) {
    const std::size_t size = std::min(bytes.size(), SampleSize) & ~std::size_t{1};
    if (size < 4)
        return Utf16Order::None;
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t i = 0; i < size; i += 2) {
        evenNuls += bytes[i] == '\0';
        oddNuls += bytes[i + 1] == '\0';
    }
    const std::size_t characters = size / 2;
    if (evenNuls == 0 && oddNuls * 10 >= characters * 9)
        return Utf16Order::LittleEndian;
    if (oddNuls == 0 && evenNuls * 10 >= characters * 9)
        return Utf16Order::BigEndian;
    return Utf16Order::None;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 to UTF-8; a lone surrogate or an odd last byte becomes U+FFFD, which no table text
// takes.
std::string Utf16ToUtf8(std::string_view bytes, Utf16Order order) {
    const auto unit = [&bytes, order](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(order == Utf16Order::LittleEndian ? first | second << 8
                                                                       : first << 8 | second);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char16_t high = unit(at);
        if (high >= 0xD800 && high <= 0xDBFF && at + 3 < bytes.size()) {
            const char16_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t{high} - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, high >= 0xD800 && high <= 0xDFFF ? Replacement : char32_t{high});
    }
    if (at < bytes.size())
        AppendUtf8(out, Replacement);
    return out;
}

// The length of the UTF-8 sequence a lead byte starts, or 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

} // namespace

CsvCharset DecodeCsvBytes(std::string& bytes) {
    Utf16Order order = GuessUtf16(bytes);
    std::size_t mark = 0;
    const bool markedUtf8 = bytes.starts_with(Utf8Mark);
    if (markedUtf8) {
        bytes.erase(0, Utf8Mark.size());
        order = Utf16Order::None;
    } else if (bytes.starts_with(Utf16LeMark)) {
        order = Utf16Order::LittleEndian;
        mark = Utf16LeMark.size();
    } else if (bytes.starts_with(Utf16BeMark)) {
        order = Utf16Order::BigEndian;
        mark = Utf16BeMark.size();
    }
    if (order != Utf16Order::None) {
        std::string text = Utf16ToUtf8(std::string_view(bytes).substr(mark), order);
        bytes.swap(text);
    }
    if (IsUtf8(bytes))
        return CsvCharset::Utf8;
    return markedUtf8 || HoldsUtf8Sequences(bytes) ? CsvCharset::MixedUtf8
                                                   : CsvCharset::Windows1252;
}

bool HoldsUtf8Sequences(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (length != 0 && IsUtf8(text.substr(at, length)))
            return true;
    }
    return false;
}
