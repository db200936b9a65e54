// Writes that fail for real (a folder that takes no new file, a full disk, a rename that cannot
// replace the old file) keep the old file byte for byte, name the file, leave no temporary file
// behind, and succeed once the fault is gone.

#include "TempFolder.h"
#include "WriteFaults.h"
#include "job/ClearJob.h"
#include "job/DefaultsFile.h"
#include "job/JobFile.h"
#include "job/Submitter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using ::testing::HasSubstr;

struct WrittenFile {
    const char* label;
    const char* fileName;
};

std::string Label(const ::testing::TestParamInfo<WrittenFile>& info) {
    return info.param.label;
}

class FailedWrite : public ::testing::TestWithParam<WrittenFile> {
protected:
    void SetUp() override {
        path = dir.File(GetParam().fileName);
        WriteBytes(path, old);
        ClearJob(job, BuiltInDefaults());
        job.run.modified = true;
        job.run.untitled = true;
        std::strcpy(submitter.companyName, "Acme Refrigeration");
    }

    FileResult Write() {
        const std::string label = GetParam().label;
        if (label == "JobFile")
            return WriteJobFile(job, path);
        if (label == "Defaults")
            return WriteDefaultsFile(BuiltInDefaults(), path);
        return WriteSubmitter(submitter, path);
    }

    // What every failed write leaves: the old file alone and unchanged, a message naming it,
    // and a job still marked modified.
    void ExpectNothingLost(const FileResult& result) {
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.message, HasSubstr(path));
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(dir.Path()), GetParam().fileName);
        EXPECT_TRUE(job.run.modified);
        EXPECT_TRUE(job.run.untitled);
    }

    void ExpectWrittenOnceTheFaultIsGone() {
        ASSERT_TRUE(Write().ok);
        EXPECT_NE(ReadBytes(path), old);
        if (std::string(GetParam().label) == "JobFile") {
            EXPECT_FALSE(job.run.modified);
        }
    }

    TempFolder dir;
    std::string path;
    const std::vector<unsigned char> old = std::vector<unsigned char>(300, 'o');
    Job job;
    TSubmitter submitter{};
};

TEST_P(FailedWrite, AFolderThatTakesNoNewFile) {
    {
        ReadOnlyFolder readOnly(dir.Path());
        if (!readOnly.active())
            GTEST_SKIP() << "no read-only folder here: " << readOnly.why();
        const FileResult result = Write();
        EXPECT_THAT(result.message, HasSubstr("cannot create a file in its folder"));
        ExpectNothingLost(result);
    }
    ExpectWrittenOnceTheFaultIsGone();
}

TEST_P(FailedWrite, AFullDisk) {
    // No file may grow past 64 bytes: each new file is longer than that.
    const FileResult result = WithFileSizeLimit(64, [&] { return Write(); });
    EXPECT_THAT(result.message, HasSubstr("writing failed"));
    ExpectNothingLost(result);
    ExpectWrittenOnceTheFaultIsGone();
}

TEST_P(FailedWrite, ARenameThatCannotReplaceTheOldFile) {
    {
        Immutable locked(path);
        if (!locked.active())
            GTEST_SKIP() << "no file that refuses a rename over it here: " << locked.why();
        const FileResult result = Write();
        EXPECT_THAT(result.message, HasSubstr("replacing the file failed"));
        ExpectNothingLost(result);
    }
    ExpectWrittenOnceTheFaultIsGone();
}

INSTANTIATE_TEST_SUITE_P(EveryWrittenFile, FailedWrite,
                         ::testing::Values(WrittenFile{"JobFile", "a.kvj"},
                                           WrittenFile{"Defaults", DefaultsFileName},
                                           WrittenFile{"Submitter", SubmitterFileName}),
                         Label);

} // namespace
