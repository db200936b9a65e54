// Character fields that a writer padded with NULs instead of blanks (found by fuzzing the table
// layer): the text ends at the first NUL, in the record buffer, in the tags and in a seek alike.

#include "TableTestSupport.h"
#include "TempFolder.h"
#include "tables/InsulationTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using ::testing::ElementsAre;

// Replaces the blanks after the text of every record's first field (from byte 1, `width` long)
// with NULs.
void PadFirstFieldWithNuls(const std::string& path, int width) {
    std::vector<unsigned char> bytes = ReadBytes(path);
    const std::size_t header = bytes[8] | bytes[9] << 8;
    const std::size_t length = bytes[10] | bytes[11] << 8;
    for (std::size_t record = header; record + length <= bytes.size(); record += length) {
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(record + 1);
        const auto last = first + width;
        const auto end =
            std::find_if(std::make_reverse_iterator(last), std::make_reverse_iterator(first),
                         [](unsigned char c) { return c != ' '; })
                .base();
        std::fill(end, last, 0);
    }
    WriteBytes(path, bytes);
}

TEST(NulPaddedText, ReadsSortsAndSeeksLikeBlankPaddedText) {
    TempFolder dir;
    const std::string path = dir.File("T.DAT");
    ASSERT_NE(MakeSampleTable(path, {{"delta", 4.0, 1}, {"alpha", 1.5, 2}, {"alp", 3.0, 3}}),
              nullptr);
    PadFirstFieldWithNuls(path, 10);
    std::string message;
    auto table = OpenSampleTable(path, message);
    ASSERT_NE(table, nullptr) << message;

    table->d4tagSelect(table->d4tag("NAME"));
    EXPECT_THAT(RecordOrder(*table), ElementsAre(3, 2, 1));
    ASSERT_EQ(table->d4bottom(), r4success);
    EXPECT_EQ(table->f4str("NAME"), "delta     ");
    EXPECT_EQ(table->d4seek(table->f4str("NAME")), r4success);
    EXPECT_EQ(table->d4seek("alp"), r4success);
    EXPECT_EQ(table->d4recNo(), 3);

    // A rewritten record leaves its old key and takes the new one.
    table->f4assign("NAME", "bravo");
    ASSERT_EQ(table->d4writeLow(3), r4success) << table->lastError();
    EXPECT_EQ(table->d4seek("alp"), r4after);
    EXPECT_EQ(table->d4seek("bravo"), r4success);
    EXPECT_THAT(RecordOrder(*table), ElementsAre(2, 3, 1));
}

TEST(NulPaddedText, AnInsulationIsFoundNotAddedAgain) {
    TempFolder dir;
    ASSERT_NE(MakeInsulTable(dir.Path(), {{"Styrofoam", 0.24, 'K'}, {"Cork board", 0.30, 'K'}}),
              nullptr);
    PadFirstFieldWithNuls(dir.File("INSUL.DAT"), 26);
    std::string message;
    auto insul = OpenReferenceTable(dir.Path(), ReferenceTable::Insul, message);
    ASSERT_NE(insul, nullptr) << message;
    EXPECT_EQ(FindInsulation(*insul, "Styrofoam"), 1);
    EXPECT_EQ(FindOrAddInsulation(*insul, "Cork board", 0.30, 'K'), 2);
    EXPECT_EQ(insul->d4recCountDo(), 2);
}

} // namespace
