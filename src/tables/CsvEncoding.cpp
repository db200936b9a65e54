#include "tables/CsvEncoding.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <iconv.h>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
// Enough of the start of a file to tell UTF-16 by its NUL bytes.
constexpr std::size_t SampleSize = 512;
constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

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

// UTF-16 to UTF-8 through iconv; a unit that is no character (a lone surrogate, an odd last
// byte) becomes U+FFFD, which no table text takes.
std::string Utf16ToUtf8(std::string_view bytes, Utf16Order order) {
    std::string out;
    const iconv_t convert =
        ::iconv_open("UTF-8", order == Utf16Order::LittleEndian ? "UTF-16LE" : "UTF-16BE");
    if (convert == reinterpret_cast<iconv_t>(-1))
        return out;
    out.resize(bytes.size() * 2 + 4); // at most three UTF-8 bytes for every two of UTF-16
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    while (inLeft > 0 &&
           ::iconv(convert, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) {
        const std::size_t skipped = std::min<std::size_t>(inLeft, 2);
        in += skipped;
        inLeft -= skipped;
        for (char c : Replacement) {
            *to++ = c;
            --toLeft;
        }
    }
    ::iconv_close(convert);
    out.resize(out.size() - toLeft);
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
