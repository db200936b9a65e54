// The text-in-a-box layout every surface can share: word wrapping, line breaks, alignment and
// the direction of following lines.

#include "RecordingSurface.h"

#include "formlib/Form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// Lays text out as a real surface does (100 units a character, lines 186 high) and records
// the resulting TextOut calls.
class WrappingSurface : public RecordingSurface {
public:
    bool yUp = true;

    bool DrawText(const PageRect& box, std::string_view text, TextAlign align) override {
        return DrawWrappedText(box, text, align, yUp);
    }
};

class WrappedText : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetSurface(&surface);
        ASSERT_TRUE(form.Open());
        surface.calls.clear();
    }

    WrappingSurface surface;
    Form form;
};

} // namespace

TEST_F(WrappedText, TextThatFitsIsOneLineWithItsSpacesKept) {
    form.DrawTextA(0, 0, 1000, 500, "  a  b   ");
    EXPECT_THAT(surface.calls, ElementsAre("TextOut(100, 10372, \"  a  b   \")"));
}

TEST_F(WrappedText, WordsWrapAtTheBoxWidthAndLinesGoDown) {
    // 1000 units hold ten characters.
    form.DrawTextA(0, 0, 1000, 500, "alpha beta gamma delta");
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(100, 10372, \"alpha beta\")", "TextOut(100, 10186, \"gamma\")",
                            "TextOut(100, 10000, \"delta\")"));
}

TEST_F(WrappedText, AWordWiderThanTheBoxKeepsALineOfItsOwn) {
    form.DrawTextA(0, 0, 500, 500, "a refrigeration b");
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(100, 10372, \"a\")", "TextOut(100, 10186, \"refrigeration\")",
                            "TextOut(100, 10000, \"b\")"));
}

TEST_F(WrappedText, LineEndsBreakLinesAndEmptyLinesTakeTheirPlace) {
    form.DrawTextA(0, 0, 5000, 500, "one\r\ntwo\n\nfour\rfive");
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(100, 10372, \"one\")", "TextOut(100, 10186, \"two\")",
                            "TextOut(100, 10000, \"\")", "TextOut(100, 9814, \"four\")",
                            "TextOut(100, 9628, \"five\")"));
}

TEST_F(WrappedText, RightAlignedLinesEndAtTheRightEdge) {
    form.TextRight(1300, 0, "  12345 btuh");
    form.TextRight(700, 0, "total load here");
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(100, 10372, \"  12345 btuh\")",
                            "TextOut(200, 10372, \"total\")", "TextOut(300, 10186, \"load\")",
                            "TextOut(300, 10000, \"here\")"));
}

TEST_F(WrappedText, ANegativeWidthPutsEveryWordOnItsOwnLine) {
    form.TextRight(-100, 0, "a b");
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(-200, 10372, \"a\")", "TextOut(-200, 10186, \"b\")"));
}

TEST(WrappedTextDirection, InDeviceUnitsFollowingLinesGoDown) {
    WrappingSurface surface;
    surface.yUp = false;
    surface.DrawText(PageRect{0, 0, 1000, 1000}, "alpha beta gamma", TextAlign::Left);
    EXPECT_THAT(surface.calls,
                ElementsAre("TextOut(0, 0, \"alpha beta\")", "TextOut(0, 186, \"gamma\")"));
}
