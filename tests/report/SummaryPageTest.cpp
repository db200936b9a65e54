#include "report/SummaryPage.h"
#include "ReportTestJob.h"
#include "cli/SampleJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const SummaryItem* Find(const SummaryPage& page, const std::string& prefix) {
    for (const SummaryItem& item : page) {
        if (item.text.rfind(prefix, 0) == 0)
            return &item;
    }
    return nullptr;
}

std::vector<std::string> LabelsOfRows(const SummaryPage& page, int from, int to) {
    std::vector<std::string> labels;
    for (const SummaryItem& item : page) {
        if (item.y >= from && item.y <= to && item.x == 2)
            labels.push_back(item.text);
    }
    return labels;
}

// The sample cooler with walls and one product only.
Job WallsAndProductJob() {
    Job job;
    BuildSampleJob(job);
    job.image.lighting.hours = 0;
    job.image.userLoad.userLoad = 0;
    job.image.header.safetyFactor = 0;
    return job;
}

TEST(SummaryPage, EmptyWithoutAJobOrWallLoad) {
    Job job;
    BuildSampleJob(job);
    EquipmentState state;
    job.image.flags.jobLoaded = 0;
    EXPECT_TRUE(RefreshSummary(job, state, TSubmitter{}).empty());
    job.image.flags.jobLoaded = 1;
    job.image.header.length = 0; // no surface has an area: no wall load
    job.image.header.width = 0;
    EXPECT_TRUE(RefreshSummary(job, state, TSubmitter{}).empty());
}

TEST(SummaryPage, OnlyTheThreeFixedRowsWithoutOptionalLoads) {
    Job job = WallsAndProductJob();
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    EXPECT_EQ(LabelsOfRows(page, 7, 13),
              (std::vector<std::string>{"PRODUCT LOAD", "WALL GAIN - INSULATION LOAD",
                                        "INFILTRATION LOAD - Average Air Changes"}));
    // Without a unit the infiltration detail follows after four blank rows.
    const auto detail = std::find_if(page.begin(), page.end(), [](const SummaryItem& i) {
        return i.text == "INFILTRATION LOAD";
    });
    ASSERT_NE(detail, page.end());
    EXPECT_EQ(detail->y, 14);
    const SummaryItem* wall = Find(page, "WALL GAIN - INSULATION LOAD");
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->y, 8);
    // Its load stands right-aligned at column 86 on the same row.
    const auto load = std::find_if(page.begin(), page.end(), [&](const SummaryItem& i) {
        return i.y == 8 && i.align == SummaryAlign::Right;
    });
    ASSERT_NE(load, page.end());
    EXPECT_EQ(load->x, 86);
    EXPECT_EQ(load->text, "        2237 btuh");
}

TEST(SummaryPage, TotalLineIsDrawnLastBesideTheSubmitter) {
    Job job;
    BuildSampleJob(job);
    TSubmitter submitter{};
    SetText(submitter.companyName, std::string(30, 'Q'));
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, submitter);
    ASSERT_FALSE(page.empty());
    const SummaryItem& last = page.back();
    EXPECT_EQ(last.text, "TOTAL LOAD CALCULATION:         8763 BTUH");
    EXPECT_EQ(last.x, 34);
    EXPECT_EQ(last.y, 5);
    const SummaryItem* by = Find(page, "submitted by: ");
    ASSERT_NE(by, nullptr);
    EXPECT_EQ(by->text, "submitted by: " + std::string(30, 'Q'));
}

TEST(SummaryPage, OptionalRowsInTheirOrder) {
    Job job;
    BuildSampleJob(job);
    JobImage& im = job.image;
    im.occupants.occupants = 2;
    im.occupants.hours = 4;
    im.glassDoors.doorCount = 2;
    im.motors.motorCount = 1;
    im.motors.motorHp = 0.5;
    im.motors.hours = 24;
    im.electric.watts = 1000;
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    EXPECT_EQ(LabelsOfRows(page, 7, 17),
              (std::vector<std::string>{
                  "PRODUCT LOAD", "WALL GAIN - INSULATION LOAD",
                  "INFILTRATION LOAD - Average Air Changes", "OCCUPANT LOAD   2 for   4 hrs",
                  "GLASS DOOR LOAD   2 at  80 F adj/temp Normal Usage",
                  "MOTOR HP LOAD   1 at    0.50 hp for  24 hrs",
                  "ELECTRICAL LOAD       1000 watts for   8 hours ",
                  "LIGHTING LOAD  1.00 watts/sq/ft for   8 hours ",
                  "USER LOAD          Display case percent", "SAFETY LOAD  10 percent"}));
}

TEST(SummaryPage, EquipmentRowsWhenAUnitIsSelected) {
    Job job;
    BuildSampleJob(job);
    TUnitSelection& u = job.image.unit;
    u.unitSelected = 1;
    u.unitCapacity = 9000;
    u.suctionTemp = 25;
    SetText(u.unitBrand, "Tundra");
    SetText(u.unitModel, "OCH-0100-1M4 -5");
    TCoilSelection& c = job.image.coil;
    c.coilSelected = 1;
    c.coilCount = 1;
    c.coilRating = 900;
    SetText(c.coilBrand, "Chill");
    SetText(c.coilModel, "KLP-090");
    SetText(c.defrostType, "air ");
    SetText(c.coilStyle, "Low Profile");
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    const SummaryItem* heading = Find(page, "EQUIPMENT SELECTION");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y, 16); // summary rows end at 12: y = 13 + 2, heading on y + 1
    const SummaryItem* unit = Find(page, "Unit: ");
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->text, "Unit:   1 ea   Tundra      OCH-0100-1M4 -5");
    const SummaryItem* coil = Find(page, "Coil: ");
    ASSERT_NE(coil, nullptr);
    EXPECT_EQ(coil->text, "Coil:   1 ea Chill KLP-090  10.00 TD  air  defrost Low Profile ");
    const SummaryItem* selected = Find(page, "selected ");
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->x, 6);
    EXPECT_EQ(selected->font, SummaryFont::Detail);
    // The infiltration detail starts four rows after the coil row.
    const auto detail = std::find_if(page.begin(), page.end(), [](const SummaryItem& i) {
        return i.text == "INFILTRATION LOAD";
    });
    ASSERT_NE(detail, page.end());
    EXPECT_EQ(detail->y, coil->y + 4);
}

TEST(SummaryPage, SunMarkAndNote) {
    Job job;
    BuildSampleJob(job);
    job.image.sun.flags[SunRoof][SunNone] = 0;
    job.image.sun.flags[SunRoof][SunDark] = 1;
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    const SummaryItem* roof = Find(page, "Roof ");
    ASSERT_NE(roof, nullptr);
    EXPECT_NE(roof->text.find("90 F *"), std::string::npos) << roof->text;
    const SummaryItem* note = Find(page, "* includes Allowance for Sun Effect");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->x, 40);
    EXPECT_EQ(note->y, roof->y + 2); // the floor row lies between
}

TEST(SummaryPage, VelocityMethodDetail) {
    Job job;
    BuildSampleJob(job);
    job.image.infiltration.airChangeMethod = 0;
    job.image.airVelocityEntry.infiltratingTemp = 95;
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    ASSERT_NE(Find(page, "INFILTRATION LOAD - Air Velocity "), nullptr);
    const SummaryItem* doors = Find(page, "  1 Doors:");
    ASSERT_NE(doors, nullptr);
    EXPECT_EQ(doors->text, "  1 Doors:   4.00 W     8.00 H   15 open/Min");
}

TEST(SummaryPage, EstimateMarkFollowsThePounds) {
    Job job;
    BuildSampleJob(job);
    EquipmentState state;
    job.image.products[0].estimateMark = '*';
    const SummaryPage marked = RefreshSummary(job, state, TSubmitter{});
    const SummaryItem* pounds = Find(marked, "        1500");
    ASSERT_NE(pounds, nullptr);
    EXPECT_EQ(pounds->text, "        1500 lbs*");
    job.image.products[0].estimateMark = '\0'; // from a damaged file: no NUL inside the text
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    pounds = Find(page, "        1500");
    ASSERT_NE(pounds, nullptr);
    EXPECT_EQ(pounds->text, "        1500 lbs ");
}

TEST(SummaryPage, ProductsWithoutLoadTakeNoRows) {
    Job job;
    BuildSampleJob(job);
    job.image.products[1] = job.image.products[0];
    job.image.products[1].quantity = 0;
    job.image.products[1].enteringTemp = 35; // no load at all
    EquipmentState state;
    const SummaryPage page = RefreshSummary(job, state, TSubmitter{});
    EXPECT_EQ(std::count_if(page.begin(), page.end(),
                            [](const SummaryItem& i) { return i.text.rfind("Apples", 0) == 0; }),
              1);
    const SummaryItem* latent = Find(page, "Latent Heat of Fusion");
    EXPECT_EQ(latent, nullptr); // a cooler product above freezing has no latent row
    ASSERT_NE(Find(page, "Heat of Respiration"), nullptr);
}

TEST(SummaryPage, TextGridPlacesItemsByColumn) {
    const SummaryPage page = {{2, 1, SummaryAlign::Left, SummaryFont::Heading, "abc"},
                              {10, 1, SummaryAlign::Right, SummaryFont::Heading, "xy"},
                              {0, 3, SummaryAlign::Left, SummaryFont::Detail, "z"}};
    EXPECT_EQ(SummaryAsText(page), "\n  abc   xy\n\nz\n");
}

// The line of the text grid that holds `needle`.
std::string GridLine(const std::string& grid, const std::string& needle) {
    std::size_t start = 0;
    while (start < grid.size()) {
        const std::size_t end = std::min(grid.find('\n', start), grid.size());
        const std::string line = grid.substr(start, end - start);
        if (line.find(needle) != std::string::npos)
            return line;
        start = end + 1;
    }
    return {};
}

TEST(SummaryPage, WallHeadingsEndWhereTheirColumnsEnd) {
    Job job;
    BuildSampleJob(job);
    EquipmentState state;
    const std::string grid = SummaryAsText(RefreshSummary(job, state, TSubmitter{}));
    const std::string heading = GridLine(grid, "adj/temp ");
    const std::string north = GridLine(grid, "North 1  ");
    ASSERT_FALSE(heading.empty());
    ASSERT_FALSE(north.empty());
    // The north wall's row: "%6s" thickness, "%5i F %c" temperature, "%6.2f%c" factor, "%11li".
    const std::size_t row = north.find("North 1  ");
    const auto endOf = [&](const char* word) {
        const std::size_t at = heading.find(word);
        return at == std::string::npos ? std::string::npos : at + std::string(word).size();
    };
    // "North 1  " 9, name 26, blank, thickness 6 | 2 blanks, temperature 5, " F" | " " mark, 2
    // blanks, factor 6, kind | blank, load 11.
    EXPECT_EQ(endOf("Inches"), row + 42);
    EXPECT_EQ(endOf("adj/temp"), row + 51);
    EXPECT_EQ(endOf("factor"), row + 62);
    EXPECT_EQ(endOf("btuh"), north.size());
    EXPECT_NE(north[endOf("Inches") - 1], ' '); // the thickness's last digit
}

TEST(SummaryPage, TextGridCutsATextBeforeTheNextOneOfItsRow) {
    Job job;
    BuildSampleJob(job);
    TSubmitter submitter{};
    SetText(submitter.companyName, "WESTERN MOUNTAIN REFRIGERATION");
    EquipmentState state;
    const std::string line =
        GridLine(SummaryAsText(RefreshSummary(job, state, submitter)), "TOTAL LOAD");
    const std::size_t total = line.find("TOTAL LOAD CALCULATION:");
    ASSERT_NE(total, std::string::npos);
    EXPECT_EQ(line.find("submitted by: WESTERN MOUNTAIN"), 2u);
    EXPECT_EQ(line[total - 1], ' ');
}

struct HeaderCase {
    UnitSystem units;
    int32_t boxTemp;
    const char* shown; // the box temperature as the row shows it, a blank before it
};

class SummaryHeader : public testing::TestWithParam<HeaderCase> {};

// "Box Temperature" keeps its last letter and a blank before the figure; a temperature keeps the
// blank before its unit as everywhere else.
TEST_P(SummaryHeader, BoxTemperatureLabelStaysWhole) {
    const HeaderCase& c = GetParam();
    ReportFixture f;
    f.job.image.header.boxTemp = c.boxTemp;
    const std::string line =
        GridLine(SummaryAsText(BuildSummaryPage(f.job, f.state, f.submitter, c.units)), "Box Temp");
    EXPECT_NE(line.find(std::string("Box Temperature ") + c.shown), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(ImperialAndSi, SummaryHeader,
                         testing::Values(HeaderCase{UnitSystem::Imperial, 35, "  35 F"},
                                         HeaderCase{UnitSystem::Imperial, -50, " -50 F"},
                                         HeaderCase{UnitSystem::Metric, 35,
                                                    "  1.7 \xB0"
                                                    "C"},
                                         HeaderCase{UnitSystem::Metric, 15,
                                                    " -9.4 \xB0"
                                                    "C"},
                                         HeaderCase{UnitSystem::Metric, 14,
                                                    "-10.0 \xB0"
                                                    "C"},
                                         HeaderCase{UnitSystem::Metric, -50,
                                                    "-45.6 \xB0"
                                                    "C"}));

TEST(SummaryHeader, LengthLabelKeepsItsLastLetterInBothUnits) {
    ReportFixture f;
    for (const double length : {10.0, 399.99}) {
        f.job.image.header.length = length;
        for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
            const std::string line = GridLine(
                SummaryAsText(BuildSummaryPage(f.job, f.state, f.submitter, units)), "Length");
            EXPECT_NE(line.find("Length No/So "), std::string::npos) << line;
        }
    }
}

TEST(SummaryText, ACutNameEndsInAnEllipsis) {
    ReportFixture f;
    SetText(f.submitter.companyName, "WESTERN MOUNTAIN REFRIGERATION");
    const std::string line =
        GridLine(SummaryAsText(BuildSummaryPage(f.job, f.state, f.submitter)), "TOTAL LOAD");
    EXPECT_NE(line.find("submitted by: WESTERN MOUNTAIN\x85 TOTAL LOAD"), std::string::npos)
        << line;
}

} // namespace
