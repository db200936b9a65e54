// Reading CSV text and checking its rows against a reference table's fields and rules.

#include "tables/TableCsv.h"
#include "tables/CsvEncoding.h"
#include "tables/CsvReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Every record of a text, as the import reads it.
struct CsvText {
    std::vector<CsvRecord> records;
    bool hadByteOrderMark = false;
    // The first fault and its line.
    std::string error;
    int errorLine = 0;
};

CsvText ReadCsv(std::string text) {
    CsvText csv;
    csv.hadByteOrderMark = text.starts_with("\xEF\xBB\xBF");
    EXPECT_EQ(DecodeCsvBytes(text), CsvCharset::Utf8);
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    CsvReader reader(text, ',');
    CsvRecord record;
    while (reader.Next(record)) {
        if (csv.error.empty() && !record.fault.empty()) {
            csv.error = record.fault;
            csv.errorLine = record.faultLine;
        }
        csv.records.push_back(record);
    }
    return csv;
}

std::vector<std::string> Fields(const CsvText& csv, std::size_t record) {
    return csv.records.at(record).fields;
}

TEST(CsvReader, ReadsQuotesLineEndsAndByteOrderMark) {
    const CsvText csv = ReadCsv("\xEF\xBB\xBF"
                                "a,b,c\r\n"
                                "\"x, y\",\"say \"\"hi\"\"\",\r\n"
                                "\r\n"
                                "\"two\nlines\",2,3\n"
                                "last,row,here");
    ASSERT_EQ(csv.error, "");
    EXPECT_TRUE(csv.hadByteOrderMark);
    ASSERT_EQ(csv.records.size(), 4u);
    EXPECT_THAT(Fields(csv, 0), ElementsAre("a", "b", "c"));
    EXPECT_THAT(Fields(csv, 1), ElementsAre("x, y", "say \"hi\"", ""));
    EXPECT_THAT(Fields(csv, 2), ElementsAre("two\nlines", "2", "3"));
    EXPECT_THAT(Fields(csv, 3), ElementsAre("last", "row", "here"));
    // Line numbers count the blank line and the line inside the quoted field.
    EXPECT_EQ(csv.records[2].line, 4);
    EXPECT_EQ(csv.records[3].line, 6);
}

TEST(CsvReader, NamesTheLineOfMalformedText) {
    using namespace std::string_literals;
    struct Case {
        std::string text;
        int line;
        const char* error;
    };
    const Case cases[] = {
        {"a,b\n1,2\n\"open,3\n4,5\n", 3, "a quoted field is not closed"},
        {"a,b\n1,\"2\"x\n", 2, "text after the closing quote"},
        {"a,b\n1,2\n3,4\0\x01\x02"s, 3, "binary data"},
        {"a,b\nab\"c\",2\n", 2, "a quote inside a field"},
    };
    for (const Case& c : cases) {
        const CsvText csv = ReadCsv(c.text);
        EXPECT_EQ(csv.errorLine, c.line) << c.text;
        EXPECT_THAT(csv.error, HasSubstr(c.error)) << c.text;
    }
}

constexpr const char* UnitHeader =
    "MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,EVAP,NOMHP,BRAND,HFLAG\n";

// A checked text with every problem told, described as the import describes them.
struct Checked {
    CheckedTableCsv csv;
    std::vector<std::string> problems;
};

Checked Check(ReferenceTable which, const std::string& text) {
    std::vector<std::string> problems;
    CheckedTableCsv csv = CheckTableCsv(which, text, [&problems](const CsvProblem& p) {
        problems.push_back(DescribeProblem("u.csv", p));
    });
    EXPECT_EQ(csv.problems, problems.size());
    return {std::move(csv), std::move(problems)};
}

std::vector<std::string> Described(const Checked& checked) {
    return checked.problems;
}

TEST(TableCsv, NamesEveryBadRowByLineColumnAndReason) {
    const std::string text =
        std::string(UnitHeader) +
        "OCZ-01000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,25,1.00,Glacia,1\n"           // good
        "OCZ-01000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,30,1.00,Glacia,1\n"           // good
        "OCZ-02000-1M4 -5,9,8,seven,6,5,4,3,2,1,1,1,25,2.00,Glacia,1\n"       // 4
        "OCZ-03000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,5,3.00,Glacia,1\n"            // 5
        ",9,8,7,6,5,4,3,2,1,1,1,25,3.00,Glacia,1\n"                           // 6
        "OCZ-04000-1M4 -5,9,8,7,6,7,4,3,2,1,1,1,25,4.00,Glacia,1\n"           // 7
        "OCZ-05000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,25,5.00,A brand too long,1\n" // 8
        "OCZ-06000-1M4 -5,999999999,8,7,6,5,4,3,2,1,1,1,25,6.00,Glacia,1\n"   // 9
        "OCZ-07000-1M4 -5,9,8,7.5,6,5,4,3,2,1,1,1,25,7.00,Glacia,1\n"         // 10
        "OCZ-08000-1M4 -5,9,8,7\n"                                            // 11
        "OCZ-01000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,25,1.00,Glacia,1\n"           // 12
        "OCZ-09000-1M4 -5,9,8,7,6,5,4,3,2,1,1,1,25,,Glacia,1\n";              // 13
    const Checked checked = Check(ReferenceTable::Units, text);
    EXPECT_THAT(
        Described(checked),
        ElementsAre("u.csv:4: column BTUC: not a number: \"seven\"",
                    "u.csv:5: column EVAP: 5 is not a suction class (-50, -45 ... -5, 0, 10, 15 "
                    "... 70)",
                    "u.csv:6: column MODEL: empty model",
                    "u.csv:7: column BTUE: capacity rises with ambient: 7 is above BTUD 6",
                    "u.csv:8: column BRAND: 16 characters, more than the field's 10",
                    "u.csv:9: column BTUA: 999999999 does not fit the field (N8.0)",
                    "u.csv:10: column BTUC: 7.5 is not a whole number",
                    "u.csv:11: 4 cells where the header has 16",
                    "u.csv:12: column MODEL: model and suction class already on line 2",
                    "u.csv:13: column NOMHP: empty; a number is required"));
    EXPECT_EQ(checked.csv.records.count(), 2u);
}

TEST(TableCsv, HeaderNamesColumnsInAnyOrderAndCase) {
    const Checked checked = Check(ReferenceTable::Insul, "Note,ku,Factor,INSULATION\n"
                                                         "ignored,U,0.21,\"Concrete 6\"\" slab\"\n"
                                                         "x,K, 0.2 ,Polystyrene\n");
    ASSERT_THAT(Described(checked), ElementsAre());
    ASSERT_EQ(checked.csv.records.count(), 2u);
    // Field order of INSUL.DAT: INSULATION (26), FACTOR (8.3), KU (1).
    EXPECT_THAT(checked.csv.fields(0), ElementsAre("Concrete 6\" slab          ", "   0.210", "U"));
    EXPECT_THAT(checked.csv.fields(1), ElementsAre("Polystyrene               ", "   0.200", "K"));
    EXPECT_THAT(checked.csv.lines, ElementsAre(2, 3));
}

TEST(TableCsv, RefusesWhatTheTableCannotHoldAsWritten) {
    const Checked checked = Check(ReferenceTable::Insul, "INSULATION,FACTOR,KU\n"
                                                         "Cork,0.2125,K\n"
                                                         "Glass,0.3,X\n"
                                                         "Glass,0.3,K\n"
                                                         "\"Two\nlines\",0.3,K\n");
    EXPECT_THAT(Described(checked),
                ElementsAre("u.csv:2: column FACTOR: 0.2125 has more than 3 decimals",
                            "u.csv:3: column KU: must be K (per inch) or U (whole construction)",
                            "u.csv:4: column INSULATION: name already on line 3",
                            "u.csv:5: column INSULATION: holds a line break or another control "
                            "character"));
}

TEST(TableCsv, MissingColumnsAndEmptyFilesAreNamed) {
    EXPECT_THAT(Described(Check(ReferenceTable::Coils, "MODEL,EVAP,BTUH,STYLE\n")),
                ElementsAre("u.csv:1: column FINS: missing column",
                            "u.csv:1: column AEG: missing column",
                            "u.csv:1: column BRAND: missing column"));
    EXPECT_THAT(Described(Check(ReferenceTable::Coils, "")),
                ElementsAre("u.csv:1: the file is empty; a header line is required"));
    EXPECT_THAT(Described(Check(ReferenceTable::Insul, "INSULATION,FACTOR,KU\r\n")),
                ElementsAre("u.csv:1: no records after the header"));
    EXPECT_THAT(Described(Check(ReferenceTable::Insul, "INSULATION,FACTOR,KU,KU\nA,1,K,K\n")),
                ElementsAre("u.csv:1: column KU: the header names this column twice"));
}

TEST(TableCsv, CoilRulesRefuseUnknownDefrost) {
    const Checked checked =
        Check(ReferenceTable::Coils, "MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\n"
                                     "LPE4-010,-20,80,Low profile,4,3,Glacia\n"
                                     "LPE4-010,-25,-80,Low profile,4,1,Glacia\n");
    EXPECT_THAT(Described(checked),
                ElementsAre("u.csv:2: column AEG: must be 0 (air), 1 (electric) or 2 (gas) defrost",
                            "u.csv:3: column BTUH: must not be negative"));
}

TEST(TableCsv, ReadsUtf8AndWindows1252Alike) {
    const std::string header = "INSULATION,FACTOR,KU\n";
    const Checked utf8 = Check(ReferenceTable::Insul, header + "Mineralwolle gr\xC3\xBCn,0.3,K\n");
    const Checked ansi = Check(ReferenceTable::Insul, header + "Mineralwolle gr\xFCn,0.3,K\n");
    ASSERT_EQ(utf8.csv.records.count(), 1u);
    ASSERT_EQ(ansi.csv.records.count(), 1u);
    EXPECT_EQ(utf8.csv.fields(0)[0], ansi.csv.fields(0)[0]);
    EXPECT_EQ(utf8.csv.fields(0)[0].substr(0, 17), "Mineralwolle gr\xFCn");
    // A character Windows-1252 lacks (Greek Omega) is refused, not replaced.
    EXPECT_THAT(Described(Check(ReferenceTable::Insul, header + "\xCE\xA9-board,0.3,K\n")),
                ElementsAre("u.csv:2: column INSULATION: holds a character Windows-1252 does not "
                            "have"));
}

TEST(TableCsv, SummaryCountsRecordsPerSuctionClass) {
    const Checked checked = Check(ReferenceTable::Coils, "MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\n"
                                                         "A,-20,80,s,4,1,b\n"
                                                         "A,25,90,s,4,1,b\n"
                                                         "B,-20,99,s,4,1,b\n");
    EXPECT_EQ(DescribeRecords(ReferenceTable::Coils, checked.csv), "3 records (-20 F: 2, 25 F: 1)");
}

} // namespace
