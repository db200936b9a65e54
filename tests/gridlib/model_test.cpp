#include "edit_picture.h"
#include "line_selection.h"
#include "line_window.h"
#include "number_text.h"
#include "record_placement.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(NumberText, WritesAndReadsWithoutTheLocale) {
    EXPECT_EQ(FormatDecimal(3.5, 2, false), "3.50");
    EXPECT_EQ(FormatDecimal(0, 2, true), "");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<double>::infinity(), 1, false), "0.0");
    EXPECT_EQ(FormatDecimal(1.0, 99, false).size(), 17u) << "decimals are held to 15";
    EXPECT_EQ(FormatWhole(-12, false), "-12");
    EXPECT_EQ(FormatWhole(0, true), "");

    EXPECT_EQ(ReadWhole(""), 0);
    EXPECT_EQ(ReadWhole("+42"), 42);
    EXPECT_EQ(ReadWhole("-99999999999999999999999"), std::numeric_limits<int64_t>::min());
    EXPECT_FALSE(ReadWhole("-"));
    EXPECT_FALSE(ReadWhole("1-2"));
    EXPECT_EQ(ReadDecimal("-.5"), -0.5);
    EXPECT_FALSE(ReadDecimal("1.2.3"));
    EXPECT_FALSE(ReadDecimal("."));
    EXPECT_TRUE(ReadDecimal(std::string(63, '1') + "x")) << "only 63 characters are read";
    EXPECT_FALSE(ReadDecimal(std::string(62, '1') + "x"));
}

TEST(NumberText, FiltersAndPlaceholders) {
    EXPECT_TRUE(PassesFilter("-12+", "0-9+-"));
    EXPECT_FALSE(PassesFilter("1,2", "0-9.+-"));
    EXPECT_FALSE(PassesFilter("1e5", "0-9.+-"));
    EXPECT_EQ(FillPlaceholders("between %s and %s, 100%", "1", "10"), "between 1 and 10, 100%");
    EXPECT_EQ(FillPlaceholders("%s %s %s", "a", "b"), "a b %s");
}

TEST(DatePicture, Normalises) {
    EXPECT_EQ(NormalizeDatePicture("d/m/yy"), "dd/mm/yy");
    EXPECT_EQ(NormalizeDatePicture("DDDD MMMMM Y"), "DDD MMM yy");
    EXPECT_EQ(NormalizeDatePicture("'d m' \\y yyy"), "'d m' \\y yyyy");
    EXPECT_EQ(NormalizeDatePicture("d\\"), "dd\\");
    EXPECT_TRUE(DatePictureHasNames("dd mmm yy"));
    EXPECT_FALSE(DatePictureHasNames("dd/mm/yy 'mmm'"));
    EXPECT_EQ(PictureLiterals("HH:MM'h'", false), ":h");
}

TEST(LineWindow, MovesByTheDistanceAndStopsAtTheEnds) {
    EXPECT_EQ(MoveLineWindow({0, 0}, 9, 4, 10, true).topLine, 6);
    EXPECT_EQ(MoveLineWindow({0, 0}, 9, 4, 10, true).currentRow, 3);
    const LineWindow growing = MoveLineWindow({0, 3}, 4, 4, 5, false);
    EXPECT_EQ(growing.topLine, 1);
    EXPECT_EQ(growing.currentRow, 3);
    const LineWindow up = MoveLineWindow({10, 2}, 1, 4, 50, false);
    EXPECT_EQ(up.topLine, 0);
    EXPECT_EQ(up.currentRow, 1);
    const LineWindow huge = MoveLineWindow({0, 0}, std::numeric_limits<int>::max(), 4,
                                           std::numeric_limits<int>::max(), false);
    EXPECT_EQ(huge.topLine + huge.currentRow, std::numeric_limits<int>::max());
}

TEST(LineSelection, PlainSelectLeavesTheLineSelected) {
    LineSelection selection;
    selection.SetMode(2);
    selection.Select(2, 0, 10);
    selection.Select(5, LineSelection::add, 10);
    ASSERT_EQ(selection.SelectedLines(), (std::vector<int>{2, 5}));
    // Without flags every line is unselected and then the given one toggled, so a selected
    // line stays selected and is the only one.
    const auto changes = selection.Select(5, 0, 10);
    EXPECT_EQ(selection.SelectedLines(), std::vector<int>{5});
    EXPECT_EQ(selection.Count(), 1);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].line, 2);
    EXPECT_FALSE(changes[0].selected);
    EXPECT_TRUE(selection.Select(5, 0, 10).empty());
    EXPECT_EQ(selection.SelectedLines(), std::vector<int>{5});
    EXPECT_EQ(selection.Anchor(), 5);
    // Adding toggles.
    selection.Select(5, LineSelection::add, 10);
    EXPECT_TRUE(selection.SelectedLines().empty());
    EXPECT_EQ(selection.Count(), 0);
}

TEST(RecordPlacement, ReadsNumbersSafely) {
    const auto numbers = ReadPositionNumbers(" 10, -3,abc,99999999999,7,1,2,3,4,5");
    ASSERT_EQ(numbers.size(), 8u);
    EXPECT_EQ(numbers[0], 10);
    EXPECT_FALSE(numbers[1]);
    EXPECT_FALSE(numbers[2]);
    EXPECT_FALSE(numbers[3]);
    EXPECT_EQ(numbers[4], 7);
}

TEST(RecordPlacement, StacksInBlocks) {
    std::vector<FieldToPlace> fields(3);
    fields[0] = {10, 40, 20, {}};
    fields[1] = {30, 60, 20, {}};
    fields[2] = {5, 50, 20, {}};
    const auto placed = PlaceRecordFields(fields, 50);
    EXPECT_EQ(placed[0].control.x, 3 + 30 + 3);
    EXPECT_EQ(placed[1].control.y, 25);
    EXPECT_EQ(placed[2].control.x, 3 + 30 + 60 + 8 + 5 + 3) << "third field starts a block";
    EXPECT_EQ(placed[2].control.y, 3);
    EXPECT_EQ(placed[1].label.x + placed[1].label.width, placed[1].control.x - 3);
}

} // namespace
