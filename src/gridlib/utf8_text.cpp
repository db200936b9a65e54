#include "utf8_text.h"

namespace {

constexpr char32_t invalidChar = 0xFFFFFFFF;

struct Decoded {
    char32_t code; // invalidChar for a byte that does not start a valid sequence
    std::size_t length;
};

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

Decoded DecodeAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return {invalidChar, 0};
    const unsigned char lead = ByteAt(text, pos);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {invalidChar, 1};
    }
    if (text.size() - pos < length)
        return {invalidChar, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = ByteAt(text, pos + i);
        if ((next & 0xC0) != 0x80)
            return {invalidChar, 1};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {invalidChar, 1};
    return {code, length};
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

// Simple (one-to-one) upper-case mapping of the Latin letters.
char32_t UpperOf(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c < 0xE0)
        return c;
    if (c <= 0xFE)
        return c == 0xF7 ? c : c - 0x20; // à..þ, except the division sign
    if (c == 0xFF)
        return 0x178; // ÿ
    if (c == 0x131)
        return 'I'; // dotless i
    if (c == 0x17F)
        return 'S'; // long s
    const bool inEvenUpperRange =
        (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (inEvenUpperRange)
        return (c % 2 == 1) ? c - 1 : c;
    const bool inOddUpperRange = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (inOddUpperRange)
        return (c % 2 == 0) ? c - 1 : c;
    return c;
}

void AppendUpper(std::string& out, std::string_view text, std::size_t pos, const Decoded& d) {
    if (d.code == invalidChar)
        out += text[pos];
    else
        AppendUtf8(out, UpperOf(d.code));
}

} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    return DecodeAt(text, pos).length;
}

bool Utf8IsLetterAt(std::string_view text, std::size_t pos) {
    const Decoded d = DecodeAt(text, pos);
    if (d.length == 0 || d.code == invalidChar)
        return false;
    if (d.code < 0x80)
        return (d.code >= 'a' && d.code <= 'z') || (d.code >= 'A' && d.code <= 'Z');
    // Latin-1 punctuation and symbols are not letters; the multiplication and division signs
    // sit among the letters.
    return d.code >= 0xC0 && d.code != 0xD7 && d.code != 0xF7;
}

std::string Utf8Upper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded d = DecodeAt(text, pos);
        AppendUpper(out, text, pos, d);
        pos += d.length;
    }
    return out;
}

std::string Utf8UpperFirst(std::string_view text) {
    if (text.empty())
        return {};
    std::string out;
    out.reserve(text.size());
    const Decoded d = DecodeAt(text, 0);
    AppendUpper(out, text, 0, d);
    out.append(text.substr(d.length));
    return out;
}

bool Utf8EqualNoCase(std::string_view a, std::string_view b) {
    std::size_t pa = 0;
    std::size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const Decoded da = DecodeAt(a, pa);
        const Decoded db = DecodeAt(b, pb);
        if (da.code == invalidChar || db.code == invalidChar) {
            if (da.code != db.code || a[pa] != b[pb])
                return false;
        } else if (UpperOf(da.code) != UpperOf(db.code)) {
            return false;
        }
        pa += da.length;
        pb += db.length;
    }
    return pa == a.size() && pb == b.size();
}

std::string_view Utf8Truncate(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + Utf8CharLength(text, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return text.substr(0, end);
}
