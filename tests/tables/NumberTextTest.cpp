// Numbers written into a table: the one plain form, what spreadsheets save, and the stored text.

#include "tables/NumberText.h"
#include "tables/FieldText.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

std::optional<std::string> Plain(const std::optional<NumberText>& number) {
    return number ? std::optional<std::string>(number->plain()) : std::nullopt;
}

struct Reading {
    const char* text;
    std::optional<std::string> plain; // nothing: refused
};

TEST(NumberText, ThePlainFormIsTheOnlyOneTheOptionsTake) {
    const Reading cases[] = {
        {"0", "0"},  {"-12", "-12"}, {"0.5", "0.5"}, {".5", "0.5"}, {"007.50", "7.5"},
        {"-0", "0"}, {"-0.00", "0"}, {"120", "120"}, {"", {}},      {"-", {}},
        {".", {}},   {"5.", {}},     {"+5", {}},     {"1e3", {}},   {"1.3e3", {}},
        {" 5", {}},  {"5 ", {}},     {"1,000", {}},  {"0x10", {}},  {"1.2.3", {}},
        {"--1", {}}, {"nan", {}},    {"inf", {}},    {"$5", {}},
    };
    for (const Reading& c : cases)
        EXPECT_EQ(Plain(ReadPlainNumber(c.text)), c.plain) << '"' << c.text << '"';
}

TEST(NumberText, SpreadsheetFormsAreReadWithTheirDecimalMark) {
    const Reading point[] = {
        {"12,400", "12400"},
        {"\"x\"", {}},
        {"$1,234", "1234"},
        {"-$1,234.50", "-1234.5"},
        {"$-5", "-5"},
        {" 7 ", "7"},
        {"1,234,567", "1234567"},
        {"\xE2\x82\xAC 12", "12"}, // € in UTF-8
        {"12 \x80", "12"},         // € in Windows-1252
        {"\xC2\xA3"
         "3.5",
         "3.5"}, // £
        {"1,23", {}},
        {"12,4000", {}},
        {",123", {}},
        {"1,,234", {}},
        {"1,234.5.6", {}},
        {"$", {}},
        {"$5$", {}},
        {"1.3e3", {}},
        {"+5", {}},
        {"1 234", {}},
        {"12abc", {}},
    };
    for (const Reading& c : point)
        EXPECT_EQ(Plain(ReadSpreadsheetNumber(c.text, DecimalMark::Point)), c.plain) << c.text;
    const Reading comma[] = {
        {"1,5", "1.5"},      {"1.234,5", "1234.5"}, {"1 234,50 \xE2\x82\xAC", "1234.5"},
        {"12.400", "12400"}, {"-0,0", "0"},         {",25", "0.25"},
        {"1.5", {}},         {"1,2,3", {}},         {"1.23,4", {}},
    };
    for (const Reading& c : comma)
        EXPECT_EQ(Plain(ReadSpreadsheetNumber(c.text, DecimalMark::Comma)), c.plain) << c.text;
}

TEST(NumberText, StoredTextIsRightAlignedAtTheFieldsDecimals) {
    struct Case {
        const char* text;
        int width;
        int decimals;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {"-0", 8, 2, "    0.00"},       {"12.5", 6, 2, " 12.50"}, {"-3", 4, 0, "  -3"},
        {"1234567", 6, 0, {}},          {"0.125", 8, 2, {}},      {"99999999", 8, 0, "99999999"},
        {"-9999999", 8, 0, "-9999999"}, {"-99999999", 8, 0, {}},  {".5", 4, 1, " 0.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatStoredNumber(*ReadPlainNumber(c.text), c.width, c.decimals), c.stored)
            << c.text;
}

// The stored text is what the table layer writes for the same value with printf, so a number
// imported and a number assigned by the program look alike in the file.
TEST(NumberText, StoredTextAgreesWithTheTableLayersFormatting) {
    std::mt19937 random(25);
    std::uniform_int_distribution<long long> cents(-99999999, 99999999);
    for (int i = 0; i < 20000; ++i) {
        const long long value = cents(random);
        if (value == 0)
            continue;
        char text[32];
        std::snprintf(text, sizeof text, "%s%lld.%02lld", value < 0 ? "-" : "",
                      std::llabs(value) / 100, std::llabs(value) % 100);
        const std::optional<NumberText> number = ReadPlainNumber(text);
        ASSERT_TRUE(number) << text;
        EXPECT_DOUBLE_EQ(number->value(), static_cast<double>(value) / 100.0) << text;
        EXPECT_EQ(FormatStoredNumber(*number, 10, 2),
                  FormatFieldNumber(static_cast<double>(value) / 100.0, 10, 2))
            << text;
    }
}

} // namespace
