#include "RecordingSurface.h"

#include "formlib/Form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

using ::testing::ElementsAre;

namespace {

// Text measures 300 x 186 ("ABC").
class ExtendedText : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetSurface(&surface);
        ASSERT_TRUE(form.Open());
        surface.calls.clear();
    }

    // The rectangle and text start of the one ExtTextOut call.
    void ReadCall(PageRect& box, PagePoint& start) const {
        ASSERT_EQ(surface.calls.size(), 1u);
        unsigned options = 0;
        ASSERT_EQ(std::sscanf(surface.calls[0].c_str(), "ExtTextOut(%d, %d, %u, %d, %d, %d, %d",
                              &start.x, &start.y, &options, &box.left, &box.top, &box.right,
                              &box.bottom),
                  7)
            << surface.calls[0];
        EXPECT_EQ(options, extTextOpaque);
    }

    RecordingSurface surface;
    Form form;
};

struct Corner {
    double x;
    double y;
};

} // namespace

TEST_F(ExtendedText, AtAngleZeroTheBackgroundIsExactlyTheTextExtent) {
    EXPECT_TRUE(form.ExtTextOutA(0, 0, "ABC", 0));
    // From (X0, Y0) to (X0 + w, Y0 - h), the text starting at (X0, Y0).
    EXPECT_THAT(surface.calls,
                ElementsAre("ExtTextOut(100, 10372, 2, 100, 10372, 400, 10186, \"ABC\")"));
}

// The text turns counter-clockwise with the font's escapement; its background box must be the
// bounding box of the turned character cells, with its top-left corner on the mapped point.
TEST_F(ExtendedText, TurnedTextSitsInsideItsBackgroundBox) {
    for (const int angle : {300, 450, 900, 1350, 1800, 2700, -450, 3150}) {
        surface.calls.clear();
        form.ExtTextOutA(0, 0, "ABC", angle);
        PageRect box;
        PagePoint start;
        ReadCall(box, start);
        SCOPED_TRACE("angle " + std::to_string(angle));
        EXPECT_EQ(box.left, 100);
        EXPECT_EQ(box.top, 10372);

        const double theta = angle / 10.0 * 3.14159265358979 / 180;
        const double w = 300;
        const double h = 186;
        // Start, end of the baseline side, bottom of the first cell, far corner.
        const Corner corners[] = {{double(start.x), double(start.y)},
                                  {start.x + w * std::cos(theta), start.y + w * std::sin(theta)},
                                  {start.x + h * std::sin(theta), start.y - h * std::cos(theta)},
                                  {start.x + w * std::cos(theta) + h * std::sin(theta),
                                   start.y + w * std::sin(theta) - h * std::cos(theta)}};
        double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
        for (const Corner& corner : corners) {
            minX = std::min(minX, corner.x);
            maxX = std::max(maxX, corner.x);
            minY = std::min(minY, corner.y);
            maxY = std::max(maxY, corner.y);
        }
        EXPECT_NEAR(minX, box.left, 1.5);
        EXPECT_NEAR(maxX, box.right, 1.5);
        EXPECT_NEAR(maxY, box.top, 1.5);
        EXPECT_NEAR(minY, box.bottom, 1.5);
    }
}

TEST_F(ExtendedText, ExplicitFormMapsTheRectangleInPlace) {
    PageRect rect{0, 0, 500, 200};
    EXPECT_TRUE(form.ExtTextOutA(10, 20, 0x10006, &rect, "ABCDEF", 3, nullptr));
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 10372);
    EXPECT_EQ(rect.right, 600);
    EXPECT_EQ(rect.bottom, 10172);
    // Only the low 16 bits of the options pass, and only count characters.
    EXPECT_THAT(surface.calls,
                ElementsAre("ExtTextOut(110, 10352, 6, 100, 10372, 600, 10172, \"ABC\")"));
}

TEST_F(ExtendedText, ExplicitFormNeverReadsPastTheText) {
    const char text[] = "AB";
    const int spacing[] = {1, 2};
    form.ExtTextOutA(0, 0, 0, nullptr, text, 1000, spacing);
    form.ExtTextOutA(0, 0, 0, nullptr, text, -5, spacing);
    form.ExtTextOutA(0, 0, 0, nullptr, nullptr, 4, nullptr);
    EXPECT_THAT(surface.calls, ElementsAre("ExtTextOut(100, 10372, 0, null, \"AB\")",
                                           "ExtTextOut(100, 10372, 0, null, \"\")",
                                           "ExtTextOut(100, 10372, 0, null, \"\")"));
}
