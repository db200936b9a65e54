// Texts of the SI pages read in SI: no imperial unit word, a factor that does not read as kelvin,
// door sizes named as such, one spacing before °C, daily loads to the hundredth of a kWh, and
// report load columns in kW where they are large.
#include "ReportTestJob.h"
#include "WidestJob.h"
#include "report/ReportRows.h"
#include "report/SummaryPage.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every text of the SI summary and of both SI report pages, for one infiltration method.
std::vector<std::string> SiTexts(ReportFixture& f) {
    f.units = UnitSystem::Metric;
    std::vector<std::string> texts;
    for (const SummaryItem& item : BuildSummaryPage(f.job, f.state, f.submitter, f.units))
        texts.push_back(item.text);
    for (const int page : {1, 2})
        for (const DrawnText& drawn : f.Draw(page, 2).texts)
            texts.push_back(drawn.text);
    return texts;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

TEST(MetricTexts, NoImperialUnitWordOnAnSiPage) {
    static const std::set<std::string> imperial = {
        "btuh", "BTUH", "Lbs", "lbs", "lb", "hp", "HP", "F", "f", "ft", "Inches", "watts/sq/ft"};
    for (const bool airChange : {true, false}) {
        ReportFixture f;
        FillWidest(f, airChange);
        for (const std::string& text : SiTexts(f)) {
            for (const std::string& word : Words(text)) {
                EXPECT_EQ(imperial.count(word), 0u) << Utf8From1252(text);
                for (const char* part : {"btuh/", "lb/", "lbs/", "F+"})
                    EXPECT_EQ(word.find(part), std::string::npos) << Utf8From1252(text);
            }
        }
    }
}

// "0.029K" reads as kelvin: the kind stands first and the unit follows the figure, and no figure
// has a K or U right after its digits.
TEST(MetricTexts, InsulationFactorsNameTheirUnitAndKind) {
    ReportFixture f;
    const std::vector<std::string> texts = SiTexts(f);
    const auto has = [&texts](const std::string& part) {
        for (const std::string& text : texts)
            if (text.find(part) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(has("K   0.029 W/(m\xB7K)"));     // summary wall rows
    EXPECT_TRUE(has("U   1.192 W/(m\xB2\xB7K)")); // summary floor row
    EXPECT_TRUE(has("No  K 0.029 W/(m\xB7K)"));   // report wall lines
    EXPECT_TRUE(has("Flr U 1.192 W/(m\xB2\xB7K)"));
    for (const std::string& text : texts)
        for (std::size_t i = 1; i < text.size(); ++i)
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                         (text[i] == 'K' || text[i] == 'U'))
                << Utf8From1252(text);
}

TEST(MetricTexts, VelocityDoorsSayWidthAndHeight) {
    ReportFixture f;
    f.job.image.infiltration.airChangeMethod = 0;
    const std::vector<std::string> texts = SiTexts(f);
    int doorRows = 0;
    for (const std::string& text : texts) {
        if (text.find("Doors") == std::string::npos)
            continue;
        ++doorRows;
        EXPECT_NE(text.find("width 1.22 m  height 2.44 m"), std::string::npos) << text;
        EXPECT_EQ(text.find("m W"), std::string::npos) << text;
    }
    EXPECT_EQ(doorRows, 2); // the summary's and the report's
}

TEST(MetricTexts, DegreesCelsiusAlwaysFollowABlank) {
    for (const bool airChange : {true, false}) {
        ReportFixture f;
        FillWidest(f, airChange);
        f.job.image.header.designAmbient = 90; // 32.2 C, the figure the header showed run in
        int celsius = 0;
        for (const std::string& text : SiTexts(f)) {
            for (std::size_t at = text.find("\xB0"
                                            "C");
                 at != std::string::npos; at = text.find("\xB0"
                                                         "C",
                                                         at + 1)) {
                ++celsius;
                ASSERT_GT(at, 0u);
                EXPECT_EQ(text[at - 1], ' ') << Utf8From1252(text);
            }
        }
        EXPECT_GT(celsius, 10);
    }
}

// 140208 and 140168 BTU a day are 41.09 and 41.08 kWh: design and selected differ visibly.
TEST(MetricTexts, DailyLoadsInKwhShowTwoDecimals) {
    ReportFixture f;
    f.job.image.unit.unitSelected = 1;
    f.state.dailyLoad = 140208;
    f.state.dailyCapacity = 140168;
    int design = 0;
    int selected = 0;
    for (const std::string& text : SiTexts(f)) {
        design += text.find(" 41.09 kWh Daily Load") != std::string::npos;
        selected += text.find(" 41.08 kWh Daily Load") != std::string::npos;
    }
    EXPECT_EQ(design, 2); // summary and report
    EXPECT_EQ(selected, 2);
}

struct KilowattCase {
    const char* name;
    int32_t totalLoad;      // BTUH; every load of the totals column is at most this
    int32_t aboveLoad;      // product 1's first heat
    bool totalsInKilowatts; // the right-hand column and the header's total
    bool heatsInKilowatts;  // product 1's heat column
};

class ReportLoadUnits : public testing::TestWithParam<KilowattCase> {};

// Each load column of a page shows one unit: kW with one decimal when its largest figure is above
// 10 kW, whole watts otherwise.
TEST_P(ReportLoadUnits, EachColumnInOneUnit) {
    const KilowattCase& c = GetParam();
    ReportFixture f;
    f.units = UnitSystem::Metric;
    f.job.image.totals.totalLoad = c.totalLoad;
    f.job.image.products[0].aboveLoad = c.aboveLoad;
    const DrawnPage page = f.Draw(1);
    const auto unitOf = [](const std::string& text) {
        return text.substr(text.find_last_of(' ') + 1);
    };
    int totals = 0;
    int heats = 0;
    for (const DrawnText& text : page.texts) {
        if (text.right && text.x == report::C5) {
            ++totals;
            EXPECT_EQ(unitOf(text.text), c.totalsInKilowatts ? "kW" : "W") << text.text;
        } else if (text.x == report::C1 + 2900) {
            ++heats;
            EXPECT_EQ(unitOf(text.text), c.heatsInKilowatts ? "kW" : "W") << text.text;
        }
    }
    EXPECT_GT(totals, 8);
    EXPECT_EQ(heats, 4); // above, below, latent, respiration
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ReportLoadUnits,
    testing::Values(KilowattCase{"small", 8763, 1359, false, false},
                    KilowattCase{"just10kW", 34121, 1359, false, false}, // 9999.9 W
                    KilowattCase{"above10kW", 34122, 1359, true, false}, // 10000.2 W
                    KilowattCase{"largeTotal", 125608000, 1359, true, false},
                    KilowattCase{"largeHeat", 125608000, 40000, true, true}),
    [](const testing::TestParamInfo<KilowattCase>& info) { return std::string(info.param.name); });

TEST(MetricTexts, LargeTotalReadsInKilowattsWithOneDecimal) {
    ReportFixture f;
    f.units = UnitSystem::Metric;
    f.job.image.totals.totalLoad = 125608000; // 36812 kW
    const DrawnPage page = f.Draw(1);
    EXPECT_TRUE(page.Has("     36812.1 kW"));
    EXPECT_FALSE(page.Has("    36812071 W"));
}

} // namespace
