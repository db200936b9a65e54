// The Windows-1252 table and its UTF-8 conversions.

#include "text/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252, BytesStandForTheirCharacters) {
    struct Case {
        unsigned char byte;
        char32_t code;
        const char* utf8;
    };
    const Case cases[] = {
        {0x41, U'A', "A"},
        {0x80, U'\u20AC', "\xE2\x82\xAC"}, // euro sign
        {0x8A, U'\u0160', "\xC5\xA0"},     // S with caron
        {0x93, U'\u201C', "\xE2\x80\x9C"}, // left double quotation mark
        {0x99, U'\u2122', "\xE2\x84\xA2"}, // trade mark sign
        {0x9F, U'\u0178', "\xC5\xB8"},     // Y with diaeresis
        {0x81, U'\u0081', "\xC2\x81"},     // unassigned: kept as the control character
        {0x9D, U'\u009D', "\xC2\x9D"},
        {0xA0, U'\u00A0', "\xC2\xA0"},
        {0xB0, U'\u00B0', "\xC2\xB0"}, // degree sign
        {0xED, U'\u00ED', "\xC3\xAD"},
        {0xFF, U'\u00FF', "\xC3\xBF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodePointOf1252(c.byte), c.code) << int{c.byte};
        EXPECT_EQ(ByteOf1252(c.code), c.byte) << int{c.byte};
        EXPECT_EQ(Utf8From1252(std::string(1, static_cast<char>(c.byte))), c.utf8) << int{c.byte};
    }
    EXPECT_EQ(Utf8From1252("Fr\xEDo \x80"
                           "5"),
              "Fr\xC3\xADo \xE2\x82\xAC"
              "5");
}

TEST(Windows1252, EveryByteComesBackFromUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        EXPECT_EQ(ByteOf1252(CodePointOf1252(static_cast<unsigned char>(byte))), byte) << byte;
    }
    const std::string utf8 = Utf8From1252(all);
    EXPECT_TRUE(IsUtf8(utf8));
    EXPECT_EQ(Utf8To1252(utf8), all);
}

TEST(Windows1252, CharactersItLacksHaveNoByte) {
    for (const char32_t code :
         {U'\u0100', U'\u03A9', U'\u20AD', U'\u65E5', U'\U0001F600', char32_t{0x110000}})
        EXPECT_EQ(ByteOf1252(code), std::nullopt) << static_cast<unsigned>(code);
    EXPECT_EQ(Utf8To1252("\xCE\xA9-board"), std::nullopt); // Greek Omega
    EXPECT_EQ(Utf8To1252("gr\xC3\xBCn \xE2\x80\x93 1"), std::string("gr\xFCn \x96 1"));
}

TEST(Windows1252, MalformedUtf8IsNotUtf8) {
    for (const char* bad : {
             "\x80",             // a continuation byte alone
             "\xC3",             // cut short
             "\xE2\x82",         // cut short
             "\xC0\xAF",         // overlong
             "\xE0\x80\xAF",     // overlong
             "\xED\xA0\x80",     // a surrogate
             "\xF4\x90\x80\x80", // past U+10FFFF
             "\xF8\x88\x80\x80", // no such lead byte
             "caf\xE9",          // Windows-1252, not UTF-8
         }) {
        EXPECT_FALSE(IsUtf8(bad)) << bad;
        EXPECT_EQ(Utf8To1252(bad), std::nullopt) << bad;
    }
    EXPECT_TRUE(IsUtf8(""));
    EXPECT_TRUE(IsUtf8("plain \xF0\x9F\x98\x80"));
}

} // namespace
