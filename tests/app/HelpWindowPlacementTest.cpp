#include "app/HelpWindowPlacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

enum class Side { Right, Left, Below, Above, OverLeftEdge };

struct PlacementCase {
    const char* name;
    QRect dialog;
    QSize help;
    QRect screen;
    Side side;
    QSize placed; // the help window's size as placed
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

const QRect Screen(0, 0, 1280, 1024);
const QSize Help(640, 560);

class HelpPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(HelpPlacement, StandsBesideTheDialogOnTheScreen) {
    const PlacementCase& c = GetParam();
    const QRect place = PlaceBeside(c.dialog, c.help, c.screen);
    EXPECT_EQ(place.size(), c.placed);
    EXPECT_TRUE(c.screen.contains(place)) << place.x() << "," << place.y();
    switch (c.side) {
    case Side::Right:
        EXPECT_EQ(place.left(), c.dialog.right() + 1 + HelpGap);
        break;
    case Side::Left:
        EXPECT_EQ(place.right(), c.dialog.left() - 1 - HelpGap);
        break;
    case Side::Below:
        EXPECT_EQ(place.top(), c.dialog.bottom() + 1 + HelpGap);
        break;
    case Side::Above:
        EXPECT_EQ(place.bottom(), c.dialog.top() - 1 - HelpGap);
        break;
    case Side::OverLeftEdge:
        EXPECT_EQ(place.left(), c.screen.left());
        break;
    }
    if (c.side != Side::OverLeftEdge) {
        EXPECT_FALSE(place.intersects(c.dialog));
    } else {
        // Over the dialog's left part only: its right edge, where the buttons are, stays clear.
        EXPECT_LT(place.right(), c.dialog.right());
    }
    // Beside the dialog, it starts level with it where the screen allows.
    if (c.side == Side::Right || c.side == Side::Left) {
        EXPECT_EQ(place.top(), std::min(c.dialog.top(), c.screen.bottom() + 1 - place.height()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Help, HelpPlacement,
    ::testing::Values(
        PlacementCase{"room on the right", {100, 100, 400, 300}, Help, Screen, Side::Right, Help},
        PlacementCase{
            "room on the left only", {700, 100, 400, 300}, Help, Screen, Side::Left, Help},
        PlacementCase{"room below only", {300, 50, 700, 300}, Help, Screen, Side::Below, Help},
        PlacementCase{"room above only", {300, 700, 700, 300}, Help, Screen, Side::Above, Help},
        PlacementCase{"low dialog, help lifted onto the screen",
                      {100, 900, 400, 100},
                      Help,
                      Screen,
                      Side::Right,
                      Help},
        // Job Information in the middle of the screen: narrowed to the room on its right.
        PlacementCase{"narrowed beside a centred dialog",
                      {340, 260, 600, 500},
                      Help,
                      Screen,
                      Side::Right,
                      {1280 - 940 - HelpGap, 560}},
        PlacementCase{"shortened below a wide dialog",
                      {200, 300, 900, 300},
                      Help,
                      Screen,
                      Side::Below,
                      {640, 1024 - 600 - HelpGap}},
        PlacementCase{
            "no room anywhere", {100, 100, 1080, 820}, Help, Screen, Side::OverLeftEdge, Help},
        PlacementCase{"taller than the screen",
                      {100, 100, 400, 300},
                      {640, 1200},
                      Screen,
                      Side::Right,
                      {640, 1024}},
        PlacementCase{"a second screen to the right",
                      {1380, 100, 400, 300},
                      Help,
                      {1280, 0, 1280, 1024},
                      Side::Right,
                      Help},
        PlacementCase{"a screen with a panel on top",
                      {1280 - 450, 40, 400, 300},
                      Help,
                      {0, 32, 1280, 992},
                      Side::Left,
                      Help}));

} // namespace
