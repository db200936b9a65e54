// The summary and the report in SI show the same job as in imperial units: every figure is the
// imperial one converted, and nothing stands over another text.
#include "MetricFigures.h"
#include "ReportTestJob.h"
#include "job/FixedText.h"
#include "report/SummaryPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Test messages in UTF-8: the pages' texts are Windows-1252 (here only its Latin-1 part).
std::string Utf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// Every optional block in use: loads, a unit and a coil, sun on a wall, five products with
// respiration and packages. `extreme` pushes every figure to the widest it can print.
void FillEveryBlock(ReportFixture& f, bool extreme) {
    JobImage& im = f.job.image;
    const int32_t big = extreme ? INT32_MAX : 1;
    TLoadTotals& t = im.totals;
    t.occupantLoad = extreme ? big : 900;
    t.glassDoorLoad = extreme ? big : 700;
    t.electricLoad = extreme ? big : 300;
    t.motorLoad = extreme ? big : 250;
    t.lightingLoad = extreme ? big : 120;
    t.safetyLoad = extreme ? big : 400;
    t.totalLoad = extreme ? big : 12345;
    if (extreme) // packed fields: assigned, never bound to a reference
        t.wallLoad = big;
    im.header.boxTemp = extreme ? -40 : 35;
    im.header.designAmbient = extreme ? 120 : 95;
    im.header.length = extreme ? 999.99 : 12.5;
    im.occupants.occupants = 2;
    im.occupants.hours = 4;
    im.glassDoors.doorCount = 3;
    im.glassDoors.adjacentTemp = extreme ? -40 : 75;
    im.glassDoors.doorWidth = extreme ? 9999 : 30;
    im.glassDoors.doorHeight = 76;
    SetText(im.glassDoors.usageText, "Normal");
    im.electric.watts = extreme ? 90000000 : 1200;
    im.electric.hours = 6;
    im.motors.motorCount = 1;
    im.motors.motorHp = extreme ? 9999.99 : 0.5;
    im.motors.hours = 12;
    im.lighting.wattsPerSqFt = extreme ? 30.0 : 1.5;
    im.surfaces[0].sunAllowance = 4;
    for (TSurface& s : im.surfaces)
        if (extreme)
            s.hourlyGain = big;
    im.unit.unitSelected = 1;
    im.unit.unitCount = 2;
    im.unit.suctionTemp = extreme ? -45 : 25;
    im.unit.unitCapacity = extreme ? big : 5000;
    im.unit.unitRunHours = 14.5;
    SetText(im.unit.unitBrand, "ACME");
    SetText(im.unit.unitModel, "CU-100");
    im.coil.coilSelected = 1;
    im.coil.coilCount = 1;
    im.coil.coilTD = extreme ? 99.99 : 10.5;
    SetText(im.coil.coilBrand, "ACME");
    SetText(im.coil.coilModel, "EC-20");
    f.state.dailyCapacity = extreme ? 1e12 : 72500;
    f.state.dailyLoad = extreme ? 1e12 : 140208;
    for (int slot = 1; slot < ProductSlotCount; ++slot)
        f.UseProduct(slot, "Apples");
    for (int slot = 0; slot < ProductSlotCount; ++slot) {
        TProductSlot& p = im.products[slot];
        p.slotLoad = extreme ? big : p.slotLoad + 1;
        p.productWeight = extreme ? big : 2500;
        p.enteringTemp = extreme ? -40 : 50;
        p.respLoad = extreme ? big : 80;
        p.respWeight = extreme ? big : 2500;
        p.respFactor = extreme ? 999.99 : 1.25;
        p.latentLoad = extreme ? big : 50;
        p.latentHeat = 144;
        p.calcFlag = slot % 2 == 0 ? 2 : 3;
        p.quantity = 40;
        p.pkgWeight = extreme ? 99999.99 : 2.5;
        p.pkgLoad = extreme ? big : 30;
        p.grossWeight = 62.5;
    }
}

// The figures of a summary wall row without a unit of their own: the surface number, the
// thickness of a 'K' surface, the load.
std::vector<std::optional<Quantity>> WallRowColumns(const std::string& imperial) {
    static const char* numbered[] = {"North 1", "South 2", "East  3", "West  4"};
    const bool wallRow = imperial.rfind("Roof     ", 0) == 0 ||
                         imperial.rfind("Floor    ", 0) == 0 ||
                         std::any_of(std::begin(numbered), std::end(numbered),
                                     [&](const char* l) { return imperial.rfind(l, 0) == 0; });
    if (!wallRow)
        return {};
    // Figures in the label and the insulation name (the row's first 35 characters) keep theirs.
    std::vector<std::optional<Quantity>> columns;
    for (std::size_t i = 0; i < 35; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(imperial[i])) != 0;
        if (digit && (i == 0 || !std::isdigit(static_cast<unsigned char>(imperial[i - 1]))))
            columns.push_back(std::nullopt);
    }
    if (imperial.find('K', 36) != std::string::npos)
        columns.push_back(Quantity::Thickness);
    columns.insert(columns.end(), {std::nullopt, std::nullopt, Quantity::HeatFlow});
    return columns;
}

void ExpectSameFigures(const std::vector<std::string>& imperial,
                       const std::vector<std::string>& si) {
    ASSERT_EQ(imperial.size(), si.size());
    for (std::size_t i = 0; i < si.size(); ++i) {
        for (const std::string& error :
             MetricFigureErrors(imperial[i], si[i], WallRowColumns(imperial[i])))
            ADD_FAILURE() << Utf8(error);
    }
}

std::vector<std::string> Texts(const SummaryPage& page) {
    std::vector<std::string> texts;
    for (const SummaryItem& item : page)
        texts.push_back(item.text);
    return texts;
}

std::vector<std::string> Texts(const DrawnPage& page) {
    std::vector<std::string> texts;
    for (const DrawnText& text : page.texts)
        texts.push_back(text.text);
    return texts;
}

DrawnPage DrawIn(ReportFixture& f, int number, UnitSystem units) {
    f.units = units;
    return f.Draw(number, 2);
}

struct Span {
    int start, end;
};

// Where a summary item lies on the text grid, a character a column.
Span GridSpan(const SummaryItem& item) {
    const int width = static_cast<int>(item.text.size());
    const int anchor = item.x + item.detailChars;
    return item.align == SummaryAlign::Left ? Span{anchor, anchor + width}
                                            : Span{anchor - width, anchor};
}

// Where a report text lies, at the recording surface's width of a character: half the font's
// character height.
Span PageSpan(const DrawnText& text) {
    const int advance = text.points * 1000 / 72 / 2;
    const int width = advance * static_cast<int>(text.text.size());
    return text.right ? Span{text.x - width, text.x} : Span{text.x, text.x + width};
}

template <typename Item, typename SpanOf>
int Overlaps(const std::vector<Item>& items, SpanOf spanOf, auto rowOf) {
    int count = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (rowOf(items[i]) != rowOf(items[j]))
                continue;
            const Span a = spanOf(items[i]);
            const Span b = spanOf(items[j]);
            if (a.start < b.end && b.start < a.end)
                ++count;
        }
    return count;
}

class MetricPages : public testing::TestWithParam<bool> {};

TEST_P(MetricPages, SummaryShowsTheImperialFiguresConverted) {
    ReportFixture f;
    FillEveryBlock(f, GetParam());
    for (const int airChange : {1, 0}) {
        f.job.image.infiltration.airChangeMethod = airChange;
        const SummaryPage imperial =
            BuildSummaryPage(f.job, f.state, f.submitter, UnitSystem::Imperial);
        const SummaryPage si = BuildSummaryPage(f.job, f.state, f.submitter, UnitSystem::Metric);
        ExpectSameFigures(Texts(imperial), Texts(si));
        // No SI text runs into another where the imperial page had room.
        const auto row = [](const SummaryItem& item) { return item.y; };
        EXPECT_LE(Overlaps(si, GridSpan, row), Overlaps(imperial, GridSpan, row))
            << Utf8(SummaryAsText(si));
    }
}

TEST_P(MetricPages, ReportShowsTheImperialFiguresConverted) {
    ReportFixture f;
    FillEveryBlock(f, GetParam());
    for (const int airChange : {1, 0}) {
        f.job.image.infiltration.airChangeMethod = airChange;
        for (const int page : {1, 2}) {
            const DrawnPage imperial = DrawIn(f, page, UnitSystem::Imperial);
            const DrawnPage si = DrawIn(f, page, UnitSystem::Metric);
            ExpectSameFigures(Texts(imperial), Texts(si));
            const auto row = [](const DrawnText& text) { return text.y; };
            EXPECT_LE(Overlaps(si.texts, PageSpan, row), Overlaps(imperial.texts, PageSpan, row))
                << "page " << page;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TypicalAndWidest, MetricPages, testing::Bool());

TEST(MetricPages, TotalsAreTheImperialTotalsInWatts) {
    ReportFixture f;
    f.job.image.totals.totalLoad = 12000;
    const SummaryPage si = BuildSummaryPage(f.job, f.state, f.submitter, UnitSystem::Metric);
    bool found = false;
    for (const SummaryItem& item : si)
        found = found || item.text == "TOTAL LOAD CALCULATION:         3517 W";
    EXPECT_TRUE(found) << SummaryAsText(si);
    const DrawnPage page = DrawIn(f, 1, UnitSystem::Metric);
    EXPECT_TRUE(page.Has("        3517 W"));
    EXPECT_TRUE(page.Has("Refrigerated Room Temp.     1.7 \xB0"
                         "C"));
}

} // namespace

namespace {

// The coil's TD keeps the list's two decimals and names its unit, on both pages.
TEST(MetricPages, CoilTdCarriesKelvinWithTheListsDecimals) {
    ReportFixture f;
    FillEveryBlock(f, false);
    const SummaryPage si = BuildSummaryPage(f.job, f.state, f.submitter, UnitSystem::Metric);
    EXPECT_NE(SummaryAsText(si).find(" 5.83 K TD"), std::string::npos) << SummaryAsText(si);
    bool onReport = false;
    for (const DrawnText& text : DrawIn(f, 1, UnitSystem::Metric).texts)
        onReport = onReport || text.text.find(" 5.83 K TD ") != std::string::npos;
    EXPECT_TRUE(onReport);
}

} // namespace
