// The summary's texts keep apart on the text grid: with every field at its widest, in both unit
// systems, no text touches another and only names and descriptions are ever cut.
#include "TextCollisions.h"
#include "WidestJob.h"
#include "report/RowFit.h"
#include "report/SummaryPage.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct RowCase {
    const char* name;
    std::vector<RowText> texts;
    int gap;
    std::vector<RowFit> expected;
};

class RowFitting : public testing::TestWithParam<RowCase> {};

TEST_P(RowFitting, KeepsTheGapByCuttingOrMoving) {
    const RowCase& c = GetParam();
    const std::vector<RowFit> fits = FitRow(c.texts, c.gap);
    ASSERT_EQ(fits.size(), c.expected.size());
    for (std::size_t i = 0; i < fits.size(); ++i) {
        EXPECT_EQ(fits[i].shift, c.expected[i].shift) << c.name << " text " << i;
        EXPECT_EQ(fits[i].limit, c.expected[i].limit) << c.name << " text " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowFitting,
    testing::Values(
        RowCase{"apart", {{0, 5}, {7, 9}}, 1, {{0, INT_MAX}, {0, INT_MAX}}},
        RowCase{"exactly a gap apart", {{0, 5}, {6, 9}}, 1, {{0, INT_MAX}, {0, INT_MAX}}},
        RowCase{"touching: the next moves", {{0, 5}, {5, 9}}, 1, {{0, INT_MAX}, {1, INT_MAX}}},
        RowCase{"overlapping: the next moves", {{0, 8}, {5, 9}}, 2, {{0, INT_MAX}, {5, INT_MAX}}},
        RowCase{"a name is cut instead", {{0, 8, true}, {5, 9}}, 1, {{0, 4}, {0, INT_MAX}}},
        RowCase{"given right to left", {{5, 9}, {0, 8, true}}, 1, {{0, INT_MAX}, {0, 4}}},
        RowCase{"a moved text pushes the next",
                {{0, 5}, {5, 9}, {10, 12}},
                1,
                {{0, INT_MAX}, {1, INT_MAX}, {1, INT_MAX}}},
        RowCase{"a name with no room left moves the next",
                {{4, 8, true}, {4, 9}},
                1,
                {{0, INT_MAX}, {5, INT_MAX}}},
        RowCase{"blank texts take no room",
                {{0, 5}, {3, 3}, {6, 8}},
                1,
                {{0, INT_MAX}, {0, INT_MAX}, {0, INT_MAX}}}),
    [](const testing::TestParamInfo<RowCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

std::vector<TextBox> GridBoxes(const std::vector<GridText>& grid) {
    std::vector<TextBox> boxes;
    for (const GridText& g : grid) {
        TextBox box;
        box.text = Utf8From1252(g.text);
        const std::size_t first = g.text.find_first_not_of(' ');
        box.left = g.column;
        box.right = g.column + static_cast<int>(g.text.size());
        if (first != std::string::npos) {
            box.inkLeft = g.column + static_cast<int>(first);
            box.inkRight = g.column + static_cast<int>(g.text.find_last_not_of(' ') + 1);
        }
        box.top = g.row;
        box.bottom = g.row + 1;
        box.gap = 1;
        boxes.push_back(box);
    }
    return boxes;
}

class SummaryLayout : public testing::TestWithParam<std::tuple<UnitSystem, bool>> {};

TEST_P(SummaryLayout, NoTextTouchesAnotherOnTheGridAtTheWidestValues) {
    const auto [units, airChange] = GetParam();
    ReportFixture f;
    FillWidest(f, airChange);
    const SummaryPage page = BuildSummaryPage(f.job, f.state, f.submitter, units);
    const std::vector<GridText> grid = SummaryGrid(page);
    ASSERT_EQ(grid.size(), page.size());
    for (const std::string& collision : Collisions(GridBoxes(grid), false))
        ADD_FAILURE() << collision;
    int cut = 0;
    for (const GridText& g : grid) {
        if (!g.cut)
            continue;
        ++cut;
        EXPECT_TRUE(page[g.item].mayCut) << Utf8From1252(g.text);
        EXPECT_EQ(g.text.back(), Ellipsis1252);
    }
    EXPECT_GT(cut, 0); // the widest names do not all fit
}

INSTANTIATE_TEST_SUITE_P(BothUnitsAndMethods, SummaryLayout,
                         testing::Combine(testing::Values(UnitSystem::Imperial, UnitSystem::Metric),
                                          testing::Bool()));

} // namespace
