#include "job/Submitter.h"
#include "TempFolder.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

TEST(Submitter, MissingFileAsksAndLeavesTheRecord) {
    TempFolder dir;
    TSubmitter s{};
    SetText(s.companyName, "Kept");
    EXPECT_TRUE(ReadSubmitter(s, dir.File("SUBMIT.KVI")));
    EXPECT_EQ(GetText(s.companyName), "Kept");
}

TEST(Submitter, AFileThatCannotBeReadDoesNotAskAgain) {
    // A link to itself exists but can never be opened; answering the question would replace it.
    TempFolder dir;
    std::filesystem::create_symlink("SUBMIT.KVI", dir.File("SUBMIT.KVI"));
    TSubmitter s{};
    SetText(s.companyName, "Kept");
    EXPECT_FALSE(ReadSubmitter(s, dir.File("SUBMIT.KVI")));
    EXPECT_EQ(GetText(s.companyName), "Kept");
}

TEST(Submitter, WrittenRecordReadsBackWhole) {
    TempFolder dir;
    TSubmitter s{};
    SetText(s.companyName, std::string(30, 'N'));
    SetText(s.companyAddress, "1 Cold Lane");
    SetText(s.companyContact, "Pat Frost");
    SetText(s.companyTelephone, "555-0199");
    SetText(s.companyFax, "555-0198");
    ASSERT_TRUE(WriteSubmitter(s, dir.File("SUBMIT.KVI")).ok);
    EXPECT_EQ(ReadBytes(dir.File("SUBMIT.KVI")).size(), 123u);

    TSubmitter read{};
    EXPECT_FALSE(ReadSubmitter(read, dir.File("SUBMIT.KVI")));
    EXPECT_EQ(std::memcmp(&read, &s, sizeof s), 0);
    EXPECT_EQ(GetText(read.companyName), std::string(30, 'N'));
}

TEST(Submitter, ShortFileLeavesTheRestUnchanged) {
    TempFolder dir;
    WriteBytes(dir.File("SUBMIT.KVI"), {'A', 'c', 'm', 'e', 0});
    TSubmitter s{};
    SetText(s.companyFax, "555-0000");
    EXPECT_FALSE(ReadSubmitter(s, dir.File("SUBMIT.KVI")));
    EXPECT_EQ(GetText(s.companyName), "Acme");
    EXPECT_EQ(GetText(s.companyFax), "555-0000");
}

TEST(Submitter, TextsWithoutTerminatorAreCutToTheirField) {
    TempFolder dir;
    WriteBytes(dir.File("SUBMIT.KVI"), std::vector<unsigned char>(123, 'x'));
    TSubmitter s{};
    ReadSubmitter(s, dir.File("SUBMIT.KVI"));
    EXPECT_EQ(GetText(s.companyName), std::string(30, 'x'));
    EXPECT_EQ(GetText(s.companyFax), std::string(14, 'x'));
}

TEST(Submitter, FailedWriteNamesTheFile) {
    TempFolder dir;
    const FileResult r = WriteSubmitter(TSubmitter{}, dir.File("nowhere/SUBMIT.KVI"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("SUBMIT.KVI"), std::string::npos);
}

} // namespace
