// Reading CSV text a record at a time: every line end spreadsheets write, and reading on after a
// broken line at the next line end the quote rules allow.

#include "tables/CsvReader.h"
#include "tables/CsvEncoding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A record as "LINE: a|b|c", or "LINE: fault at FAULTLINE: reason".
std::vector<std::string> Records(const std::string& text, char separator = ',') {
    std::vector<std::string> records;
    CsvReader reader(text, separator);
    CsvRecord record;
    while (reader.Next(record)) {
        std::string shown = std::to_string(record.line) + ": ";
        if (!record.fault.empty()) {
            shown += "fault at " + std::to_string(record.faultLine) + ": " + record.fault;
        } else {
            for (std::size_t i = 0; i < record.fields.size(); ++i)
                shown += (i ? "|" : "") + record.fields[i];
        }
        records.push_back(shown);
    }
    return records;
}

TEST(CsvReader, ReadsOnAfterEveryKindOfBrokenLine) {
    struct Case {
        std::string text;
        std::vector<std::string> records;
    };
    const Case cases[] = {
        // Text after a closing quote: the record still ends where its quotes let it.
        {"a,b\n1,\"2\"x,\"3\n4\",5\n6,7\n",
         {"1: a|b", "2: fault at 2: text after the closing quote of a field", "4: 6|7"}},
        // A quote never closed ends its record with its own line.
        {"a\n\"x,1\n2,3\n", {"1: a", "2: fault at 2: a quoted field is not closed", "3: 2|3"}},
        {"a\n1,\"x\r\n2,3", {"1: a", "2: fault at 2: a quoted field is not closed", "3: 2|3"}},
        // A quote inside a field is no quote: the line ends where it ends.
        {"a\"b,c\nd,e\n",
         {"1: fault at 1: a quote inside a field that does not start with one", "2: d|e"}},
        {"a\0b,c\nd\n"s, {"1: fault at 1: the file holds binary data (a NUL byte)", "2: d"}},
        // The first fault of a record is the one told.
        {"\"a\"b,c\0\nd\n"s, {"1: fault at 1: text after the closing quote of a field", "2: d"}},
        // A fault inside a quoted field spanning lines is told at its own line.
        {"\"a\nb\0\",c\nd\n"s, {"1: fault at 2: the file holds binary data (a NUL byte)", "3: d"}},
    };
    for (const Case& c : cases)
        EXPECT_THAT(Records(c.text), ElementsAreArray(c.records)) << c.text;
}

TEST(CsvReader, LinesEndInLfCrlfOrCrAlone) {
    EXPECT_THAT(Records("a,b\r1,2\r3,4"), ElementsAre("1: a|b", "2: 1|2", "3: 3|4"));
    EXPECT_THAT(Records("a\r\nb\rc\nd"), ElementsAre("1: a", "2: b", "3: c", "4: d"));
    // Inside quotes a line end is text and still counts as a line.
    EXPECT_THAT(Records("\"x\ry\",1\r2"), ElementsAre("1: x\ry|1", "3: 2"));
}

TEST(CsvReader, LinesOfEmptyCellsAreSkippedLikeBlankLines) {
    EXPECT_THAT(Records("a,b\n,\n , \n\"\",\"\"\n\n1,2\n,,,,\n"), ElementsAre("1: a|b", "6: 1|2"));
}

TEST(CsvReader, TheSeparatorIsTheCallers) {
    EXPECT_THAT(Records("a;\"b;c\";d,e\n", ';'), ElementsAre("1: a|b;c|d,e"));
}

TEST(CsvEncoding, SpreadsheetEncodingsBecomeUtf8OrStayWindows1252) {
    struct Case {
        std::string bytes;
        CsvCharset charset;
        std::string text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "a,Fr\xC3\xADo",
         CsvCharset::Utf8, "a,Fr\xC3\xADo"},
        {"a,Fr\xC3\xADo", CsvCharset::Utf8, "a,Fr\xC3\xADo"},
        {"a,Fr\xEDo", CsvCharset::Windows1252, "a,Fr\xEDo"},
        {"\xFF\xFE"
         "a\0,\0\xED\0"s,
         CsvCharset::Utf8, "a,\xC3\xAD"},
        {"\xFE\xFF"
         "\0a\0,\0\xED"s,
         CsvCharset::Utf8, "a,\xC3\xAD"},
        // Without a byte order mark, by the NUL bytes of its first characters.
        {"a\0b\0,\0c\0\n\0"s, CsvCharset::Utf8, "ab,c\n"},
        {"\0a\0b\0,\0c\0\n"s, CsvCharset::Utf8, "ab,c\n"},
        // A surrogate pair, a lone surrogate and an odd last byte.
        {"\xFF\xFE"
         "\x3D\xD8\x00\xDE"
         "\x00\xD8"
         "a\0"
         "b"s,
         CsvCharset::Utf8,
         "\xF0\x9F\x98\x80"
         "\xEF\xBF\xBD"
         "a"
         "\xEF\xBF\xBD"},
        // UTF-8 with a stray Windows-1252 byte, and a UTF-8 byte order mark on Windows-1252.
        {"Fr\xC3\xADo,Fr\xEDo", CsvCharset::MixedUtf8, "Fr\xC3\xADo,Fr\xEDo"},
        {"\xEF\xBB\xBF"
         "Fr\xEDo",
         CsvCharset::MixedUtf8, "Fr\xEDo"},
    };
    for (const Case& c : cases) {
        std::string bytes = c.bytes;
        EXPECT_EQ(DecodeCsvBytes(bytes), c.charset) << c.text;
        EXPECT_EQ(bytes, c.text);
    }
}

} // namespace
