// quelbox-cli units, coils, spot-unit, spot-coil and new with --units si: the lists are the
// imperial lists converted, the options are read in SI units, and the job gets what the
// equivalent imperial options give it.
#include "CliRun.h"
#include "SampleJobFolder.h"
#include "job/FixedText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace {

const std::string Degrees = "\xC2\xB0"; // the degree sign in UTF-8

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);)
        parts.push_back(part);
    return parts;
}

std::string Right(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Fixed(double value, std::size_t width) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.2f", static_cast<int>(width), value);
    return text;
}

double Number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string Watts(const std::string& btuh) {
    return Right(std::to_string(std::llround(Number(btuh) * 0.29307107)), btuh.size());
}
std::string Kilowatts(const std::string& hp) {
    return Fixed(Number(hp) * 0.7456999, hp.size());
}
std::string Kelvin(const std::string& td) {
    return Fixed(Number(td) * 5.0 / 9.0, td.size());
}

using Convert = std::function<std::string(const std::string&)>;
const std::map<std::size_t, Convert> UnitColumns = {{1, Watts}, {2, Kilowatts}};
const std::map<std::size_t, Convert> CoilColumns = {{1, Kelvin}, {4, Watts}};

// The SI listing has the imperial listing's rows, marks and texts, with `converted` columns
// showing the imperial figure in SI. The "Desired" lines are checked by the caller.
void ExpectConvertedListing(const std::string& imperial, const std::string& si,
                            const std::map<std::size_t, Convert>& converted) {
    const std::vector<std::string> imperialLines = Split(imperial, '\n');
    const std::vector<std::string> siLines = Split(si, '\n');
    ASSERT_EQ(siLines.size(), imperialLines.size()) << si;
    ASSERT_GE(imperialLines.size(), 2u) << imperial;
    for (std::size_t line = 1; line < imperialLines.size(); ++line) {
        const std::vector<std::string> from = Split(imperialLines[line], '|');
        const std::vector<std::string> to = Split(siLines[line], '|');
        ASSERT_EQ(to.size(), from.size()) << siLines[line];
        for (std::size_t column = 0; column < from.size(); ++column) {
            const auto convert = converted.find(column);
            EXPECT_EQ(to[column],
                      convert == converted.end() ? from[column] : convert->second(from[column]))
                << "row " << line << " column " << column;
        }
    }
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliEquipmentSi : public SampleJobFolder {
protected:
    std::string Dir() const { return " --dir " + dir.Path(); }
    std::string Sample() const { return dir.File("sample.kvj"); }

    // Runs the command line and expects success.
    std::string Listing(const std::string& args) {
        const CliRun run = RunCli(args + Dir());
        EXPECT_EQ(run.status, 0) << args << "\n" << run.out;
        return run.out;
    }
};

TEST_F(CliEquipmentSi, UnitsAndCoilsListTheImperialFiguresConverted) {
    const std::string imperial = Listing("units " + Sample());
    EXPECT_EQ(Listing("units " + Sample() + " --units imperial"), imperial);
    const std::string si = Listing("units " + Sample() + " --units si");
    // 8763 BTUH, 90 F ambient, 25 F suction.
    EXPECT_EQ(FirstLine(si), "Desired: 1  Unit for        2568 W @  32.2 " + Degrees +
                                 "C Ambient  16 run/Hrs  -3.9 " + Degrees + "C Suction");
    ExpectConvertedListing(imperial, si, UnitColumns);

    ASSERT_EQ(RunCli("units " + Sample() + Dir() + " --select 0 -o " + dir.File("unit.kvj")).status,
              0);
    const std::string coils = Listing("coils " + dir.File("unit.kvj"));
    EXPECT_EQ(Listing("coils " + dir.File("unit.kvj") + " --units imperial"), coils);
    const std::string coilsSi = Listing("coils " + dir.File("unit.kvj") + " --units si");
    EXPECT_EQ(FirstLine(coilsSi), "Desired:  1 Coils for       2374 W @  5.56 K TD");
    ExpectConvertedListing(coils, coilsSi, CoilColumns);
}

TEST_F(CliEquipmentSi, ChoosingARowInSiStoresTheSameJob) {
    for (const char* row : {"0", "2"}) {
        ASSERT_EQ(RunCli("units " + Sample() + Dir() + " --select " + row + " -o " +
                         dir.File("imperial.kvj"))
                      .status,
                  0);
        ASSERT_EQ(RunCli("units " + Sample() + Dir() + " --units si --select " + row + " -o " +
                         dir.File("si.kvj"))
                      .status,
                  0);
        const std::string unitJob = FileBytes(dir.File("imperial.kvj"));
        EXPECT_EQ(unitJob.size(), 2575u);
        EXPECT_TRUE(FileBytes(dir.File("si.kvj")) == unitJob) << "unit row " << row;

        // Three coils, so that the list has a second row to choose.
        ASSERT_EQ(RunCli("coils " + dir.File("imperial.kvj") + Dir() + " --count 3 --select 1 -o " +
                         dir.File("imperialCoil.kvj"))
                      .status,
                  0);
        ASSERT_EQ(RunCli("coils " + dir.File("imperial.kvj") + Dir() +
                         " --count 3 --units si --select 1 -o " + dir.File("siCoil.kvj"))
                      .status,
                  0);
        const std::string coilJob = FileBytes(dir.File("imperialCoil.kvj"));
        EXPECT_NE(coilJob, unitJob);
        EXPECT_TRUE(FileBytes(dir.File("siCoil.kvj")) == coilJob) << "unit row " << row;
    }
}

TEST_F(CliEquipmentSi, UnitsTakesTheTdInKelvin) {
    // 8.3 K is 14.94 F: the search runs with TD 15.
    const std::string imperial = Listing("units " + Sample() + " --td 15");
    const std::string si = Listing("units " + Sample() + " --td 8.3 --units si");
    EXPECT_THAT(FirstLine(si), HasSubstr(" -6.7 " + Degrees + "C Suction")); // 20 F
    ExpectConvertedListing(imperial, si, UnitColumns);
}

TEST_F(CliEquipmentSi, SpotSearchesTakeWattsDegreesAndKelvin) {
    // 3516.9 W is 12000.2 BTUH, -3.9 C is 24.98 F, 35 C is 95 F.
    const std::string unit =
        Listing("spot-unit --quantity 1 --load 12000 --run-hours 16 --suction 25 --ambient 95");
    const std::string unitSi = Listing("spot-unit --units si --quantity 1 --load 3516.9 "
                                       "--run-hours 16 --suction -3.9 --ambient 35");
    EXPECT_EQ(FirstLine(unitSi), "Desired: 1  Unit for        3517 W @  35.0 " + Degrees +
                                     "C Ambient  16 run/Hrs  -3.9 " + Degrees + "C Suction");
    ExpectConvertedListing(unit, unitSi, UnitColumns);

    // 5.56 K is 10.0 F, 1.7 C is 35.06 F.
    const std::string coil = Listing("spot-coil --quantity 1 --td 10 --load 12000 --box-temp 35");
    const std::string coilSi =
        Listing("spot-coil --units si --quantity 1 --td 5.56 --load 3516.9 --box-temp 1.7");
    EXPECT_EQ(FirstLine(coilSi), "Desired:  1 Coils for       3517 W @  5.56 K TD");
    ExpectConvertedListing(coil, coilSi, CoilColumns);
    for (const char* command : {"spot-unit", "spot-coil"})
        EXPECT_EQ(Listing(std::string(command) + " --units imperial --load 12000"),
                  Listing(std::string(command) + " --load 12000"))
            << command;
}

TEST_F(CliEquipmentSi, TheSpotAmbientGoesToTheNearest5FStep) {
    const std::string fixed = " --quantity 1 --load 12000 --run-hours 16 --suction 25";
    const std::string fixedSi = " --units si --quantity 1 --load 3516.9 --run-hours 16 "
                                "--suction -3.9";
    // 30 C is 86 F: 85 F. 26.6 C (79.9 F) and 54.5 C (130.1 F) reach the ends of the range.
    const std::map<std::string, std::string> cases = {
        {"30", "85"}, {"28", "80"}, {"26.6", "80"}, {"54.5", "130"}};
    for (const auto& [celsius, fahrenheit] : cases) {
        const std::string imperial = Listing("spot-unit" + fixed + " --ambient " + fahrenheit);
        const std::string si = Listing("spot-unit" + fixedSi + " --ambient " + celsius);
        ExpectConvertedListing(imperial, si, UnitColumns);
    }
    EXPECT_THAT(FirstLine(Listing("spot-unit" + fixedSi + " --ambient 30")),
                HasSubstr("@  29.4 " + Degrees + "C Ambient"));
}

TEST_F(CliEquipmentSi, SiValuesOutsideTheRangeNameTheSiRange) {
    const std::string job = dir.File("x.kvj");
    const std::string box = " --box-temp 1.7 --width 3 -o " + job;
    const std::map<std::string, std::string> cases = {
        {"spot-unit --suction 15.7", "--suction: Value not in range -45.6..15.6 " + Degrees + "C"},
        {"spot-unit --ambient 26.5", "--ambient: Value not in range 26.6..54.5 " + Degrees + "C"},
        {"spot-unit --load 2637641", "--load: Value not in range 0..2637640 W"},
        {"spot-unit --load -1", "--load: Value not in range 0..2637640 W"},
        {"spot-coil --td 53.5", "--td: Value not in range 0.5..53.4 K"}, // 1 to 96 F
        {"spot-coil --box-temp -45.7",
         "--box-temp: Value not in range -45.6..15.6 " + Degrees + "C"},
        {"units " + Sample() + " --td 25.1", "--td: Value not in range 2.2..25 K"},
        {"new" + box + " --length 122 --height 2.4", "--length: Value not in range 0..121.92 m"},
        {"new" + box + " --length 3 --height 61", "--height: Value not in range 0..60.96 m"},
        {"new --box-temp 16 --length 3 --width 3 --height 2.4 -o " + job,
         "--box-temp: Value not in range -45.6..15.6 " + Degrees + "C"},
        {"spot-coil --load 12e3", "--load: Value not in range 0..2637640 W"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunCli(args + " --units si" + Dir());
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_THAT(run.out, HasSubstr(message + "\n")) << args;
        EXPECT_THAT(run.out, HasSubstr("usage: quelbox-cli ")) << args;
    }
    EXPECT_FALSE(std::ifstream(job).good());
}

TEST_F(CliEquipmentSi, AnUnknownSystemIsAUsageError) {
    const std::string job = dir.File("x.kvj");
    for (const std::string& args :
         {"units " + Sample(), "coils " + Sample(), std::string("spot-unit"),
          std::string("spot-coil"),
          "new --box-temp 35 --length 10 --width 10 --height 8 -o " + job}) {
        const CliRun run = RunCli(args + " --units metric" + Dir());
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_THAT(run.out, HasSubstr("--units takes imperial or si, not \"metric\"")) << args;
    }
    EXPECT_FALSE(std::ifstream(job).good());
}

// The job `new` wrote, its date (today) blanked so that two runs compare whole.
std::string NewJobBytes(const std::string& path) {
    Job job;
    EXPECT_TRUE(ReadJobFile(job, path).ok) << path;
    SetText(job.image.header.jobDate, "");
    std::string bytes(sizeof job.image, '\0');
    std::memcpy(bytes.data(), &job.image, sizeof job.image);
    return bytes;
}

TEST_F(CliEquipmentSi, NewInSiMakesTheJobOfTheEquivalentImperialEntries) {
    struct Case {
        std::string imperial, si;
    };
    const std::vector<Case> cases = {
        // Exact conversions: 12 x 10 x 8 ft.
        {"--box-temp 35 --length 12 --width 10 --height 8",
         "--box-temp 1.7 --length 3.6576 --width 3.048 --height 2.4384"},
        // Metres kept to two decimals of a foot: 3.66 m is 12.0079 ft, 2.5 m is 8.2021 ft.
        {"--box-temp -10 --length 12.01 --width 9.84 --height 8.2 --run-hours 20",
         "--box-temp -23.3 --length 3.66 --width 3 --height 2.5 --run-hours 20"},
        // The ends of the ranges: -45.6 C is -50.08 F, 15.6 C is 60.08 F.
        {"--box-temp -50 --length 400 --width 0.5 --height 200",
         "--box-temp -45.6 --length 121.92 --width 0.1524 --height 60.96"},
        {"--box-temp 60 --length 1 --width 1 --height 1",
         "--box-temp 15.6 --length 0.3048 --width 0.3048 --height .3048"},
    };
    for (const Case& c : cases) {
        const CliRun imperial = RunCli("new " + c.imperial + " -o " + dir.File("i.kvj") + Dir());
        ASSERT_EQ(imperial.status, 0) << c.imperial << "\n" << imperial.out;
        const CliRun si = RunCli("new " + c.si + " --units si -o " + dir.File("s.kvj") + Dir());
        ASSERT_EQ(si.status, 0) << c.si << "\n" << si.out;
        EXPECT_TRUE(NewJobBytes(dir.File("s.kvj")) == NewJobBytes(dir.File("i.kvj"))) << c.si;
    }
    Job job;
    ASSERT_TRUE(ReadJobFile(job, dir.File("i.kvj")).ok);
    EXPECT_EQ(+job.image.header.boxTemp, 60);
}

} // namespace
