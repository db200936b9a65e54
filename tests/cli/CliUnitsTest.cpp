// quelbox-cli --units: the same job in watts and degrees Celsius.
#include "CliRun.h"
#include "SampleJobFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

using ::testing::HasSubstr;

namespace {

using CliUnits = SampleJobFolder;

std::string Watts(long btuh) {
    return std::to_string(std::lround(btuh * 0.29307107));
}

TEST_F(CliUnits, TotalsInWattsNameTheirUnits) {
    const CliRun imperial = RunCli("totals " + dir.File("sample.kvj") + " --json");
    ASSERT_EQ(imperial.status, 0) << imperial.out;
    EXPECT_THAT(imperial.out, HasSubstr("{\"units\": \"imperial\", "));
    const CliRun si = RunCli("totals " + dir.File("sample.kvj") + " --json --units si");
    ASSERT_EQ(si.status, 0) << si.out;
    EXPECT_THAT(si.out, HasSubstr("{\"units\": \"si\", "));
    EXPECT_THAT(si.out, HasSubstr("\"totalLoad\": " + Watts(total) + ","));
    EXPECT_THAT(si.out, HasSubstr("\"wallLoad\": " + Watts(sample.image.totals.wallLoad) + ","));
    // 16 run hours a day: the daily load in kWh to two decimals, as the summary shows it.
    char daily[32];
    std::snprintf(daily, sizeof daily, "%.2f", 16.0 * total * 1055.05585262 / 3.6e6);
    EXPECT_THAT(si.out, HasSubstr(std::string("\"dailyLoad\": ") + daily + ","));
    const CliRun plain = RunCli("totals " + dir.File("sample.kvj") + " --units si");
    EXPECT_EQ(plain.out.rfind("units: si\n", 0), 0u) << plain.out;
    EXPECT_THAT(plain.out, HasSubstr("totalLoad: " + Watts(total) + "\n"));
}

TEST_F(CliUnits, SummaryInSiIsUtf8AndImperialIsAsBefore) {
    const CliRun imperial = RunCli("summary " + dir.File("sample.kvj") + " --dir " + dir.Path());
    ASSERT_EQ(imperial.status, 0) << imperial.out;
    EXPECT_THAT(imperial.out, HasSubstr("  90 F"));
    const CliRun si =
        RunCli("summary " + dir.File("sample.kvj") + " --dir " + dir.Path() + " --units si");
    ASSERT_EQ(si.status, 0) << si.out;
    EXPECT_THAT(si.out, HasSubstr("32.2 \xC2\xB0"
                                  "C")); // 90 F, the degree sign in UTF-8
    EXPECT_THAT(si.out,
                HasSubstr("TOTAL LOAD CALCULATION: " + std::string(12 - Watts(total).size(), ' ') +
                          Watts(total) + " W"));
}

TEST_F(CliUnits, AnUnknownSystemIsAUsageError) {
    for (const char* command : {"totals", "summary"}) {
        const CliRun run =
            RunCli(std::string(command) + " " + dir.File("sample.kvj") + " --units metric");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_THAT(run.out, HasSubstr("--units takes imperial or si, not \"metric\"")) << command;
    }
    const CliRun twice =
        RunCli("totals " + dir.File("sample.kvj") + " --units si --units imperial");
    EXPECT_EQ(twice.status, 1);
}

} // namespace
