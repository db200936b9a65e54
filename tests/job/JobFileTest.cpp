#include "job/JobFile.h"
#include "TempFolder.h"
#include "calc/Totals.h"
#include "job/ClearJob.h"
#include "job/FixedText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

namespace {

Job ClearedJob() {
    Job job;
    ClearJob(job, BuiltInDefaults());
    return job;
}

std::vector<unsigned char> ImageBytes(const Job& job) {
    const auto* p = reinterpret_cast<const unsigned char*>(&job.image);
    return {p, p + sizeof job.image};
}

TEST(JobFile, ClearedJobWritesTheWholeImage) {
    TempFolder dir;
    Job job = ClearedJob();
    job.run.modified = job.run.untitled = job.run.newJob = true;
    ASSERT_TRUE(WriteJobFile(job, dir.File("a.kvj")).ok);
    const auto bytes = ReadBytes(dir.File("a.kvj"));
    ASSERT_EQ(bytes.size(), 2575u);
    EXPECT_EQ(std::memcmp(bytes.data(), "[W98]\0", 6), 0);
    // Reserved flag words 4 and 10 (offsets 16 and 40 of the last block).
    for (std::size_t offset : {2527u + 16u, 2527u + 40u})
        EXPECT_EQ(bytes[offset] | bytes[offset + 1] | bytes[offset + 2] | bytes[offset + 3], 0);
    EXPECT_FALSE(job.run.modified);
    EXPECT_FALSE(job.run.untitled);
    EXPECT_FALSE(job.run.newJob);
}

TEST(JobFile, ReservedWordsFromALoadedFileAreWrittenAsZero) {
    TempFolder dir;
    Job job = ClearedJob();
    job.image.flags.reserved4 = 1;
    job.image.flags.reserved10 = -7;
    ASSERT_TRUE(WriteJobFile(job, dir.File("a.kvj")).ok);
    const auto bytes = ReadBytes(dir.File("a.kvj"));
    for (std::size_t offset : {2527u + 16u, 2527u + 40u})
        EXPECT_EQ(bytes[offset] | bytes[offset + 1] | bytes[offset + 2] | bytes[offset + 3], 0);
}

TEST(JobFile, ReadGivesBackEveryByteAndLoadsTheJob) {
    TempFolder dir;
    Job saved = ClearedJob();
    SetText(saved.image.header.jobName, "Dock 4");
    saved.image.header.length = 12.5;
    saved.image.products[0].estimateMark = '*';
    saved.image.totals.totalLoad = 4321;
    saved.image.flags.jobLoaded = 0; // the file's word does not matter
    ASSERT_TRUE(WriteJobFile(saved, dir.File("a.kvj")).ok);

    Job read = ClearedJob();
    read.run.modified = read.run.untitled = read.run.newJob = true;
    ASSERT_TRUE(ReadJobFile(read, dir.File("a.kvj")).ok);
    EXPECT_EQ(+read.image.flags.jobLoaded, 1);
    read.image.flags.jobLoaded = 0;
    EXPECT_EQ(ImageBytes(read), ImageBytes(saved));
    EXPECT_EQ(+read.run.productMarker, '*');
    EXPECT_FALSE(read.run.modified);
    EXPECT_FALSE(read.run.untitled);
    EXPECT_FALSE(read.run.newJob);
}

TEST(JobFile, ShortFileKeepsThePreviousBytesOfTheRest) {
    TempFolder dir;
    Job saved = ClearedJob();
    saved.image.header.boxTemp = -10;
    ASSERT_TRUE(WriteJobFile(saved, dir.File("full.kvj")).ok);
    auto bytes = ReadBytes(dir.File("full.kvj"));
    bytes.resize(300); // header and 22 bytes of product 1
    WriteBytes(dir.File("short.kvj"), bytes);

    Job read = ClearedJob();
    read.image.products[1].quantity = 4242;
    read.image.totals.totalLoad = 777;
    ASSERT_TRUE(ReadJobFile(read, dir.File("short.kvj")).ok);
    EXPECT_EQ(+read.image.header.boxTemp, -10);
    EXPECT_EQ(+read.image.products[1].quantity, 4242);
    EXPECT_EQ(+read.image.totals.totalLoad, 777);
    EXPECT_EQ(+read.image.flags.jobLoaded, 1);

    bytes.resize(6); // the signature alone
    WriteBytes(dir.File("sig.kvj"), bytes);
    EXPECT_TRUE(ReadJobFile(read, dir.File("sig.kvj")).ok);
}

TEST(JobFile, LongerFileReadsOnlyTheImage) {
    TempFolder dir;
    Job saved = ClearedJob();
    ASSERT_TRUE(WriteJobFile(saved, dir.File("a.kvj")).ok);
    auto bytes = ReadBytes(dir.File("a.kvj"));
    bytes.resize(5000, 0xEE);
    WriteBytes(dir.File("long.kvj"), bytes);
    Job read = ClearedJob();
    ASSERT_TRUE(ReadJobFile(read, dir.File("long.kvj")).ok);
    read.image.flags.jobLoaded = 0;
    EXPECT_EQ(ImageBytes(read), ImageBytes(saved));
}

TEST(JobFile, NotAJobFileLeavesNoJobLoaded) {
    TempFolder dir;
    WriteBytes(dir.File("text.kvj"), {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
    WriteBytes(dir.File("ff.kvj"), std::vector<unsigned char>(2575, 0xFF));
    WriteBytes(dir.File("empty.kvj"), {});
    WriteBytes(dir.File("nonul.kvj"), {'[', 'W', '9', '8', ']', 'X'});
    WriteBytes(dir.File("cut.kvj"), {'[', 'W', '9', '8', ']'});
    for (const char* name :
         {"text.kvj", "ff.kvj", "empty.kvj", "nonul.kvj", "cut.kvj", "missing.kvj"}) {
        Job job = ClearedJob();
        job.image.flags.jobLoaded = 1;
        job.run.modified = true;
        const FileResult r = ReadJobFile(job, dir.File(name));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.message, "Not an Quelbox WIN 98 Job File") << name;
        EXPECT_EQ(+job.image.flags.jobLoaded, 0) << name;
        EXPECT_FALSE(job.run.modified) << name;
    }
    Job job = ClearedJob();
    EXPECT_FALSE(ReadJobFile(job, dir.Path()).ok); // a folder is not a job file
}

TEST(JobFile, FileOfNonNumbersRecalculatesToDefinedLoads) {
    TempFolder dir;
    for (unsigned char fill : {0xFF, 0x7F, 0x80}) {
        std::vector<unsigned char> bytes(2575, fill);
        std::memcpy(bytes.data(), "[W98]\0", 6);
        WriteBytes(dir.File("odd.kvj"), bytes);
        Job job = ClearedJob();
        ASSERT_TRUE(ReadJobFile(job, dir.File("odd.kvj")).ok);
        RefreshLoads(job);
        const TLoadTotals& t = job.image.totals;
        EXPECT_GE(+t.totalLoad, 0) << int(fill);
        EXPECT_GE(+t.wallLoad, 0) << int(fill);
        EXPECT_GE(+t.productLoad, 0) << int(fill);
    }
}

TEST(JobFile, NaNDimensionsGiveZeroLoads) {
    Job job = ClearedJob();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    job.image.header.length = nan;
    job.image.header.width = 8;
    job.image.header.height = 8;
    for (TSurface& s : job.image.surfaces) {
        s.factor = nan;
        s.factorKind = 'K';
        s.thickness = nan;
        s.adjacentTemp = 90;
    }
    job.image.lighting.wattsPerSqFt = nan;
    job.image.airVelocityEntry.doorHeight = nan;
    RefreshLoads(job);
    EXPECT_EQ(+job.image.totals.wallLoad, 0);
    EXPECT_EQ(+job.image.totals.lightingLoad, 0);
    EXPECT_EQ(+job.image.infiltration.airChangeDaily, 0);
    EXPECT_EQ(+job.image.totals.totalLoad, 0);
}

TEST(JobFile, FailedWriteKeepsTheOldFileAndTheModifiedMark) {
    TempFolder dir;
    Job job = ClearedJob();
    job.run.modified = true;
    const FileResult noFolder = WriteJobFile(job, dir.File("missing/a.kvj"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_NE(noFolder.message.find(dir.File("missing/a.kvj")), std::string::npos);
    EXPECT_TRUE(job.run.modified);

    // The target is a folder with content: the rename fails and nothing is replaced.
    std::filesystem::create_directory(dir.File("taken.kvj"));
    WriteBytes(dir.File("taken.kvj/keep"), {1, 2, 3});
    EXPECT_FALSE(WriteJobFile(job, dir.File("taken.kvj")).ok);
    EXPECT_TRUE(job.run.modified);
    EXPECT_EQ(ReadBytes(dir.File("taken.kvj/keep")).size(), 3u);
    // No temporary file is left behind.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

} // namespace
