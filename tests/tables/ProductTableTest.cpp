#include "tables/ProductTable.h"
#include "TableTestSupport.h"
#include "TempFolder.h"
#include "calc/ProductLoad.h"
#include "job/FixedText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

using ::testing::ElementsAre;

struct ProductRow {
    const char* name;
    double freeze, spa, spb;
    int latent;
    double hresp, gross, pkg, pkgSpa, pkgBtu;
    int mode;
    const char* temp;
    const char* rh;
    const char* life;
};

std::string Trimmed(std::string text) {
    return text.erase(text.find_last_not_of(' ') + 1);
}

class Products : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<ProductRow> rows = {
            {"Apples", 29.3, 0.87, 0.45, 121, 0.29, 0, 0, 0, 0, 1, "30-40", "90", "3-8 months"},
            {"Beer, 1/2 bbl keg", 28, 0.92, 0.47, 129, 0, 160, 30, 0.22, 130, 3, "35-40", "-",
             "3-8 weeks"},
            {"Apples, 50 lb box", 29.3, 0.87, 0.45, 121, 0.29, 50, 2, 0.33, 0, 2, "30-40", "90",
             "3-8 months"},
            {"None", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", ""},
            {"Empty crate", 0, 0, 0, 0, 0, 5, 5, 0.4, 0, 2, "", "", ""},
        };
        const std::string path = dir.File("PRODUCT.DAT");
        std::string message;
        ASSERT_TRUE(Table::Create(path, SchemaOf(ReferenceTable::Product).fields, message));
        {
            auto raw = Table::Open(path, TableAccess::ReadWrite, {}, message);
            ASSERT_NE(raw, nullptr) << message;
            for (const ProductRow& r : rows) {
                raw->d4appendStart(0);
                raw->f4assign("PRODUCT", r.name);
                raw->f4assignDouble("FREEZE", r.freeze);
                raw->f4assignDouble("SPA", r.spa);
                raw->f4assignDouble("SPB", r.spb);
                raw->f4assignInt("LATENT", r.latent);
                raw->f4assignDouble("HRESP", r.hresp);
                raw->f4assign("PKGTYPE", r.mode >= 2 ? "Carton" : "Bulk");
                raw->f4assign("PKGSIZE", r.mode >= 2 ? "50 lb" : "");
                raw->f4assignDouble("GROSS_WT", r.gross);
                raw->f4assignDouble("PKG_WT", r.pkg);
                raw->f4assignDouble("PKG_SPA", r.pkgSpa);
                raw->f4assignDouble("PKG_BTU", r.pkgBtu);
                raw->f4assignInt("CALCFLAG", r.mode);
                raw->f4assign("STORETEMP", r.temp);
                raw->f4assign("STORERH", r.rh);
                raw->f4assign("STORELIFE", r.life);
                ASSERT_EQ(raw->d4append(), r4success);
            }
        }
        product = OpenReferenceTable(dir.Path(), ReferenceTable::Product, message);
        ASSERT_NE(product, nullptr) << message;
        ResetProducts(image, 35);
    }

    TempFolder dir;
    std::unique_ptr<Table> product;
    JobImage image{};
};

TEST_F(Products, ListRowsAreInNameOrderWithRecordNumbers) {
    const auto rows = ProductListRows(*product);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].name, "Apples                          ");
    std::vector<int> numbers;
    for (const auto& row : rows)
        numbers.push_back(row.recordNo);
    EXPECT_THAT(numbers, ElementsAre(1, 3, 2, 5, 4));
}

TEST_F(Products, LocateFindsAProductTheTableHolds) {
    TProductSlot& slot = image.products[1];
    SetPadded(slot.productName, "Beer, 1/2 bbl keg", 32);
    LocateProductSlot(*product, slot);
    EXPECT_EQ(+slot.recordNo, 2);
    EXPECT_EQ(+slot.listIndex, 2);
    EXPECT_EQ(product->d4recCountDo(), 5);
}

TEST_F(Products, AJobProductTheTableLacksIsAddedWithTheJobsFactors) {
    TProductSlot& slot = image.products[1];
    SetPadded(slot.productName, "bananas, green", 32);
    slot.freezePoint = 30.6;
    slot.specHeatAbove = 0.80;
    slot.specHeatBelow = 0.42;
    slot.latentHeat = 108;
    slot.respHeat = 2.2;
    slot.calcFlag = 1;
    SetPadded(slot.storeLife, "1-4 weeks", 16);
    LocateProductSlot(*product, slot);
    EXPECT_EQ(+slot.recordNo, 6);
    EXPECT_EQ(+slot.listIndex, 2); // after the two "Apples" records
    ASSERT_EQ(product->d4go(6), r4success);
    EXPECT_EQ(product->f4str("PRODUCT"), "Bananas, green                  ");
    EXPECT_EQ(product->f4double("SPA"), 0.80);
    EXPECT_EQ(product->f4int("LATENT"), 108);
    EXPECT_EQ(Trimmed(product->f4str("STORELIFE")), "1-4 weeks");

    // OK then reads the record back: the factors survive the round trip.
    TProductSlot copy = slot;
    CommitProductPage(*product, copy, PageOfSlot(slot));
    EXPECT_EQ(GetText(copy.productName), "Bananas, green                  ");
    EXPECT_EQ(+copy.freezePoint, 30.6);
    EXPECT_EQ(+copy.specHeatBelow, 0.42);
    EXPECT_EQ(+copy.respHeat, 2.2);
    EXPECT_EQ(+copy.calcFlag, 1);
}

TEST_F(Products, AClearedSlotFindsTheNoneRecordOrAddsOneWithModeZero) {
    LocateProductSlot(*product, image.products[2]); // "None" from ResetProducts
    EXPECT_EQ(+image.products[2].recordNo, 4);
    ASSERT_EQ(product->d4go(4), r4success);
    ASSERT_EQ(product->d4delete(), r4success);
    ASSERT_EQ(product->d4pack(), r4success);
    product->d4tagSelect(product->d4tag(ProductTagName));
    ClearProductSlot(image.products[3]);
    LocateProductSlot(*product, image.products[3]);
    EXPECT_EQ(+image.products[3].recordNo, 5);
    ASSERT_EQ(product->d4go(5), r4success);
    EXPECT_EQ(product->f4int("CALCFLAG"), 0);
}

TEST_F(Products, AFactorTooLargeForItsFieldAddsNothing) {
    TProductSlot& slot = image.products[1];
    SetPadded(slot.productName, "Strange", 32);
    slot.grossWeight = 1e12;
    LocateProductSlot(*product, slot);
    EXPECT_EQ(product->d4recCountDo(), 5);
    EXPECT_EQ(+slot.recordNo, 1); // the first record of the name order
    EXPECT_EQ(+slot.listIndex, 0);
}

TEST_F(Products, ProductWeightFollowsTheMode) {
    TProductSlot slot = image.products[0];
    slot.quantity = 10;
    ASSERT_EQ(product->d4go(3), r4success); // packaged: 50 lb gross, 2 lb packaging
    ReadProductRecord(*product, slot);
    EXPECT_EQ(+slot.productWeight, 480);
    ASSERT_EQ(product->d4go(2), r4success); // per package: 160 lb
    ReadProductRecord(*product, slot);
    EXPECT_EQ(+slot.productWeight, 1600);
    ASSERT_EQ(product->d4go(1), r4success); // bulk
    ReadProductRecord(*product, slot);
    EXPECT_EQ(+slot.productWeight, 10);
    EXPECT_EQ(GetText(slot.storeTemp), "30-40  ");
    EXPECT_EQ(GetText(slot.storeLife), "3-8 months      ");
    ASSERT_EQ(product->d4go(4), r4success); // "None", mode 0
    ReadProductRecord(*product, slot);
    EXPECT_EQ(+slot.productWeight, 0);

    slot.quantity = 90000000;
    ASSERT_EQ(product->d4go(2), r4success);
    ReadProductRecord(*product, slot);
    EXPECT_EQ(+slot.productWeight, INT_MAX);
}

TEST_F(Products, CommitEmptiesSlotsOfNoneAndOfRecordsBeyondTheTable) {
    TProductSlot& slot = image.products[1];
    TProductPage page = PageOfSlot(slot);
    page.quantity = 25;
    page.enteringTemp = 50;
    page.recordNo = 3;
    CommitProductPage(*product, slot, page);
    EXPECT_EQ(Trimmed(GetText(slot.productName)), "Apples, 50 lb box");
    EXPECT_EQ(+slot.quantity, 25);
    EXPECT_EQ(+slot.productWeight, 1200);

    page.recordNo = 4; // "None"
    CommitProductPage(*product, slot, page);
    EXPECT_EQ(Trimmed(GetText(slot.productName)), "None");
    EXPECT_EQ(+slot.calcFlag, 0);
    EXPECT_EQ(+slot.quantity, 0);
    EXPECT_EQ(+slot.enteringTemp, 50);

    page.recordNo = 9; // the table shrank
    page.quantity = 25;
    CommitProductPage(*product, slot, page);
    EXPECT_EQ(Trimmed(GetText(slot.productName)), "None");
    EXPECT_EQ(+slot.recordNo, 0);
}

TEST_F(Products, InformationLinesForAProduceRecord) {
    const ProductInformation info = ReadProductInformation(*product, 1);
    EXPECT_EQ(info.packageType, "Bulk                     ");
    EXPECT_EQ(info.packageSize, std::string(28, ' '));
    EXPECT_EQ(info.suggested, "Suggested: Temp:       30-40    RH:90      Life: 3-8 months      ");
    EXPECT_EQ(info.factors, "Factors:  0.87 spa   0.45 spb 121 latent  29.3 FrzPoint");
    EXPECT_EQ(info.respiration, "Suggest  0.29 for Storage");
    EXPECT_TRUE(info.respirationEnabled);
}

// In SI the same record's figures carry SI units; a storage temperature range converts, any
// other text stays.
TEST_F(Products, InformationLinesInSi) {
    const ProductInformation info = ReadProductInformation(*product, 1, UnitSystem::Metric);
    EXPECT_EQ(info.suggested, "Suggested: Temp: -1 to 4 \xB0"
                              "C  RH:90      Life: 3-8 months      ");
    EXPECT_EQ(info.factors, "Factors:  3.64 spa   1.88 spb kJ/(kg\xB7K) 281 latent kJ/kg  -1.5 "
                            "FrzPoint \xB0"
                            "C");
    EXPECT_EQ(info.respiration, "Suggest   7.8 mW/kg for Storage");
    EXPECT_FALSE(info.countsPackages);
    const ProductInformation blank = ReadProductInformation(*product, 77, UnitSystem::Metric);
    EXPECT_EQ(blank.suggested, "Suggested: Temp:          RH:        Life:                 ");
}

TEST_F(Products, NoRespirationForAProductWithoutIt) {
    const ProductInformation info = ReadProductInformation(*product, 2);
    EXPECT_EQ(info.respiration, "No resp/fact this Product");
    EXPECT_FALSE(info.respirationEnabled);
    const ProductInformation none = ReadProductInformation(*product, 77);
    EXPECT_EQ(none.respiration, "No resp/fact this Product");
}

TEST_F(Products, EstimateLbsByModeAndTwiceInARow) {
    const EstimateOutcome bulk = EstimateLbs(*product, 1, "", 2160);
    EXPECT_EQ(bulk.quantityText, "2160");
    EXPECT_EQ(bulk.estimateMark, '*');
    const EstimateOutcome again = EstimateLbs(*product, 1, bulk.quantityText, 2160);
    EXPECT_EQ(again.quantityText, "");
    EXPECT_EQ(again.estimateMark, ' ');

    EXPECT_EQ(EstimateLbs(*product, 3, "", 2160).quantityText, "45"); // 2160 / 48
    EXPECT_EQ(EstimateLbs(*product, 2, "", 2160).quantityText, "13"); // 2160 / 160
    EXPECT_EQ(EstimateLbs(*product, 4, "7", 2160).quantityText, "0"); // mode 0
}

TEST_F(Products, EstimateLbsNeverDividesByZero) {
    // "Empty crate": mode 2 with gross weight equal to the packaging weight.
    const EstimateOutcome outcome = EstimateLbs(*product, 5, "12", 2160);
    EXPECT_EQ(outcome.quantityText, "0");
    EXPECT_EQ(outcome.estimateMark, '*');
    EXPECT_EQ(EstimateLbs(*product, 5, "0", 2160).estimateMark, ' ');
}

} // namespace
