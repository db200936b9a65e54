// Reading changed tables again: under the writers' lock, silent about the program's own changes,
// and DEFAULTS.KVI alike.

#include "../dialogs/DialogTestSupport.h"
#include "TableFileBytes.h"

#include "app/TableRefresh.h"
#include "job/DefaultsFile.h"
#include "job/SafeWriteLock.h"
#include "tables/ShippedTables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <thread>

namespace {

using Notices = std::vector<std::string>;

class TableRefreshing : public ::testing::Test {
protected:
    void SetUp() override {
        state.folder = folder.path();
        ASSERT_TRUE(StartUp(state, ShippedTableFolders()).empty());
        refresh = std::make_unique<TableRefresh>(state);
        units = folder.file("UNITS.DAT");
        shipped = ReadAll(units);
    }

    // Another program rewrites UNITS.DAT in place under the writers' lock, in two halves with a
    // pause between them; returns once the first half is on disk. The table then holds
    // `changed`.
    void StartSlowWriter(const std::string& changed) {
        std::promise<void> halfWritten;
        std::future<void> half = halfWritten.get_future();
        writer = std::thread([this, changed, promise = std::move(halfWritten)]() mutable {
            std::string why;
            const std::unique_ptr<FileUpdateLock> lock = FileUpdateLock::Acquire(units, why);
            ASSERT_TRUE(lock) << why;
            WriteAll(units, changed.substr(0, changed.size() / 2));
            promise.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            std::ofstream(units, std::ios::binary | std::ios::app)
                << changed.substr(changed.size() / 2);
        });
        half.wait();
    }

    int32_t HeldUnits() const { return state.tables.get(ReferenceTable::Units)->d4recCountDo(); }

    TempFolder folder;
    AppState state;
    std::unique_ptr<TableRefresh> refresh;
    std::string units;
    std::string shipped;
    std::thread writer;
};

} // namespace

TEST_F(TableRefreshing, NothingChangedNothingRead) {
    const Table* held = state.tables.get(ReferenceTable::Units);
    EXPECT_EQ(refresh->refresh(WriterWait::Moment), Notices{});
    EXPECT_EQ(state.tables.get(ReferenceTable::Units), held);
}

// A command waits for the writer and reads the whole new table, never the half written.
TEST_F(TableRefreshing, BeforeACommandTheWriterHoldingTheLockIsWaitedFor) {
    const std::uint32_t keep = RecordCount(shipped) - 3;
    StartSlowWriter(ChangedTable(shipped, keep, "BRAND", "SLOW"));
    const Notices notices = refresh->refresh(WriterWait::Moment);
    writer.join();
    EXPECT_EQ(notices, Notices{"UNITS.DAT changed on disk: " + Grouped(keep) + " units read"});
    EXPECT_EQ(HeldUnits(), static_cast<int32_t>(keep));
}

// Looking in passing (no command waiting) leaves a locked table for the next look.
TEST_F(TableRefreshing, InPassingALockedTableIsLeftForLater) {
    const std::uint32_t keep = RecordCount(shipped) - 3;
    StartSlowWriter(ChangedTable(shipped, keep, "BRAND", "SLOW"));
    EXPECT_EQ(refresh->refresh(WriterWait::None), Notices{});
    EXPECT_EQ(HeldUnits(), static_cast<int32_t>(RecordCount(shipped)));
    writer.join();
    EXPECT_EQ(refresh->refresh(WriterWait::None),
              Notices{"UNITS.DAT changed on disk: " + Grouped(keep) + " units read"});
}

// The program's own change to INSUL.DAT is no news; another program's is.
TEST_F(TableRefreshing, OnlyAnotherProgramsChangeIsTold) {
    const auto append = [](Table& insul, const char* name) {
        insul.d4appendStart();
        insul.f4assign("INSULATION", name);
        insul.f4assignDouble("FACTOR", 0.25);
        insul.f4assignChar("KU", 'K');
        ASSERT_EQ(insul.d4append(), 0) << insul.lastError();
    };
    Table* insul = state.tables.get(ReferenceTable::Insul);
    const int32_t count = insul->d4recCountDo();
    append(*insul, "Own board");
    EXPECT_EQ(refresh->refresh(WriterWait::Moment), Notices{});
    EXPECT_EQ(state.tables.get(ReferenceTable::Insul), insul);

    std::string message;
    const std::unique_ptr<Table> other =
        OpenReferenceTable(folder.path(), ReferenceTable::Insul, message);
    ASSERT_TRUE(other) << message;
    append(*other, "Other board");
    EXPECT_EQ(refresh->refresh(WriterWait::Moment),
              Notices{"INSUL.DAT changed on disk: " +
                      Grouped(static_cast<std::uint32_t>(count + 2)) + " insulations read"});
    EXPECT_EQ(state.tables.get(ReferenceTable::Insul)->d4recCountDo(), count + 2);
}

TEST_F(TableRefreshing, DefaultsChangedOnDiskAreReadAndTold) {
    const std::string path = folder.file(DefaultsFileName);
    TDefaults other = state.defaults;
    other.defaultAmbient = 110;
    struct Step {
        const char* name;
        std::function<void()> change;
        Notices told;
        int32_t ambient; // of the defaults in memory afterwards
    };
    const std::vector<Step> steps = {
        {"written by another program",
         [&] { ASSERT_TRUE(WriteDefaultsFile(other, path).ok); },
         {"DEFAULTS.KVI changed on disk: new jobs take its defaults"},
         110},
        {"saved by the program itself",
         [&] {
             state.defaults.defaultAmbient = 95;
             ASSERT_TRUE(WriteDefaultsFile(state.defaults, path).ok);
         },
         {},
         95},
        {"a folder in its place",
         [&] {
             std::filesystem::remove(path);
             std::filesystem::create_directory(path);
         },
         {"Cannot read " + path + ": it is a directory: the defaults read before are kept"},
         95},
        {"removed",
         [&] { std::filesystem::remove(path); },
         {"DEFAULTS.KVI is gone: new jobs take the built-in defaults"},
         BuiltInDefaults().defaultAmbient},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_EQ(refresh->refresh(WriterWait::Moment), step.told);
        EXPECT_EQ(+state.defaults.defaultAmbient, step.ambient);
        EXPECT_EQ(refresh->refresh(WriterWait::Moment), Notices{}); // told once
    }
}
