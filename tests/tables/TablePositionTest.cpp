#include "TableTestSupport.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using ::testing::ElementsAre;

class TablePosition : public ::testing::Test {
protected:
    void SetUp() override {
        table = MakeSampleTable(dir.File("T.DAT"), {{"delta", 4.0, 1},
                                                    {"alpha", 1.5, 2},
                                                    {"charlie", 3.0, 3},
                                                    {"alpha", 1.5, 4},
                                                    {"bravo", 2.0, 5}});
        ASSERT_NE(table, nullptr);
    }
    TempFolder dir;
    std::unique_ptr<Table> table;
};

TEST_F(TablePosition, PhysicalOrderWithoutTag) {
    table->d4tagSelect(nullptr);
    EXPECT_THAT(RecordOrder(*table), ElementsAre(1, 2, 3, 4, 5));
}

TEST_F(TablePosition, TagOrderKeepsRecordNumberOrderForEqualKeys) {
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(2, 4, 5, 3, 1));
    table->d4tagSelect(table->d4tag("VAL"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(2, 4, 5, 3, 1));
}

TEST_F(TablePosition, SkipReturnsEndOfFileAfterTheLastRecord) {
    table->d4tagSelect(nullptr);
    ASSERT_EQ(table->d4go(5), r4success);
    EXPECT_EQ(table->d4skip(1), r4eof);
    EXPECT_TRUE(table->d4eof());
    EXPECT_EQ(table->d4recNo(), 6);
    EXPECT_EQ(table->f4str("NAME"), std::string(10, ' '));
    EXPECT_EQ(table->f4double("VAL"), 0.0);
    EXPECT_EQ(table->d4skip(1), r4eof);
    EXPECT_EQ(table->d4skip(-1), r4success);
    EXPECT_EQ(table->d4recNo(), 5);
    EXPECT_EQ(table->d4skip(-10), r4bof);
    EXPECT_EQ(table->d4recNo(), 1);
}

TEST_F(TablePosition, GoRefusesRecordsOutsideTheTableAndStaysPut) {
    ASSERT_EQ(table->d4go(3), r4success);
    EXPECT_EQ(table->d4go(0), r4entry);
    EXPECT_EQ(table->d4go(6), r4entry);
    EXPECT_EQ(table->d4recNo(), 3);
    EXPECT_EQ(table->f4str("NAME"), "charlie   ");
}

TEST_F(TablePosition, GoThenSkipContinuesInTagOrder) {
    table->d4tagSelect(table->d4tag("NAME"));
    ASSERT_EQ(table->d4go(4), r4success); // second "alpha"
    ASSERT_EQ(table->d4skip(1), r4success);
    EXPECT_EQ(table->d4recNo(), 5); // "bravo"
}

TEST_F(TablePosition, SelectingATagKeepsTheCurrentRecord) {
    table->d4tagSelect(nullptr);
    ASSERT_EQ(table->d4go(3), r4success);
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_EQ(table->d4recNo(), 3);
    ASSERT_EQ(table->d4skip(1), r4success);
    EXPECT_EQ(table->d4recNo(), 1); // "delta" follows "charlie"
}

TEST_F(TablePosition, SeekFindsTheFirstOfEqualKeysAndPadsTheKey) {
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_EQ(table->d4seek("alpha"), r4success);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seek("alpha     "), r4success);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seek("alp"), r4after); // a shorter text is not a match
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seek("c"), r4after);
    EXPECT_EQ(table->d4recNo(), 3);
    EXPECT_EQ(table->d4seek("zulu"), r4eof);
    EXPECT_TRUE(table->d4eof());
}

TEST_F(TablePosition, SeekDoubleGivesExactNextLargerOrNone) {
    table->d4tagSelect(table->d4tag("VAL"));
    EXPECT_EQ(table->d4seekDouble(1.5), r4success);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seekDouble(2.5), r4after);
    EXPECT_EQ(table->d4recNo(), 3);
    EXPECT_EQ(table->d4seekDouble(-100.0), r4after);
    EXPECT_EQ(table->d4recNo(), 2);
    EXPECT_EQ(table->d4seekDouble(4.0), r4success);
    EXPECT_EQ(table->d4recNo(), 1);
    EXPECT_EQ(table->d4seekDouble(4.01), r4eof);
    EXPECT_TRUE(table->d4eof());
}

TEST_F(TablePosition, SeeksNeedATagOfTheirKind) {
    table->d4tagSelect(nullptr);
    EXPECT_EQ(table->d4seek("alpha"), e4tag);
    EXPECT_EQ(table->d4seekDouble(1.5), e4tag);
    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_EQ(table->d4seekDouble(1.5), e4tag);
    table->d4tagSelect(table->d4tag("VAL"));
    EXPECT_EQ(table->d4seek("alpha"), e4tag);
    EXPECT_EQ(table->d4seekDouble(std::nan("")), e4value);
    EXPECT_EQ(table->d4tag("NOPE"), nullptr);
}

TEST_F(TablePosition, FieldsReadByNameAndByNumber) {
    ASSERT_EQ(table->d4go(3), r4success);
    EXPECT_EQ(table->d4field("VAL"), 2);
    EXPECT_EQ(table->d4field("MISSING"), 0);
    EXPECT_EQ(table->f4str(1), "charlie   ");
    EXPECT_EQ(table->f4char("NAME"), 'c');
    EXPECT_EQ(table->f4double(2), 3.0);
    EXPECT_EQ(table->f4int("N"), 3);
    EXPECT_EQ(table->f4long(3), 3);
    EXPECT_EQ(table->f4str(4), "");
    EXPECT_EQ(table->f4double("MISSING"), 0.0);
}

TEST(TableEmpty, TopOfAnEmptyTableIsEndOfFile) {
    TempFolder dir;
    auto table = MakeSampleTable(dir.File("E.DAT"), {});
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->d4recCountDo(), 0);
    EXPECT_NE(table->d4top(), r4success);
    EXPECT_TRUE(table->d4eof());
    EXPECT_EQ(table->d4skip(1), r4eof);
    table->d4tagSelect(table->d4tag("VAL"));
    EXPECT_EQ(table->d4seekDouble(1.0), r4eof);
}

} // namespace
