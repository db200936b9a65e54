// The summary as the window draws it: with every field at its widest, in both unit systems, no
// text touches another, nothing but a name is cut, and a cut name shows that it was cut.
#include "../dialogs/DialogTestSupport.h"
#include "../report/TextCollisions.h"
#include "../report/WidestJob.h"

#include "app/SummaryPlacement.h"
#include "app/SummaryView.h"
#include "cli/SampleJob.h"
#include "job/FixedText.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

std::vector<TextBox> Boxes(const std::vector<PlacedText>& placed, int blank) {
    std::vector<TextBox> boxes;
    for (const PlacedText& p : placed) {
        TextBox box;
        box.text = p.text.toStdString();
        box.left = box.inkLeft = p.box.left();
        box.right = box.inkRight = p.box.left() + p.box.width();
        box.top = p.box.top();
        box.bottom = p.box.top() + p.box.height();
        box.gap = blank;
        boxes.push_back(box);
    }
    return boxes;
}

class DesktopSummaryLayout : public testing::TestWithParam<std::tuple<UnitSystem, bool>> {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_P(DesktopSummaryLayout, NoTextTouchesAnotherAtTheWidestValues) {
    const auto [units, airChange] = GetParam();
    ReportFixture f;
    FillWidest(f, airChange);
    const SummaryPage page = BuildSummaryPage(f.job, f.state, f.submitter, units);
    const SummaryFonts fonts = MakeSummaryFonts();
    const std::vector<PlacedText> placed = PlaceSummary(page, fonts);
    ASSERT_EQ(placed.size(), page.size());
    const int blank = QFontMetrics(fonts.heading).horizontalAdvance(QLatin1Char(' '));
    for (const std::string& collision : Collisions(Boxes(placed, blank), false))
        ADD_FAILURE() << collision;
    for (const PlacedText& p : placed) {
        // The columns leave room for every figure and label where the page puts it.
        EXPECT_EQ(p.moved, 0) << p.text.toStdString();
        if (p.cut) {
            EXPECT_TRUE(page[p.item].mayCut) << p.text.toStdString();
            EXPECT_TRUE(p.text.endsWith(QChar(0x2026))) << p.text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnitsAndMethods, DesktopSummaryLayout,
                         testing::Combine(testing::Values(UnitSystem::Imperial, UnitSystem::Metric),
                                          testing::Bool()));

class SummaryWindow : public testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        BuildSampleJob(state.job);
        window = std::make_unique<TKlientWindow>(state);
    }
    // The texts of the window's last paint.
    const std::vector<PlacedText>& Painted() {
        window->resize(1400, 900);
        window->viewport()->grab();
        return window->placedTexts();
    }
    // A text of the last paint (painting again places the texts anew).
    const PlacedText* Find(const QString& start) const {
        for (const PlacedText& placed : window->placedTexts())
            if (placed.text.startsWith(start))
                return &placed;
        return nullptr;
    }

    AppState state;
    std::unique_ptr<TKlientWindow> window;
};

TEST_F(SummaryWindow, ALongSubmitterNameIsCutWithAnEllipsis) {
    SetText(state.submitter.companyName, "WESTERN MOUNTAIN REFRIGERATION");
    Painted();
    const PlacedText* submitter = Find(QStringLiteral("submitted by: WESTERN"));
    ASSERT_NE(submitter, nullptr);
    EXPECT_TRUE(submitter->text.endsWith(QChar(0x2026))) << submitter->text.toStdString();
}

TEST_F(SummaryWindow, BoxTemperatureLabelStaysWholeAtTheColdestSiFigure) {
    state.units = UnitSystem::Metric;
    state.job.image.header.boxTemp = -50; // -45.6 C
    Painted();
    const PlacedText* label = Find(QStringLiteral("Box Temp"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, QStringLiteral("Box Temperature"));
    const PlacedText* figure = Find(QStringLiteral("-45.6 \u00B0C"));
    ASSERT_NE(figure, nullptr);
    EXPECT_GE(figure->box.left(), label->box.left() + label->box.width() +
                                      QFontMetrics(*label->font).horizontalAdvance(' '));
}

} // namespace
