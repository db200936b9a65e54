#include "dialogs/Text1252.h"

#include <array>

namespace {

// 0x80 to 0x9F; 0 marks the five unassigned codes.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString From1252(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0)
            result.append(QChar(HighControls[byte - 0x80]));
        else
            result.append(QChar(byte));
    }
    return result;
}

std::string To1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        char out = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            out = static_cast<char>(code);
        } else {
            for (std::size_t i = 0; i < HighControls.size(); ++i) {
                if (HighControls[i] != 0 && HighControls[i] == code)
                    out = static_cast<char>(0x80 + i);
            }
        }
        result.push_back(out);
    }
    return result;
}
