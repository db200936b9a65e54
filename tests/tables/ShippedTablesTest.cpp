#include "tables/ShippedTables.h"
#include "TableTestSupport.h"
#include "TempFolder.h"
#include "tables/InsulationTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

using ::testing::HasSubstr;

const std::filesystem::path Shipped = QUELBOX_TEST_DATA_DIR;

std::string Trimmed(std::string text) {
    return text.erase(text.find_last_not_of(' ') + 1);
}

class ShippedTables : public ::testing::Test {
protected:
    void SetUp() override {
        tables = OpenReferenceTables(Shipped);
        for (ReferenceTable which : AllReferenceTables)
            ASSERT_NE(tables.get(which), nullptr) << tables.problem(which);
    }
    ReferenceTables tables;
};

TEST_F(ShippedTables, OpenWithTheirStartUpTags) {
    EXPECT_EQ(tables.insul->d4tagSelected(), tables.insul->d4tag("INSUL"));
    EXPECT_EQ(tables.product->d4tagSelected(), tables.product->d4tag("PRODUCT"));
    EXPECT_EQ(tables.coils->d4tagSelected(), tables.coils->d4tag("BTUH"));
    EXPECT_EQ(tables.units->d4tagSelected(), nullptr);
    for (char column = 'A'; column <= 'K'; ++column)
        EXPECT_NE(tables.units->d4tag(std::string("BTU") + column), nullptr) << column;
}

TEST_F(ShippedTables, InsulationHoldsTheWallDefaultAndBothFloors) {
    Table& insul = *tables.insul;
    EXPECT_GE(insul.d4recCountDo(), 25);
    const struct {
        const char* name;
        double factor;
        char kind;
    } required[] = {{"Polystyrene,molded", 0.20, 'K'},
                    {"Concrete 6\" slab", 0.21, 'U'},
                    {"Concrete w/ 6\" styrene", 0.04, 'U'}};
    for (const auto& r : required) {
        ASSERT_NE(FindInsulation(insul, r.name), 0) << r.name;
        EXPECT_DOUBLE_EQ(insul.f4double("FACTOR"), r.factor) << r.name;
        EXPECT_EQ(insul.f4char("KU"), r.kind) << r.name;
    }
    for (int rc = insul.d4top(); rc == r4success; rc = insul.d4skip(1)) {
        const double factor = insul.f4double("FACTOR");
        EXPECT_TRUE(factor > 0 && factor <= 120) << insul.f4str("INSULATION");
        EXPECT_TRUE(insul.f4char("KU") == 'K' || insul.f4char("KU") == 'U');
    }
}

TEST_F(ShippedTables, ProductsCoverTheTradeWithEveryMode) {
    Table& product = *tables.product;
    EXPECT_GE(product.d4recCountDo(), 120);
    std::set<std::string> categories;
    int modes[4] = {};
    for (int rc = product.d4top(); rc == r4success; rc = product.d4skip(1)) {
        const int mode = product.f4int("CALCFLAG");
        ASSERT_TRUE(mode >= 0 && mode <= 3) << product.f4str("PRODUCT");
        ++modes[mode];
        categories.insert(Trimmed(product.f4str("CATEG")));
        if (mode == 2) {
            EXPECT_GT(product.f4double("GROSS_WT"), product.f4double("PKG_WT"));
        }
        if (mode == 3) {
            EXPECT_GT(product.f4double("PKG_BTU"), 0.0);
        }
        if (Trimmed(product.f4str("CATEG")) == "Meat") {
            EXPECT_EQ(product.f4double("HRESP"), 0.0) << product.f4str("PRODUCT");
        }
    }
    EXPECT_EQ(modes[0], 1);
    EXPECT_GT(modes[2], 0);
    EXPECT_GT(modes[3], 0);
    for (const char* c : {"Meat", "Poultry", "Fish", "Dairy", "Eggs", "Fruit", "Vegetable",
                          "Bakery", "Frozen", "Beverage", "Flowers"})
        EXPECT_TRUE(categories.count(c)) << c;
    ASSERT_EQ(product.d4seek("None"), r4success);
    EXPECT_EQ(product.f4int("CALCFLAG"), 0);
    ASSERT_EQ(product.d4seek("Apples"), r4success);
    EXPECT_GT(product.f4double("HRESP"), 0.0);
}

TEST_F(ShippedTables, UnitCapacityFallsWithAmbientAndWithSuction) {
    Table& units = *tables.units;
    EXPECT_GE(units.d4recCountDo(), 300);
    double lowestHp = 1e9, highestHp = 0;
    std::map<std::string, std::map<int, int>> at90; // model -> suction -> capacity
    int previousAt90 = 0;
    units.d4tagSelect(nullptr);
    for (int rc = units.d4top(); rc == r4success; rc = units.d4skip(1)) {
        const std::string model = Trimmed(units.f4str("MODEL"));
        for (int j = FirstCapacityField; j < LastCapacityField; ++j)
            EXPECT_GT(units.f4long(j), units.f4long(j + 1)) << model;
        // Stored in 90 F capacity order, so a search reads neighbouring records.
        EXPECT_GE(units.f4long(4), previousAt90) << model;
        previousAt90 = units.f4long(4);
        at90[model][units.f4int("EVAP")] = units.f4long(4);
        lowestHp = std::min(lowestHp, units.f4double("NOMHP"));
        highestHp = std::max(highestHp, units.f4double("NOMHP"));
    }
    // A model's capacity rises with its suction temperature.
    for (const auto& [model, bySuction] : at90) {
        int previous = 0;
        for (const auto& [suction, capacity] : bySuction) {
            EXPECT_GT(capacity, previous) << model << " at " << suction;
            previous = capacity;
        }
    }
    EXPECT_EQ(lowestHp, 0.2);
    EXPECT_EQ(highestHp, 60.0);
}

TEST_F(ShippedTables, CoilsSpanTheRatingsStylesFinsAndDefrosts) {
    Table& coils = *tables.coils;
    EXPECT_GE(coils.d4recCountDo(), 300);
    std::set<int> fins, defrosts;
    std::set<std::string> styles;
    int lowest = 1 << 30, highest = 0, previous = 0;
    for (int rc = coils.d4top(); rc == r4success; rc = coils.d4skip(1)) {
        const int rating = coils.f4long("BTUH");
        EXPECT_GE(rating, previous); // the "BTUH" order
        previous = rating;
        lowest = std::min(lowest, rating);
        highest = std::max(highest, rating);
        fins.insert(coils.f4int("FINS"));
        defrosts.insert(coils.f4int("AEG"));
        styles.insert(Trimmed(coils.f4str("STYLE")));
    }
    EXPECT_LT(lowest, 120);
    EXPECT_GT(highest, 5500);
    EXPECT_EQ(fins, (std::set<int>{4, 6, 8}));
    EXPECT_EQ(defrosts, (std::set<int>{0, 1, 2}));
    EXPECT_GE(styles.size(), 4u);
}

TEST(RestoreTables, MissingTablesAreCopiedAndPresentOnesLeftAlone) {
    TempFolder dir;
    WriteBytes(dir.File("UNITS.DAT"), {1, 2, 3}); // damaged, but the user's: never replaced
    const std::vector<MissingTable> missing = RestoreMissingTables(dir.Path(), {Shipped});
    EXPECT_TRUE(missing.empty());
    for (const char* name : {"INSUL.DAT", "PRODUCT.DAT", "COILS.DAT"})
        EXPECT_EQ(ReadBytes(dir.File(name)), ReadBytes((Shipped / name).string())) << name;
    EXPECT_EQ(ReadBytes(dir.File("UNITS.DAT")), (std::vector<unsigned char>{1, 2, 3}));

    const ReferenceTables tables = PrepareReferenceTables(dir.Path(), {Shipped});
    EXPECT_NE(tables.insul, nullptr);
    EXPECT_EQ(tables.units, nullptr);
    EXPECT_THAT(tables.unitsProblem, HasSubstr("UNITS.DAT"));
    EXPECT_FALSE(tables.allOpen());
}

TEST(RestoreTables, ATableThatCannotBeRestoredIsNamed) {
    TempFolder dir;
    TempFolder emptyShipped;
    const ReferenceTables tables = PrepareReferenceTables(dir.Path(), {emptyShipped.Path()});
    EXPECT_EQ(tables.get(ReferenceTable::Coils), nullptr);
    EXPECT_THAT(tables.problem(ReferenceTable::Coils),
                HasSubstr("COILS.DAT is missing from " + dir.Path()));

    WriteBytes(dir.File("file"), {0});
    std::string message;
    EXPECT_FALSE(RestoreMissingTable(dir.File("file"), ReferenceTable::Insul, {Shipped}, message));
    EXPECT_THAT(message, HasSubstr("INSUL.DAT is missing"));
    EXPECT_THAT(message, HasSubstr("cannot be copied there"));
}

TEST(RestoreTables, ADamagedShippedCopyIsNotCopied) {
    TempFolder dir;
    TempFolder badShipped;
    WriteBytes(badShipped.File("INSUL.DAT"), {3, 0, 0});
    std::string message;
    EXPECT_FALSE(
        RestoreMissingTable(dir.Path(), ReferenceTable::Insul, {badShipped.Path()}, message));
    EXPECT_THAT(message, HasSubstr("damaged"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("INSUL.DAT")));
}

TEST(RestoreTables, TheLogoIsCopiedOnlyWhenMissing) {
    TempFolder dir;
    EXPECT_TRUE(RestoreShippedFile(dir.Path(), "lgo.bmp", {Shipped}));
    EXPECT_EQ(ReadBytes(dir.File("lgo.bmp")), ReadBytes((Shipped / "lgo.bmp").string()));
    WriteBytes(dir.File("lgo.bmp"), {7}); // the user's own logo stays
    EXPECT_TRUE(RestoreShippedFile(dir.Path(), "lgo.bmp", {Shipped}));
    EXPECT_EQ(ReadBytes(dir.File("lgo.bmp")), (std::vector<unsigned char>{7}));
    TempFolder empty;
    EXPECT_FALSE(RestoreShippedFile(empty.Path(), "nothing.bmp", {Shipped}));
}

} // namespace
