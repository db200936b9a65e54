#pragma once
// A test whose temporary folder holds the sample job as sample.kvj.

#include "TempFolder.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gtest/gtest.h>

class SampleJobFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BuildSampleJob(sample).ok);
        ASSERT_TRUE(WriteJobFile(sample, dir.File("sample.kvj")).ok);
        total = sample.image.totals.totalLoad;
    }
    TempFolder dir;
    Job sample; // the job as written
    int total = 0;
};
