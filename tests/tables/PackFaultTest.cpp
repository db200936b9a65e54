// A pack that cannot write its new file or cannot rename it over the old one keeps the old file
// byte for byte and names it; the disk-full case is with the other changes in TableChangeTest.

#include "TableTestSupport.h"
#include "TempFolder.h"
#include "WriteFaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

class FailedPack : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.File("T.DAT");
        table = MakeSampleTable(path, {{"delta", 4.0, 1}, {"alpha", 1.5, 2}, {"charlie", 3.0, 3}});
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->d4go(2), r4success);
        ASSERT_EQ(table->d4delete(), r4success);
        before = ReadBytes(path);
    }

    void ExpectNothingLost(int packed) {
        EXPECT_EQ(packed, e4write);
        EXPECT_THAT(table->lastError(), HasSubstr(path));
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(FolderEntries(dir.Path()), "T.DAT");
    }

    // Opened again once the fault is gone, the table holds what it held and packs.
    void ExpectPackedOnceTheFaultIsGone() {
        table.reset();
        std::string message;
        table = OpenSampleTable(path, message);
        ASSERT_NE(table, nullptr) << message;
        EXPECT_EQ(table->d4recCountDo(), 3);
        ASSERT_EQ(table->d4go(2), r4success);
        EXPECT_TRUE(table->d4deleted());
        ASSERT_EQ(table->d4pack(), r4success) << table->lastError();
        EXPECT_EQ(table->d4recCountDo(), 2);
    }

    TempFolder dir;
    std::string path;
    std::unique_ptr<Table> table;
    std::vector<unsigned char> before;
};

TEST_F(FailedPack, AFolderThatTakesNoNewFile) {
    {
        ReadOnlyFolder readOnly(dir.Path());
        if (!readOnly.active())
            GTEST_SKIP() << "no read-only folder here: " << readOnly.why();
        ExpectNothingLost(table->d4pack());
        EXPECT_THAT(table->lastError(), HasSubstr("cannot be packed"));
        // The open table carries on with every record and mark.
        EXPECT_EQ(table->d4recCountDo(), 3);
        ASSERT_EQ(table->d4go(2), r4success);
        EXPECT_TRUE(table->d4deleted());
        EXPECT_EQ(table->f4str("NAME"), "alpha     ");
    }
    ExpectPackedOnceTheFaultIsGone();
}

TEST_F(FailedPack, ARenameThatCannotReplaceTheOldFile) {
    {
        Immutable locked(path);
        if (!locked.active())
            GTEST_SKIP() << "no file that refuses a rename over it here: " << locked.why();
        ExpectNothingLost(table->d4pack());
    }
    ExpectPackedOnceTheFaultIsGone();
}

} // namespace
