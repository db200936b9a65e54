#include "calc/ProductLoad.h"
#include "CalcTestJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// 1000 lb of a bulk product: freezes at 28 F, 0.9 / 0.45 BTU/lb F, 100 BTU/lb latent.
void SetBulkProduct(TProductSlot& p, int entering) {
    p.calcFlag = 1;
    p.freezePoint = 28;
    p.specHeatAbove = 0.9;
    p.specHeatBelow = 0.45;
    p.latentHeat = 100;
    p.enteringTemp = entering;
    p.quantity = 1000;
    p.productWeight = 1000;
    p.pulldownHours = 24;
}

void SetMargin(JobImage& im, int margin) {
    im.latent.doNotExclude = margin == 0;
    im.latent.excludeWithin10 = margin == 10;
    im.latent.excludeWithin15 = margin == 15;
}

TEST(ProductLoad, FreezerBoxCountsAboveBelowAndLatent) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    TProductSlot& p = job.image.products[0];
    SetBulkProduct(p, 40);
    EXPECT_EQ(ComputeProductLoads(job.image), 450 + 525 + 4166);
    EXPECT_EQ(+p.aboveLoad, 450);
    EXPECT_EQ(+p.belowLoad, 525);
    EXPECT_EQ(+p.latentLoad, 4166);
    EXPECT_EQ(+p.latentApplies, 1);
    EXPECT_EQ(+p.slotLoad, 450 + 525 + 4166);
}

TEST(ProductLoad, CoolerBoxCountsOnlyAboveFreezing) {
    Job job = MakeBox(10, 10, 8, 35);
    ResetProducts(job.image, 35);
    TProductSlot& p = job.image.products[0];
    SetBulkProduct(p, 40);
    EXPECT_EQ(ComputeProductLoads(job.image), 187);
    EXPECT_EQ(+p.belowLoad, 0);
    EXPECT_EQ(+p.latentLoad, 0);
}

TEST(ProductLoad, ProductEnteringAtOrBelowBoxGivesNothing) {
    for (int entering : {0, -5}) {
        Job job = MakeBox(10, 10, 8, 0);
        ResetProducts(job.image, 0);
        TProductSlot& p = job.image.products[0];
        SetBulkProduct(p, entering);
        p.calcFlag = 2;
        p.pkgWeight = 1;
        p.pkgSpecHeat = 0.4;
        EXPECT_EQ(ComputeProductLoads(job.image), 0) << entering;
        // Respiration does not depend on the temperatures: produce respires whatever it enters at.
        p.respFactor = 0.5;
        p.respWeight = 1000;
        EXPECT_EQ(ComputeProductLoads(job.image), 20) << entering;
    }
}

TEST(ProductLoad, LatentMarginDecidesNearTheBoxTemperature) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    TProductSlot& p = job.image.products[0];
    SetBulkProduct(p, 10);
    p.freezePoint = 5;
    SetMargin(job.image, 10);
    EXPECT_EQ(LatentApplies(job.image, 0), 0); // 10 is not more than 10
    SetMargin(job.image, 0);
    EXPECT_EQ(LatentApplies(job.image, 0), 1);

    SetMargin(job.image, 15);
    p.enteringTemp = 16;
    EXPECT_EQ(LatentApplies(job.image, 0), 1);
    p.enteringTemp = 15;
    EXPECT_EQ(LatentApplies(job.image, 0), 0);
    p.enteringTemp = 12;
    EXPECT_EQ(LatentApplies(job.image, 0), 0);
    SetMargin(job.image, 0);
    EXPECT_EQ(LatentApplies(job.image, 0), 1);
}

TEST(ProductLoad, LatentNeverCountsAboveFreezingOrForFrozenProduct) {
    Job job = MakeBox(10, 10, 8, 30);
    ResetProducts(job.image, 30);
    TProductSlot& p = job.image.products[0];
    SetBulkProduct(p, 60);
    SetMargin(job.image, 0);
    EXPECT_EQ(LatentApplies(job.image, 0), 0); // box above the freezing point
    job.image.header.boxTemp = -10;
    p.enteringTemp = 20; // comes in frozen
    EXPECT_EQ(LatentApplies(job.image, 0), 0);
    p.enteringTemp = 40;
    EXPECT_EQ(LatentApplies(job.image, 0), 1);
    p.quantity = 0;
    EXPECT_EQ(LatentApplies(job.image, 0), 0);
}

TEST(ProductLoad, NoLatentFlagSetMeansNoMargin) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    SetBulkProduct(job.image.products[0], 5);
    job.image.products[0].freezePoint = 2;
    SetMargin(job.image, -1); // none of the three flags
    EXPECT_EQ(LatentApplies(job.image, 0), 1);
}

TEST(ProductLoad, PerPackageModeHasLatentAndPackageHeatOnly) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    TProductSlot& p = job.image.products[0];
    SetBulkProduct(p, 40);
    p.calcFlag = 3;
    p.quantity = 100;
    p.pkgBtu = 2.4;
    p.respFactor = 1.0;
    p.respWeight = 1000;
    ComputeProductLoads(job.image);
    EXPECT_EQ(+p.aboveLoad, 0);
    EXPECT_EQ(+p.belowLoad, 0);
    EXPECT_EQ(+p.respLoad, 0);
    EXPECT_EQ(+p.latentLoad, 4166);
    EXPECT_EQ(+p.pkgLoad, 400); // 100 x 2.4 x 40 / 24
}

TEST(ProductLoad, PackagedModeAddsPackagingAndRespiration) {
    Job job = MakeBox(10, 10, 8, 35);
    ResetProducts(job.image, 35);
    TProductSlot& p = job.image.products[1];
    SetBulkProduct(p, 59);
    p.calcFlag = 2;
    p.quantity = 50;
    p.pkgWeight = 4;
    p.pkgSpecHeat = 0.6;
    p.respFactor = 1.2;
    p.respWeight = 800;
    ComputeProductLoads(job.image);
    EXPECT_EQ(+p.pkgLoad, 120); // 50 x 4 x 0.6 x 24 / 24
    EXPECT_EQ(+p.respLoad, 40); // 1.2 x 800 / 24
    EXPECT_EQ(+p.aboveLoad, 900);
    EXPECT_EQ(+p.slotLoad, 120 + 40 + 900);
}

TEST(ProductLoad, ZeroPulldownHoursGivesNoLoadForThatSlot) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    SetBulkProduct(job.image.products[0], 40);
    SetBulkProduct(job.image.products[1], 40);
    job.image.products[0].pulldownHours = 0;
    job.image.products[0].slotLoad = 999; // stale figure from the file
    EXPECT_EQ(ComputeProductLoads(job.image), 450 + 525 + 4166);
    EXPECT_EQ(+job.image.products[0].slotLoad, 0);
}

TEST(ProductLoad, SumOfHugeSlotsSaturates) {
    Job job = MakeBox(10, 10, 8, 0);
    ResetProducts(job.image, 0);
    for (TProductSlot& p : job.image.products) {
        SetBulkProduct(p, 40);
        p.productWeight = 2000000000;
        p.pulldownHours = 1;
    }
    EXPECT_EQ(ComputeProductLoads(job.image), 2147483647);
}

TEST(ProductCapacity, EstimatesByVolumeAndTemperature) {
    Job job = MakeBox(10, 10, 8, 35);
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 2160);
    job.image.header.boxTemp = 0;
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 560);
    job.image.header.boxTemp = 32; // 32 F is a freezer
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 560);
    job.image.header.length = 0.05; // 4 cubic feet
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 0);
    job.image.header = MakeBox(100, 100, 9, 35).image.header; // 90000 cu ft: no row
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 90000);
    job.image.header.length = 1e12;
    EXPECT_EQ(EstimateProductCapacity(job.image.header), 2147483647);
}

TEST(ProductSlots, ResetMakesGeneralStorageAndEmptySlots) {
    Job job = MakeBox(10, 10, 8, 35);
    ResetProducts(job.image, 35);
    const TProductSlot& first = job.image.products[0];
    EXPECT_EQ(GetText(first.productName), "General Storage                 ");
    EXPECT_EQ(+first.calcFlag, 1);
    const TProductSlot& other = job.image.products[4];
    EXPECT_EQ(GetText(other.productName), "None                            ");
    EXPECT_EQ(+other.calcFlag, 0);
    EXPECT_EQ(+other.enteringTemp, 45);
    EXPECT_EQ(+other.pulldownHours, 24);
    EXPECT_DOUBLE_EQ(+other.freezePoint, 28.0);
    EXPECT_EQ(+other.latentHeat, 112);
    EXPECT_EQ(GetText(other.storeTemp), std::string(13, ' '));
    EXPECT_EQ(GetText(other.category), std::string(14, ' '));
    EXPECT_EQ(+other.estimateMark, ' ');
}

TEST(ProductSlots, ClearingKeepsTheEnteringTemperature) {
    Job job = MakeBox(10, 10, 8, 35);
    TProductSlot& p = job.image.products[2];
    SetBulkProduct(p, 55);
    ClearProductSlot(p);
    EXPECT_EQ(GetText(p.productName), "None                            ");
    EXPECT_EQ(+p.enteringTemp, 55);
    EXPECT_EQ(+p.pulldownHours, 24);
    EXPECT_EQ(+p.quantity, 0);
    EXPECT_EQ(+p.latentHeat, 0);
    EXPECT_DOUBLE_EQ(+p.specHeatAbove, 0.0);
    EXPECT_EQ(GetText(p.pkgSize), "       ");
}

} // namespace

namespace {

std::string SourceFile(const char* name) {
    std::ifstream in(std::string(QUELBOX_SOURCE_DIR) + "/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The worked example of the product help page and the README: 2000 lb at 0.90 BTU/lb F from 50 F
// into a 35 F cooler is 27000 BTU; a 24-hour pull-down with 16 run hours is entered as 16 hours
// to give the worksheet's 27000 / 16, not 27000 / 24.
TEST(ProductLoad, PullDownHoursCountAsHoursOfEquipmentRunAsTheHelpShows) {
    struct Entered {
        int pulldownHours;
        int32_t load;
        const char* documented;
    };
    for (const Entered e : {Entered{24, 1125, "27000 / 24 = 1125 BTUH"},
                            Entered{16, 1687, "27000 / 16 = 1687 BTUH"}}) {
        Job job = MakeBox(10, 10, 8, 35);
        job.image.header.runHours = 16;
        ResetProducts(job.image, 35);
        TProductSlot& p = job.image.products[0];
        p.calcFlag = 1;
        p.freezePoint = 30;
        p.specHeatAbove = 0.9;
        p.enteringTemp = 50;
        p.quantity = 2000;
        p.productWeight = 2000;
        p.pulldownHours = e.pulldownHours;
        EXPECT_EQ(ComputeProductLoads(job.image), e.load);
        for (const char* document : {"help/loads.html", "README.md"})
            EXPECT_NE(SourceFile(document).find(e.documented), std::string::npos) << document;
    }
    EXPECT_NE(SourceFile("help/loads.html").find("Entered with 16 pull-down hours"),
              std::string::npos);
}

} // namespace
