#include "RecordingSurface.h"

#include "formlib/Form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

using ::testing::ElementsAre;

namespace {

// A Form opened on a 203 x 266 mm printable area; the calls of Open are dropped.
class OpenedForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetSurface(&surface);
        ASSERT_TRUE(form.Open());
        surface.calls.clear();
        surface.fonts.clear();
    }

    RecordingSurface surface;
    Form form;
};

std::string DefaultFontCall() {
    return "SelectFont(face=New Times Roman height=-139 width=0 escapement=0 orientation=0 "
           "weight=400 italic=0 underline=0 strikeOut=0 charSet=0 outPrecision=7 "
           "clipPrecision=0 quality=1 pitchAndFamily=0)";
}

} // namespace

TEST(FormOpen, PageSizeComesFromThePrintableMillimetres) {
    RecordingSurface surface;
    Form form;
    form.SetSurface(&surface);
    EXPECT_TRUE(form.Open());
    EXPECT_EQ(form.PageWidth(), 7992);
    EXPECT_EQ(form.PageHeight(), 10472);

    surface.horzSizeMm = 216; // 8503.9 truncates
    surface.vertSizeMm = 1;   // 39.37 truncates
    form.Open();
    EXPECT_EQ(form.PageWidth(), 8503);
    EXPECT_EQ(form.PageHeight(), 39);
}

TEST(FormOpen, MapsTheSurfaceThenSelectsTheDefaultFontAndPen) {
    RecordingSurface surface;
    surface.vertRes = 3142;
    Form form;
    form.SetSurface(&surface);
    form.Open();
    EXPECT_THAT(surface.calls, ElementsAre("SetMapModeHiEnglish()", "SetViewportOrg(0, 3142)",
                                           DefaultFontCall(), "SelectPen(14)"));
}

TEST(FormOpen, WithoutASurfaceNothingDraws) {
    Form form;
    EXPECT_FALSE(form.Open());
    EXPECT_FALSE(form.TextAt(0, 0, "x"));
    EXPECT_FALSE(form.SetFont("Arial", 12, 400, 0, 0));
    EXPECT_FALSE(form.Box(0, 0, 10, 10));
    EXPECT_FALSE(form.Line(0, 0, 10, 0));
    EXPECT_FALSE(form.DrawBMP(0, 0, "lgo.bmp"));
    EXPECT_FALSE(form.ExtTextOutA(0, 0, "x", 0));
    EXPECT_FALSE(form.CenterLine(0, 10, 1));
}

TEST_F(OpenedForm, TextAtOriginIsATenthOfAnInchInsideThePrintableCorner) {
    EXPECT_TRUE(form.TextAt(0, 0, "Job Name:"));
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(100, 10372, \"Job Name:\")"));
}

TEST_F(OpenedForm, TextAtAPointUsesSurfaceCoordinatesUnmapped) {
    form.TextAt(PagePoint{123, 456}, "raw");
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(123, 456, \"raw\")"));
}

TEST_F(OpenedForm, NullTextDrawsAsEmptyText) {
    form.TextAt(0, 0, static_cast<const char*>(nullptr));
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(100, 10372, \"\")"));
}

TEST_F(OpenedForm, TextRightEndsAHundredUnitsLeftOfWhereTextAtStarts) {
    form.TextRight(7800, 280, "  12345 btuh");
    form.TextAt(7800, 280, "next");
    // The box spans X 0 to 7800 with its top at the mapped y and its bottom y further down.
    EXPECT_THAT(surface.calls,
                ElementsAre("DrawText(0, 10092, 7800, 9812, \"  12345 btuh\", right)",
                            "TextOut(7900, 10092, \"next\")"));
}

TEST_F(OpenedForm, DrawTextBoxHangsFromTheMappedCorner) {
    form.DrawTextA(50, 200, 2000, 400, "R & D");
    EXPECT_THAT(surface.calls, ElementsAre("DrawText(150, 10172, 2150, 9772, \"R & D\", left)"));
}

TEST_F(OpenedForm, BoxOutlinesTheHeaderWithTheDefaultPen) {
    RecordingSurface fresh;
    Form page;
    page.SetSurface(&fresh);
    page.Open();
    page.Box(0, 0, 7875, 690);
    // 7.875 inches wide, 0.69 inch high, drawn with the pen Open selected (14 units).
    EXPECT_EQ(fresh.calls.back(), "Rectangle(100, 10372, 7975, 9682)");
    EXPECT_EQ(fresh.CallsOf("SelectPen"), std::vector<std::string>{"SelectPen(14)"});

    form.Box(PageRect{0, 0, 7875, 690});
    EXPECT_THAT(surface.calls, ElementsAre("Rectangle(100, 10372, 7975, 9682)"));
}

TEST_F(OpenedForm, LinesMapBothEnds) {
    form.Line(0, 1120, 7875, 0);
    form.Line(10, 20, 30, 40);
    form.Line(PagePoint{10, 20}, 30);
    form.Line(10, 20, 30);
    EXPECT_THAT(surface.calls,
                ElementsAre("Line(100, 9252, 7975, 9252)", "Line(110, 10352, 140, 10312)",
                            "Line(110, 10352, 140, 10352)", "Line(110, 10352, 140, 10352)"));
}

TEST_F(OpenedForm, ShadedFillRectUsesTheLightDotPatternAndNoOutline) {
    form.ShadedFillRect(0, 0, 1000, 500, 12345);
    EXPECT_THAT(surface.calls,
                ElementsAre("PatternFill(100, 10372, 1100, 9872, FE FE EF FE EF EF FE EF)"));
}

TEST_F(OpenedForm, SetPenSizeSelectsANewPen) {
    form.SetPenSize(30);
    form.Line(0, 0, 10, 0);
    EXPECT_THAT(surface.calls, ElementsAre("SelectPen(30)", "Line(100, 10372, 110, 10372)"));
}

TEST_F(OpenedForm, TextCenterCentresOnThePageAndClampsAtTheLeftEdge) {
    form.TextCenter(0, "ABCD");                        // 400 wide: 3996 - 200
    form.TextCenter(0, std::string(100, 'W').c_str()); // 10000 wide: clamped to 0
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(3896, 10372, \"ABCD\")",
                            "TextOut(100, 10372, \"" + std::string(100, 'W') + "\")"));
}

TEST(FormCentring, HalvesTruncateTowardZero) {
    RecordingSurface surface;
    surface.horzSizeMm = 204; // page width 8031
    surface.measure = [](std::string_view text) {
        return TextSize{static_cast<std::int32_t>(text.size()) * 101, 186};
    };
    Form form;
    form.SetSurface(&surface);
    form.Open();
    surface.calls.clear();
    form.TextCenter(0, "ABC");    // 4015 - 303 / 2 = 3864
    form.CenterLine(0, 1001, 20); // 4015 - 500 = 3515
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(3964, 10372, \"ABC\")", "SelectPen(20)",
                                           "Line(3615, 10372, 4616, 10372)"));
}

TEST_F(OpenedForm, CenterLineKeepsItsPenAndClampsANegativeStart) {
    form.CenterLine(500, 1000, 20);
    form.CenterLine(600, 10000, 8); // would start at -1004: starts at the left edge
    form.Line(0, 0, 5, 0);
    EXPECT_THAT(surface.calls,
                ElementsAre("SelectPen(20)", "Line(3596, 9872, 4596, 9872)", "SelectPen(8)",
                            "Line(100, 9772, 10100, 9772)", "Line(100, 10372, 105, 10372)"));
}

TEST_F(OpenedForm, CoordinatesBeyondThirtyTwoBitsSaturate) {
    constexpr auto most = std::numeric_limits<std::int32_t>::max();
    constexpr auto least = std::numeric_limits<std::int32_t>::min();
    form.TextAt(most, least, "x");
    form.Line(most, most, most, least);
    form.Box(least, least, least, least);
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(2147483647, 2147483647, \"x\")",
                            "Line(2147483647, -2147473275, 2147483647, 10373)",
                            "Rectangle(-2147483548, 2147483647, -2147483648, 2147483647)"));
}

TEST_F(OpenedForm, SetFontCarriesTheOtherAttributesOfTheCurrentFont) {
    EXPECT_TRUE(form.SetFont("Arial", 12, 700, 0, 0));
    EXPECT_THAT(surface.calls,
                ElementsAre("SelectFont(face=Arial height=-167 width=0 escapement=0 "
                            "orientation=0 weight=700 italic=0 underline=0 strikeOut=0 "
                            "charSet=0 outPrecision=7 clipPrecision=0 quality=1 "
                            "pitchAndFamily=0)",
                            "SetTextColor(0)"));
}

TEST_F(OpenedForm, SetFontHeightIsTheCharacterHeightOfThePointSize) {
    for (const int points : {9, 10, 12, 14, 16, 8, -10}) {
        form.SetFont("Arial", points, 400, 0, 0);
    }
    std::vector<std::int32_t> heights;
    for (const auto& font : surface.fonts) {
        heights.push_back(font.height);
    }
    EXPECT_THAT(heights, ElementsAre(-125, -139, -167, -194, -222, -111, 139));
}

TEST_F(OpenedForm, SetFontUsesTheLowByteOfItalicAndTurnsByWholeDegrees) {
    form.SetFont("Arial", 10, 400, 0x101, 45);
    form.SetFont("Arial", 10, 400, 0x100, -90);
    ASSERT_EQ(surface.fonts.size(), 2u);
    EXPECT_EQ(surface.fonts[0].italic, 1);
    EXPECT_EQ(surface.fonts[0].escapement, 450);
    EXPECT_EQ(surface.fonts[1].italic, 0);
    EXPECT_EQ(surface.fonts[1].escapement, -900);
    EXPECT_EQ(surface.fonts[1].orientation, 0);
}

TEST_F(OpenedForm, SetFontKeepsAtMostThirtyOneCharactersOfTheFace) {
    const std::string longFace(40, 'F');
    form.SetFont(longFace.c_str(), 10, 400, 0, 0);
    form.SetFont(nullptr, 10, 400, 0, 0);
    ASSERT_EQ(surface.fonts.size(), 2u);
    EXPECT_EQ(surface.fonts[0].face, std::string(31, 'F'));
    EXPECT_EQ(surface.fonts[1].face, "");
}

TEST_F(OpenedForm, HugePointSizesSaturateInsteadOfOverflowing) {
    form.SetFont("Arial", std::numeric_limits<std::int32_t>::min(), 400, 0, 0);
    form.SetFont("Arial", std::numeric_limits<std::int32_t>::max(), 400, 0, 0);
    ASSERT_EQ(surface.fonts.size(), 2u);
    EXPECT_EQ(surface.fonts[0].height, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(surface.fonts[1].height, -std::numeric_limits<std::int32_t>::max());
}

TEST(FormResources, StringResourcesAreDrawnUpTo254Characters) {
    RecordingSurface surface;
    surface.strings[7] = "Hello";
    surface.strings[8] = std::string(300, 'x');
    Form form;
    form.SetSurface(&surface);
    form.Open();
    surface.calls.clear();
    EXPECT_TRUE(form.TextAt(0, 0, 7));
    EXPECT_FALSE(form.TextAt(0, 0, 99)); // missing: nothing is drawn
    EXPECT_TRUE(form.TextAt(0, 0, 8));
    EXPECT_TRUE(form.DrawTextA(0, 0, 500, 500, 7));
    EXPECT_FALSE(form.DrawTextA(0, 0, 500, 500, 99));
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(100, 10372, \"Hello\")",
                                           "TextOut(100, 10372, \"" + std::string(254, 'x') + "\")",
                                           "DrawText(100, 10372, 600, 9872, \"Hello\", left)"));
}
