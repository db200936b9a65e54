// Writers of one table under real faults: two processes adding at once, writers killed at random
// moments, a file size limit, and entries the table must not take.

#include "ProgramRun.h"
#include "TableTestSupport.h"
#include "TempFolder.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "tables/JobDefaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;

const std::vector<InsulRow> StartRows{
    {"Styrofoam", 0.24, 'K'}, {"Polystyrene,molded", 0.20, 'K'}, {"Cork board", 0.30, 'K'}};

// In a child process: adds insulations named prefix + number, from `first` on, `count` of them
// (or until killed), and writes each name to `report` once its append has succeeded.
[[noreturn]] void AddInsulations(const std::string& folder, const std::string& prefix, int first,
                                 int count, int report) {
    std::string message;
    std::unique_ptr<Table> insul = OpenReferenceTable(folder, ReferenceTable::Insul, message);
    if (!insul)
        ::_exit(2);
    for (int i = first; i < first + count; ++i) {
        const std::string name = prefix + std::to_string(i);
        if (FindOrAddInsulation(*insul, name, 0.1, 'K') == 0)
            ::_exit(3);
        const std::string line = name + "\n";
        if (::write(report, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            ::_exit(4);
    }
    ::_exit(0);
}

struct Writer {
    pid_t pid;
    int report; // read end of the child's report pipe
};

Writer StartWriter(const std::string& folder, const std::string& prefix, int first, int count) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {-1, -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        AddInsulations(folder, prefix, first, count, fds[1]);
    }
    ::close(fds[1]);
    return {pid, fds[0]};
}

// The names the writer reported, read to the end once it has stopped.
std::vector<std::string> ReportedNames(const Writer& writer) {
    std::string all;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(writer.report, buffer, sizeof buffer)) > 0)
        all.append(buffer, static_cast<std::size_t>(n));
    ::close(writer.report);
    std::vector<std::string> names;
    for (std::size_t at = 0, end = 0; (end = all.find('\n', at)) != std::string::npos; at = end + 1)
        names.push_back(all.substr(at, end - at));
    return names;
}

// How often each name occurs in the table, opened as the program opens it.
std::map<std::string, int> NameCounts(const std::string& folder) {
    std::string message;
    std::unique_ptr<Table> insul = OpenReferenceTable(folder, ReferenceTable::Insul, message);
    EXPECT_NE(insul, nullptr) << message;
    std::map<std::string, int> counts;
    if (insul)
        for (const std::string& name : InsulNames(*insul))
            ++counts[name];
    return counts;
}

void ExpectStartRowsIntact(const std::map<std::string, int>& counts) {
    for (const InsulRow& row : StartRows)
        EXPECT_EQ(counts.count(row.name) ? counts.at(row.name) : 0, 1) << row.name;
}

// Shared memory where there is some: a killed writer stops at any point just the same, and
// without a disk's flushes the rounds are fast enough to kill writers at every stage.
std::string FastFolder() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error)
               ? std::string("/dev/shm")
               : std::filesystem::temp_directory_path().string();
}

class TableWriters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(MakeInsulTable(dir.Path(), StartRows), nullptr); }
    TempFolder dir{FastFolder()};
};

TEST_F(TableWriters, TwoProcessesAddingAtOnceLoseNothingAndAddNothingTwice) {
    constexpr int Each = 100;
    const Writer a = StartWriter(dir.Path(), "First ", 0, Each);
    const Writer b = StartWriter(dir.Path(), "Second ", 0, Each);
    const std::vector<std::string> fromA = ReportedNames(a);
    const std::vector<std::string> fromB = ReportedNames(b);
    for (const Writer& w : {a, b}) {
        int status = 0;
        ::waitpid(w.pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(fromA.size(), std::size_t{Each});
    EXPECT_EQ(fromB.size(), std::size_t{Each});

    const std::map<std::string, int> counts = NameCounts(dir.Path());
    ExpectStartRowsIntact(counts);
    for (const auto& names : {fromA, fromB})
        for (const std::string& name : names)
            EXPECT_EQ(counts.count(name) ? counts.at(name) : 0, 1) << name;
    EXPECT_EQ(counts.size(), StartRows.size() + 2 * Each);
}

TEST_F(TableWriters, AWriterKilledAtAnyMomentLeavesATableThatOpensWithEveryReportedRecord) {
    // How long one record takes here (a sanitizer build or a busy machine is many times slower):
    // the kills then fall before, during and after a writer's first records wherever it runs.
    const auto started = std::chrono::steady_clock::now();
    const Writer timing = StartWriter(dir.Path(), "Timing-", 0, 5);
    std::vector<std::string> reported = ReportedNames(timing);
    ::waitpid(timing.pid, nullptr, 0);
    ASSERT_EQ(reported.size(), 5u);
    const auto perRecord = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - started) /
                           5;
    std::mt19937 random(20);
    std::uniform_int_distribution<int> pause(
        0, std::max(15000, static_cast<int>(3 * perRecord.count()))); // microseconds
    for (int round = 0; round < 200; ++round) {
        const Writer w = StartWriter(dir.Path(), "Killed " + std::to_string(round) + "-", 0, 1000);
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(w.pid, SIGKILL);
        ::waitpid(w.pid, nullptr, 0);
        const std::vector<std::string> names = ReportedNames(w);
        reported.insert(reported.end(), names.begin(), names.end());

        const std::map<std::string, int> counts = NameCounts(dir.Path());
        ASSERT_FALSE(counts.empty()) << "the table no longer opens after round " << round;
        for (const std::string& name : names)
            ASSERT_EQ(counts.count(name) ? counts.at(name) : 0, 1) << name;
    }
    const std::map<std::string, int> counts = NameCounts(dir.Path());
    ExpectStartRowsIntact(counts);
    for (const std::string& name : reported)
        EXPECT_EQ(counts.at(name), 1) << name;
    // Every record is a start row or one a writer added, each once; a writer killed after its
    // rename but before its report may have added one record more than it reported.
    for (const auto& [name, count] : counts)
        EXPECT_EQ(count, 1) << name;
    EXPECT_GE(counts.size(), StartRows.size() + reported.size());
    EXPECT_LE(counts.size(), StartRows.size() + reported.size() + 200);
    EXPECT_GT(reported.size(), 0u);
}

TEST_F(TableWriters, AnAppendThatCannotBeWrittenIsAFailureOfNew) {
    // DEFAULTS.KVI names a wall the table lacks; no file may grow to hold the table with it.
    TDefaults defaults = BuiltInDefaults();
    SetPadded(defaults.coolerWallName, "Urethane foam", InsulNameWidth);
    defaults.coolerWallFactor = 0.16;
    ASSERT_TRUE(WriteDefaultsFile(defaults, dir.File("DEFAULTS.KVI")).ok);
    const std::vector<unsigned char> before = ReadBytes(dir.File("INSUL.DAT"));
    RunSetting limited;
    limited.fileSizeLimit = before.size();

    const ProgramRun run =
        RunProgram(QUELBOX_CLI,
                   {"new", "--box-temp", "35", "--length", "8", "--width", "8", "--height", "8",
                    "-o", dir.File("job.kvj"), "--dir", dir.Path()},
                   limited);
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_THAT(run.err, HasSubstr(dir.File("INSUL.DAT")));
    EXPECT_EQ(ReadBytes(dir.File("INSUL.DAT")), before);
    EXPECT_FALSE(std::filesystem::exists(dir.File("job.kvj")));
}

TEST_F(TableWriters, AFactorStoredAsZeroIsRefusedLikeABlankName) {
    EXPECT_FALSE(InsulationEntryAcceptable("Urethane foam", 0.0004));
    EXPECT_TRUE(InsulationEntryAcceptable("Urethane foam", 0.0005));
    EXPECT_TRUE(InsulationEntryAcceptable("Urethane foam", 0.001));

    TDefaults defaults = BuiltInDefaults();
    SetPadded(defaults.coolerWallName, "Urethane foam", InsulNameWidth);
    defaults.coolerWallFactor = 0.0004;
    ASSERT_TRUE(WriteDefaultsFile(defaults, dir.File("DEFAULTS.KVI")).ok);
    std::string message;
    std::unique_ptr<Table> insul = OpenReferenceTable(dir.Path(), ReferenceTable::Insul, message);
    ASSERT_NE(insul, nullptr) << message;
    Job job;
    TDefaults read = BuiltInDefaults();
    ResetJobToDefaults(job, read, dir.File("DEFAULTS.KVI"), insul.get());
    EXPECT_EQ(GetText(read.coolerWallName).substr(0, 18), "Polystyrene,molded");
    EXPECT_EQ(NameCounts(dir.Path()).count("Urethane foam"), 0u);
}

} // namespace
