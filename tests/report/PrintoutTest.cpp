#include "ReportTestJob.h"

#include "report/PrintoutTavrin.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Hands out one recording surface per page, and can refuse a page.
class RecordedPages : public PageSink {
public:
    Surface* BeginPage(int32_t page) override {
        if (page == failAt)
            return nullptr;
        pages.push_back(page);
        surfaces.push_back(std::make_unique<ReportSurface>());
        return surfaces.back().get();
    }
    void EndPage(int32_t page) override { ended.push_back(page); }

    int32_t failAt = 0;
    std::vector<int32_t> pages;
    std::vector<int32_t> ended;
    std::vector<std::unique_ptr<ReportSurface>> surfaces;
};

TEST(PrintoutTavrin, PageCountFollowsProductsTwoToFive) {
    ReportFixture f;
    PrintoutTavrin printout("Sample Cooler");
    EXPECT_EQ(printout.PageCount(), 0);
    PrintPageRange range = printout.GetDialogInfo(f.job.image);
    EXPECT_EQ(printout.PageCount(), 1);
    EXPECT_EQ(range.minPage, 1);
    EXPECT_EQ(range.maxPage, 1);
    EXPECT_EQ(range.selectionFrom, 0);
    EXPECT_EQ(range.selectionTo, 0);
    EXPECT_EQ(range.toPage, 1);
    EXPECT_EQ(range.copies, 1);

    for (int slot = 1; slot < ProductSlotCount; ++slot) {
        ReportFixture g;
        g.UseProduct(slot, "Pears");
        range = printout.GetDialogInfo(g.job.image);
        EXPECT_EQ(range.maxPage, 2) << slot;
        EXPECT_EQ(range.toPage, 2) << slot;
    }
    // Product 1 alone, even without a load anywhere, is one page.
    f.job.image.products[0].slotLoad = 0;
    EXPECT_EQ(printout.GetDialogInfo(f.job.image).maxPage, 1);
}

TEST(PrintoutTavrin, PrintsBothPagesInOrder) {
    ReportFixture f;
    f.UseProduct(2, "Pears");
    PrintoutTavrin printout("Sample Cooler");
    printout.SetPrintParams(f.job.image);
    RecordedPages sink;
    EXPECT_EQ(PrintPages(printout, f.Content(), 1, 999, sink), 2);
    EXPECT_EQ(sink.pages, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(sink.ended, (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(sink.surfaces[0]->drawn.Has("WALL GAIN"));
    EXPECT_EQ(sink.surfaces[0]->drawn.Find("(page ")->text, "(page 1 of 2)");
    EXPECT_EQ(sink.surfaces[1]->drawn.Find("(page ")->text, "(page 2 of 2)");
}

TEST(PrintoutTavrin, PageTwoAlone) {
    ReportFixture f;
    f.UseProduct(1, "Pears");
    PrintoutTavrin printout("Sample Cooler");
    printout.SetPrintParams(f.job.image);
    RecordedPages sink;
    EXPECT_EQ(PrintPages(printout, f.Content(), 2, 2, sink), 1);
    ASSERT_EQ(sink.pages, (std::vector<int32_t>{2}));
    EXPECT_EQ(sink.surfaces[0]->drawn.Find("(page ")->text, "(page 2 of 2)");
}

TEST(PrintoutTavrin, RangeIsKeptWithinThePages) {
    ReportFixture f;
    PrintoutTavrin printout("Sample Cooler");
    RecordedPages sink;
    EXPECT_EQ(PrintPages(printout, f.Content(), 0, 2, sink), 1);
    EXPECT_EQ(sink.pages, (std::vector<int32_t>{1}));
    EXPECT_FALSE(sink.surfaces[0]->drawn.Has("(page "));
}

TEST(PrintoutTavrin, NothingPrintsWithoutAJob) {
    ReportFixture f;
    f.job.image.flags.jobLoaded = 0;
    PrintoutTavrin printout("");
    printout.SetPrintParams(f.job.image);
    RecordedPages sink;
    EXPECT_EQ(PrintPages(printout, f.Content(), 1, 1, sink), 0);
    EXPECT_TRUE(sink.pages.empty());
    EXPECT_FALSE(printout.HasPage(1));
}

TEST(PrintoutTavrin, AbortOnPageOneStopsTheRun) {
    ReportFixture f;
    f.UseProduct(1, "Pears");
    PrintoutTavrin printout("Sample Cooler");
    printout.SetPrintParams(f.job.image);
    int asked = 0;
    printout.SetUserAbort([&asked] { return ++asked == 20; });
    RecordedPages sink;
    EXPECT_EQ(PrintPages(printout, f.Content(), 1, 2, sink), 1);
    EXPECT_FALSE(printout.MorePages());
    EXPECT_FALSE(sink.surfaces[0]->drawn.Has("Comments:"));
}

TEST(PrintoutTavrin, DeviceFailureStopsTheRun) {
    ReportFixture f;
    f.UseProduct(1, "Pears");
    PrintoutTavrin printout("Sample Cooler");
    printout.SetPrintParams(f.job.image);
    RecordedPages sink;
    sink.failAt = 2;
    EXPECT_EQ(PrintPages(printout, f.Content(), 1, 2, sink), 1);
    EXPECT_EQ(sink.ended, (std::vector<int32_t>{1}));
}

} // namespace
