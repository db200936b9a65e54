// Nothing on a report page touches another text, in either unit system, with every field at its
// widest, measured in the fonts the pages are printed with.
#include "MeasuringSurface.h"
#include "WidestJob.h"
#include "report/PrintedReport.h"
#include "report/ReportPdf.h"
#include "report/ReportRows.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>
#include <tuple>

namespace {

std::vector<TextBox> DrawMeasured(const ReportFixture& f, int page) {
    static const std::unique_ptr<QGuiApplication> app = StartGuiApplicationIfNone();
    QImage image = LetterPage();
    QPainter painter(&image);
    MeasuringSurface surface(painter);
    ReportPageControl control{2, true, {}};
    DrawReportPage(page, surface, f.Content(), control);
    return surface.texts;
}

void ExpectClearAndInsideTheFrame(const std::vector<TextBox>& texts) {
    ASSERT_GT(texts.size(), 30u);
    for (const std::string& collision : Collisions(texts, true))
        ADD_FAILURE() << collision;
    for (const TextBox& text : texts)
        EXPECT_LE(text.inkRight, report::FrameWidth) << text.text;
}

using Layout = std::tuple<UnitSystem, bool, int>; // units, air change method, page

class ReportLayout : public testing::TestWithParam<Layout> {};

TEST_P(ReportLayout, NoTextTouchesAnotherAtTheWidestValues) {
    const auto [units, airChange, page] = GetParam();
    ReportFixture f;
    FillWidest(f, airChange);
    f.units = units;
    ExpectClearAndInsideTheFrame(DrawMeasured(f, page));
}

// The sample job's texts are all whole: nothing is cut where there is room.
TEST_P(ReportLayout, TheSampleJobsTextsAreWhole) {
    const auto [units, airChange, page] = GetParam();
    ReportFixture f;
    f.units = units;
    f.job.image.infiltration.airChangeMethod = airChange ? 1 : 0;
    f.UseProduct(1, "Pears");
    const std::vector<TextBox> texts = DrawMeasured(f, page);
    ExpectClearAndInsideTheFrame(texts);
    for (const TextBox& text : texts)
        EXPECT_EQ(text.text.find("\u2026"), std::string::npos) << text.text;
}

INSTANTIATE_TEST_SUITE_P(BothUnitsMethodsAndPages, ReportLayout,
                         testing::Combine(testing::Values(UnitSystem::Imperial, UnitSystem::Metric),
                                          testing::Bool(), testing::Values(1, 2)));

} // namespace
