#include "TempFolder.h"
#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status;
    std::string out;
};

// Runs quelbox-cli with the arguments; stderr is folded into the output.
CliRun RunCli(const std::string& args) {
    const std::string command = std::string(QUELBOX_CLI) + " " + args + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        Job job;
        BuildSampleJob(job);
        ASSERT_TRUE(WriteJobFile(job, dir.File("sample.kvj")).ok);
        total = job.image.totals.totalLoad;
    }
    TempFolder dir;
    int total = 0;
};

TEST_F(Cli, TotalsAsJsonCarriesEveryKey) {
    const CliRun run = RunCli("totals " + dir.File("sample.kvj") + " --json");
    ASSERT_EQ(run.status, 0) << run.out;
    for (const char* key :
         {"productLoad", "wallLoad", "occupantLoad", "glassDoorLoad", "motorLoad", "electricLoad",
          "lightingLoad", "safetyLoad", "totalLoad", "infiltrationLoad", "userLoad",
          "velocityMethod", "dailyLoad", "modified"})
        EXPECT_NE(run.out.find(std::string("\"") + key + "\": "), std::string::npos) << key;
    EXPECT_NE(run.out.find("\"totalLoad\": " + std::to_string(total) + ","), std::string::npos);
    EXPECT_NE(run.out.find("\"dailyLoad\": " + std::to_string(16 * total) + ","),
              std::string::npos);
    EXPECT_NE(run.out.find("\"modified\": false}"), std::string::npos);
}

TEST_F(Cli, TotalsReportsAChangedTotalAsModified) {
    Job job;
    BuildSampleJob(job);
    job.image.header.runHours = 20; // stored totals are now stale
    ASSERT_TRUE(WriteJobFile(job, dir.File("stale.kvj")).ok);
    const CliRun run = RunCli("totals " + dir.File("stale.kvj"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("modified: true\n"), std::string::npos) << run.out;
}

TEST_F(Cli, RecalcWritesTheRecalculatedImage) {
    const CliRun run = RunCli("recalc " + dir.File("sample.kvj") + " " + dir.File("out.kvj"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadBytes(dir.File("out.kvj")).size(), 2575u);
    Job job;
    ASSERT_TRUE(ReadJobFile(job, dir.File("out.kvj")).ok);
    EXPECT_EQ(+job.image.totals.totalLoad, total);
}

TEST_F(Cli, ExitStatusesTellWhatWentWrong) {
    EXPECT_EQ(RunCli("").status, 1);
    EXPECT_EQ(RunCli("totals").status, 1);
    EXPECT_EQ(RunCli("totals a.kvj --bogus").status, 1);
    EXPECT_EQ(RunCli("recalc " + dir.File("sample.kvj")).status, 1);
    EXPECT_EQ(RunCli("frobnicate").status, 1);

    WriteBytes(dir.File("junk.kvj"), {'j', 'u', 'n', 'k'});
    const CliRun notJob = RunCli("totals " + dir.File("junk.kvj"));
    EXPECT_EQ(+notJob.status, 2);
    EXPECT_NE(notJob.out.find("Not an Quelbox WIN 98 Job File"), std::string::npos);
    EXPECT_NE(notJob.out.find(dir.File("junk.kvj")), std::string::npos);
    EXPECT_EQ(RunCli("totals " + dir.File("none.kvj")).status, 2);

    const CliRun cannotWrite =
        RunCli("recalc " + dir.File("sample.kvj") + " " + dir.File("no/such/out.kvj"));
    EXPECT_EQ(+cannotWrite.status, 3);
    EXPECT_NE(cannotWrite.out.find(dir.File("no/such/out.kvj")), std::string::npos);
}

} // namespace
