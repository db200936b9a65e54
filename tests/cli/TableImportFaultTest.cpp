// quelbox-cli table import under the files people really feed it: every fault told in one run,
// the rules every table field keeps, what spreadsheets save, and targets that are not tables.

#include "TableFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* GoodUnit = "U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n";
constexpr const char* GoodProduct =
    "Apples,29.3,0.87,0.45,121,0.29,Bulk,Pounds,0,0,0,0,1,30-40,90,3-8 months,Fruit\n";

class TableImportFault : public TableFolder {};

// Syntax faults no longer hide the faults after them: each line is told.
TEST_F(TableImportFault, EveryFaultOfAFileIsToldInOneRun) {
    using namespace std::string_literals;
    struct Case {
        std::string rows;
        std::vector<std::string> told; // "in.csv:LINE: ..." beginnings, in order
    };
    const Case cases[] = {
        {"U-1,9,8,7,6,5,4,3,2,1,1,1,5,1.00,B,0\n"
         "U-2,9,8\n" +
             std::string(GoodUnit) + "\"U-3,9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n",
         {":2: column EVAP: 5 is not a suction class", ":3: 3 cells where the header has 16",
          ":5: a quoted field is not closed"}},
        {"\"U-1\"x,9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n"
         "U-2,9,8,7,6,5,4,3,2,1,1,1,5,1.00,B,0\n",
         {":2: text after the closing quote", ":3: column EVAP"}},
        {"U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.00,B\0,0\n"s
         "U-2,9,8,7,6,5,4,3,2,1,1,1,5,1.00,B,0\n",
         {":2: the file holds binary data (a NUL byte)", ":3: column EVAP"}},
        // An unclosed quote ends its record at its own line; the rows after it are read.
        {std::string(GoodUnit) + "U-2,9,8,7,6,5,4,3,2,1,1,1,25,1.00,\"B,0\n" +
             "U-3,9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n" + "U-4,9,8,7,6,5,4,3,2,1,1,1,5,1.00,B,0\n",
         {":3: a quoted field is not closed", ":5: column EVAP"}},
        // A quoted field that holds a line break moves the line count on.
        {"U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.00,\"two\nlines\",0\n"
         "U-2,9,8,7,6,5,4,3,2,1,1,1,5,1.00,B,0\n",
         {":2: column BRAND: holds a line break", ":4: column EVAP"}},
    };
    for (const Case& c : cases) {
        const ProgramRun run = ImportText("UNITS.DAT", UnitsHeader + c.rows);
        EXPECT_EQ(run.status, 1) << run.err;
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = run.err.find('\n', at)) != std::string::npos;
             at = end + 1)
            lines.push_back(run.err.substr(at, end - at));
        ASSERT_EQ(lines.size(), c.told.size() + 1) << run.err;
        for (std::size_t i = 0; i < c.told.size(); ++i)
            EXPECT_THAT(lines[i], HasSubstr("in.csv" + c.told[i])) << run.err;
        EXPECT_EQ(lines.back(), "Nothing was imported.");
        EXPECT_TRUE(Unchanged("UNITS.DAT"));
    }
}

// What the dialogs refuse, the import refuses: each row is one fault of the rules of its table.
TEST_F(TableImportFault, RowsBreakingTheFieldRulesAreRefused) {
    struct Case {
        const char* table;
        const char* header;
        std::string rows;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"PRODUCT.DAT",
         ProductHeader,
         "Apples,29.3,-0.87,0.45,121,0.29,Bulk,Pounds,0,0,0,0,1,,,,\n",
         {":2: column SPA: must not be negative"}},
        {"PRODUCT.DAT",
         ProductHeader,
         "Apples,29.3,0.87,-0.45,-121,-0.29,Bulk,Pounds,0,0,0,0,1,,,,\n",
         {":2: column SPB: must not be negative", ":2: column LATENT: must not be negative",
          ":2: column HRESP: must be 0 to 400"}},
        {"PRODUCT.DAT",
         ProductHeader,
         "Apples,-999.99,0.87,0.45,121,0.29,Box,Pounds,0,0,0,0,1,,,,\n",
         {":2: column FREEZE: must be -50 to 330"}},
        {"PRODUCT.DAT",
         ProductHeader,
         "Apples,29.3,0.87,0.45,121,0.29,Box,40 lb,20,-2,-0.4,-1,2,,,,\n",
         {":2: column PKG_WT: must not be negative", ":2: column PKG_SPA: must not be negative",
          ":2: column PKG_BTU: must not be negative"}},
        {"PRODUCT.DAT",
         ProductHeader,
         "Apples,29.3,0.87,0.45,121,0.29,Box,40 lb,2,3,0.4,1,2,,,,\n",
         {":2: column PKG_WT: packaging of 3 lb is heavier than GROSS_WT 2 lb"}},
        {"PRODUCT.DAT",
         ProductHeader,
         "Ab,29.3,0.87,0.45,121,0.29,Bulk,Pounds,0,0,0,0,1,,,,\n",
         {":2: column PRODUCT: \"Ab\" is too short"}},
        {"PRODUCT.DAT",
         ProductHeader,
         std::string(GoodProduct) + "APPLES,29.3,0.87,0.45,121,0.29,Bulk,Pounds,0,0,0,0,1,,,,\n",
         {":3: column PRODUCT: name already on line 2"}},
        {"INSUL.DAT", InsulHeader, "Cork board,0,K\n", {":2: column FACTOR: must be above 0"}},
        {"INSUL.DAT", InsulHeader, "Ab,0.3,K\n", {":2: column INSULATION: \"Ab\" is too short"}},
        {"INSUL.DAT",
         InsulHeader,
         "Cork board,0.3,K\n Cork board,0.25,U\n",
         {":3: column INSULATION: name already on line 2"}},
        {"INSUL.DAT",
         InsulHeader,
         "Cork board,0.3,K\ncork BOARD,0.25,U\n",
         {":3: column INSULATION: name already on line 2"}},
        {"UNITS.DAT",
         UnitsHeader,
         "U-1,0,0,0,0,0,0,0,0,0,0,0,25,0,B,0\n",
         {":2: column BTUA: 0: a unit needs a capacity", ":2: column NOMHP: must be above 0"}},
        {"UNITS.DAT",
         UnitsHeader,
         "U-1,1.3e3,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n",
         {":2: column BTUA: not a number: \"1.3e3\""}},
        {"UNITS.DAT",
         UnitsHeader,
         "U-1,+9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n",
         {":2: column BTUA: not a number: \"+9\""}},
        {"UNITS.DAT",
         UnitsHeader,
         std::string(GoodUnit) + "u-1,9,8,7,6,5,4,3,2,1,1,1,25,1,B,0\n",
         {":3: column MODEL: model and suction class already on line 2"}},
        {"COILS.DAT",
         CoilsHeader,
         "c-1,25,100,Low,6,0,B\nC-1,25,200,Low,6,0,B\n",
         {":3: column MODEL: model and suction class already on line 2"}},
    };
    for (const Case& c : cases) {
        const ProgramRun run = ImportText(c.table, c.header + c.rows);
        EXPECT_EQ(run.status, 1) << c.rows;
        for (const std::string& told : c.told)
            EXPECT_THAT(run.err, HasSubstr("in.csv" + told)) << c.rows;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.told.size() + 1) << run.err;
        EXPECT_TRUE(Unchanged(c.table)) << c.rows;
    }
}

// Values written as people and spreadsheets write them are stored the one way the table holds
// them: names trimmed and capitalised, K/U in capitals, no minus zero, no thousands separators.
TEST_F(TableImportFault, AcceptedValuesAreStoredInTheirOneForm) {
    struct Case {
        const char* table;
        std::string text;
        const char* exported; // the row as export writes it back
    };
    const Case cases[] = {
        {"INSUL.DAT", std::string(InsulHeader) + " cork board ,0.3,k\n", "Cork board,0.300,K"},
        {"PRODUCT.DAT",
         std::string(ProductHeader) +
             "Apples,-0,0.87,0.45,121,0.29,Bulk,Pounds,0,-0.00,0,0,1,30-40,90,3-8 months,Fruit\n",
         "Apples,0.00,0.870,0.450,121,0.29,Bulk,Pounds,0.00,0.00,0.000,0.00,1,30-40,90,3-8 "
         "months,Fruit"},
        {"UNITS.DAT",
         std::string(UnitsHeader) + "U-1,\"12,400\",\"$1,234\",7,6,5,4,3,2,1,1,-0,25,1.5,B,0\n",
         "U-1,12400,1234,7,6,5,4,3,2,1,1,0,25,1.50,B,0"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = ImportText(c.table, c.text);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_THAT(ExportOf(c.table), HasSubstr(std::string("\n") + c.exported + "\n"));
    }
}

std::string Utf16(const std::u16string& text, bool bigEndian, bool byteOrderMark) {
    std::string bytes;
    for (char16_t unit : (byteOrderMark ? u"\uFEFF" : u"") + text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// What spreadsheets save is read: another encoding, ';' with decimal commas, CR line ends, rows
// of empty cells.
TEST_F(TableImportFault, SpreadsheetSavesAreRead) {
    const std::u16string unicode =
        u"MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,EVAP,NOMHP,BRAND,HFLAG\r\n"
        u"U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.5,Fr\u00EDo,0\r\n";
    const std::string european =
        "MODEL;BTUA;BTUB;BTUC;BTUD;BTUE;BTUF;BTUG;BTUH;BTUI;BTUJ;BTUK;EVAP;NOMHP;BRAND;HFLAG\r\n"
        "U-1;9;8;7;6;5;4;3;2;1;1;1;25;1,5;Fr\xEDo;0\r\n";
    std::string crOnly =
        std::string(UnitsHeader) + "U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.5,Fr\xC3\xADo,0\n";
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const std::pair<const char*, std::string> saves[] = {
        {"UTF-16 little-endian with a byte order mark", Utf16(unicode, false, true)},
        {"UTF-16 big-endian without one", Utf16(unicode, true, false)},
        {"';' between columns, decimal commas, Windows-1252", european},
        {"CR line ends", crOnly},
        {"rows of empty cells", std::string(UnitsHeader) + ",,,,,,,,,,,,,,,\n" +
                                    "U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.5,Fr\xC3\xADo,0\n,,,\n"},
    };
    for (const auto& [what, text] : saves) {
        const ProgramRun run = ImportText("UNITS.DAT", text);
        EXPECT_EQ(run.status, 0) << what << ": " << run.err;
        EXPECT_EQ(run.err, "") << what;
        EXPECT_EQ(ExportOf("UNITS.DAT"),
                  UnitsHeader + std::string("U-1,9,8,7,6,5,4,3,2,1,1,1,25,1.50,Fr\xC3\xADo,0\n"))
            << what;
    }
}

// What cannot be read for certain is refused with what to do about it.
TEST_F(TableImportFault, UnreadableSavesAreToldWhatToDo) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        // ';' between columns, but the header does not split into the table's columns.
        {"MODEL;BTUA;EVAP\nU-1;9;25\n",
         {"in.csv:1: the file uses ';' between columns: save it as CSV with commas"}},
        // UTF-8 with two Windows-1252 bytes on lines 3 and 5: those lines are named.
        {std::string(UnitsHeader) + "U-0,9,8,7,6,5,4,3,2,1,1,1,25,1.5,Fr\xC3\xADo,0\n" +
             "U-2,9,8,7,6,5,4,3,2,1,1,1,25,1.5,Fr\xEDo,0\n" + GoodUnit +
             "U-4,9,8,7,6,5,4,3,2,1,1,1,25,1.5,B,0,\n" +
             "U-5,9,8,7,6,5,4,3,2,1,1,1,25,1.5,\xE9t\xE9,0\n",
         {"in.csv:3: column BRAND: holds bytes that are not UTF-8, though the rest of the file is",
          "in.csv:5: 17 cells", "in.csv:6: column BRAND: holds bytes that are not UTF-8"}},
        // A decimal point where the file's decimals take a comma.
        {"MODEL;BTUA;BTUB;BTUC;BTUD;BTUE;BTUF;BTUG;BTUH;BTUI;BTUJ;BTUK;EVAP;NOMHP;BRAND;HFLAG\n"
         "U-1;9;8;7;6;5;4;3;2;1;1;1;25;1.5;B;0\n",
         {"in.csv:2: column NOMHP: not a number: \"1.5\" (the file has ';' between columns, so its "
          "decimals take a comma)"}},
    };
    for (const auto& [text, told] : cases) {
        const ProgramRun run = ImportText("UNITS.DAT", text);
        EXPECT_EQ(run.status, 1) << run.err;
        for (const std::string& message : told)
            EXPECT_THAT(run.err, HasSubstr(message));
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), told.size() + 1) << run.err;
        EXPECT_TRUE(Unchanged("UNITS.DAT"));
    }
}

// A table name that holds no regular file is named for what it is; a folder that does not exist
// is "no such folder", with no word of an old table.
TEST_F(TableImportFault, TargetsThatCannotBeTablesAreNamed) {
    WriteText("good.csv", std::string(UnitsHeader) + GoodUnit);
    RunSetting quick;
    quick.timeLimitSeconds = 10;
    const auto import = [&](const std::string& folder) {
        return RunQuelboxCli(
            {"table", "import", "UNITS.DAT", dir.File("good.csv"), "--dir", folder}, quick);
    };
    const std::string table = dir.File("UNITS.DAT");
    const std::pair<const char*, std::function<void()>> targets[] = {
        {"a FIFO, not a regular file", [&] { ASSERT_EQ(::mkfifo(table.c_str(), 0644), 0); }},
        {"a directory, not a regular file", [&] { fs::create_directory(table); }},
        {"a device, not a regular file", [&] { fs::create_symlink("/dev/null", table); }},
    };
    for (const auto& [kind, make] : targets) {
        fs::remove(table);
        make();
        const ProgramRun run = import(dir.Path());
        EXPECT_FALSE(run.hung);
        EXPECT_EQ(run.status, 3) << run.err;
        EXPECT_THAT(run.err, HasSubstr(table + ": it is " + kind)) << run.err;
        EXPECT_THAT(run.err, Not(HasSubstr("cannot be locked")));
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    const ProgramRun missing = import(dir.File("none"));
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, dir.File("none") + ": no such folder; nothing was imported\n");
    EXPECT_FALSE(fs::exists(dir.File("none")));
}

// A CSV path that is not a regular file cannot be read: exit 2, at once, named for what it is.
TEST_F(TableImportFault, ACsvThatIsNotARegularFileIsUnreadable) {
    RunSetting quick;
    quick.timeLimitSeconds = 10;
    ASSERT_EQ(::mkfifo(dir.File("fifo.csv").c_str(), 0644), 0);
    fs::create_directory(dir.File("folder.csv"));
    for (const auto& [name, kind] :
         {std::pair{"fifo.csv", "a FIFO"}, {"folder.csv", "a directory"}}) {
        const ProgramRun run = RunQuelboxCli(
            {"table", "import", "UNITS.DAT", dir.File(name), "--dir", dir.Path()}, quick);
        EXPECT_FALSE(run.hung);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_THAT(run.err,
                    HasSubstr(dir.File(name) + ": it is " + kind + ", not a regular file"));
    }
    EXPECT_TRUE(Unchanged("UNITS.DAT"));
}

// The new table is written once: one scratch file, one rename, whatever the number of rows.
TEST_F(TableImportFault, TheTableIsWrittenOnce) {
    std::string text = UnitsHeader;
    for (int i = 0; i < 300; ++i)
        text += "U-" + std::to_string(i) + ",9,8,7,6,5,4,3,2,1,1,1,25,1.00,B,0\n";
    WriteText("in.csv", text);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.Path().c_str(), IN_CREATE | IN_MOVED_TO), 0);
    const ProgramRun run =
        RunQuelboxCli({"table", "import", "UNITS.DAT", dir.File("in.csv"), "--dir", dir.Path()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> created;
    std::vector<std::string> movedTo;
    alignas(inotify_event) char buffer[1 << 16];
    ssize_t n = 0;
    while ((n = ::read(watch, buffer, sizeof buffer)) > 0)
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            ((event->mask & IN_CREATE) ? created : movedTo).push_back(event->name);
            at += sizeof(inotify_event) + event->len;
        }
    ::close(watch);
    ASSERT_EQ(created.size(), 1u) << created.size() << " files created";
    EXPECT_TRUE(created[0].starts_with(".quelbox-")) << created[0];
    EXPECT_THAT(movedTo, ::testing::ElementsAre("UNITS.DAT"));
    EXPECT_THAT(run.out, HasSubstr("UNITS.DAT: 300 records (25 F: 300)"));
}

// A header of 10,000 columns, the table's among them, is read like any other.
TEST_F(TableImportFault, AHeaderOfTenThousandColumnsIsRead) {
    std::string header;
    std::string row;
    for (int i = 0; i < 10000; ++i) {
        header += "NOTE" + std::to_string(i) + ",";
        row += "x,";
    }
    const ProgramRun run = ImportText("UNITS.DAT", header + UnitsHeader + row + GoodUnit);
    EXPECT_EQ(run.status, 0) << run.err.substr(0, 500);
    EXPECT_THAT(run.out, HasSubstr("UNITS.DAT: 1 records (25 F: 1)"));
}

} // namespace
