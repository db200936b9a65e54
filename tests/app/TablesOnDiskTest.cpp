// The desktop program and tables that another program changes while it runs: a table replaced
// on disk is read again before the next search and the status bar says so once; a replacement
// that cannot be read keeps the copy read before.

#include "../dialogs/DialogTestSupport.h"

#include "TableFileBytes.h"
#include "app/KelvoFrame.h"
#include "dialogs/BrowseList.h"
#include "dialogs/ChoiceListDialog.h"
#include "job/FixedText.h"
#include "job/Submitter.h"
#include "tables/ShippedTables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

using enum CommandId;

ModalScript::Step UnitEntry() {
    return [](QDialog& d) {
        SetField(d, "unitCount", QStringLiteral("1"));
        SetField(d, "designTD", QStringLiteral("10"));
        return ClickOk(d);
    };
}

// Reads the brand column of every row of the unit list, then cancels it.
ModalScript::Step ReadBrands(QStringList* brands) {
    return [brands](QDialog& d) {
        BrowseList* list = dynamic_cast<ChoiceListDialog&>(d).browseList();
        for (int r = 0; r < list->rowCount(); ++r)
            *brands << list->row(r)[4].trimmed();
        return ClickCancel(d);
    };
}

class TablesOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        state.folder = folder.path();
        ASSERT_TRUE(StartUp(state, ShippedTableFolders()).empty());
        SetText(state.submitter.companyName, "Cold Co");
        ASSERT_TRUE(WriteSubmitter(state.submitter, folder.file(SubmitterFileName)).ok);
        frame = std::make_unique<KelvoFrame>(state);
        ModalScript modal({[](QDialog& d) {
                               SetField(d, "boxTemp", QStringLiteral("35"));
                               return ClickOk(d);
                           },
                           [](QDialog& d) {
                               SetField(d, "jobName", QStringLiteral("Cooler"));
                               SetField(d, "length", QStringLiteral("10"));
                               SetField(d, "width", QStringLiteral("8"));
                               SetField(d, "height", QStringLiteral("8"));
                               return ClickOk(d);
                           }});
        frame->runCommand(NewJob);
        ASSERT_TRUE(state.jobLoaded());
        units = folder.file("UNITS.DAT");
        shipped = ReadAll(units);
        ASSERT_GT(RecordCount(shipped), 20u);
    }

    // The brands of the units Unit Search lists for the job.
    QStringList ListedBrands() {
        QStringList brands;
        ModalScript modal({UnitEntry(), ReadBrands(&brands)});
        frame->runCommand(UnitSearch);
        EXPECT_EQ(modal.unexpected, 0);
        return brands;
    }

    QString Status() const { return frame->statusNotice(); }

    TempFolder folder;
    AppState state;
    std::unique_ptr<KelvoFrame> frame;
    std::string units;
    std::string shipped;
};

} // namespace

TEST_F(TablesOnDisk, AUnitsTableReplacedOnDiskIsReadBeforeTheNextSearchAndToldOnce) {
    const QStringList before = ListedBrands();
    ASSERT_FALSE(before.isEmpty());
    ASSERT_FALSE(before.contains(QStringLiteral("NEWBRAND")));
    EXPECT_TRUE(Status().isEmpty()) << Status().toStdString();

    const std::uint32_t keep = RecordCount(shipped) - 7;
    ReplaceByRename(units, ChangedTable(shipped, keep, "BRAND", "NEWBRAND"));
    const QStringList after = ListedBrands();
    ASSERT_FALSE(after.isEmpty());
    EXPECT_EQ(after.count(QStringLiteral("NEWBRAND")), after.size());
    EXPECT_EQ(Status().toStdString(),
              "UNITS.DAT changed on disk: " + Grouped(keep) + " units read");

    // Told once: the notice goes after the next search, which finds nothing new to say.
    EXPECT_EQ(ListedBrands(), after);
    EXPECT_TRUE(Status().isEmpty()) << Status().toStdString();
}

// Between commands the change is read and told as soon as it is seen, without a command.
TEST_F(TablesOnDisk, AChangeSeenBetweenCommandsIsToldWithoutACommand) {
    frame->show();
    const std::uint32_t keep = RecordCount(shipped) - 2;
    ReplaceByRename(units, ChangedTable(shipped, keep, "BRAND", "IDLE"));
    const std::string expected = "UNITS.DAT changed on disk: " + Grouped(keep) + " units read";
    QElapsedTimer clock;
    clock.start();
    while (Status().toStdString() != expected && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(Status().toStdString(), expected);
    EXPECT_EQ(state.tables.get(ReferenceTable::Units)->d4recCountDo(), static_cast<int32_t>(keep));
    // A menu's hint covers the notice only while it shows.
    QLabel* notice = frame->statusBar()->findChild<QLabel*>(QStringLiteral("notice"));
    ASSERT_NE(notice, nullptr);
    QStatusTipEvent hint(QStringLiteral("Search for condensing units"));
    QCoreApplication::sendEvent(frame.get(), &hint);
    EXPECT_FALSE(notice->isVisible());
    QStatusTipEvent gone{QString()};
    QCoreApplication::sendEvent(frame.get(), &gone);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text().toStdString(), expected);
}

// A table rewritten in place (as cp does) is read again just the same.
TEST_F(TablesOnDisk, AUnitsTableRewrittenInPlaceIsReadAgain) {
    ListedBrands();
    WriteAll(units, ChangedTable(shipped, RecordCount(shipped), "BRAND", "INPLACE"));
    const QStringList after = ListedBrands();
    ASSERT_FALSE(after.isEmpty());
    EXPECT_EQ(after.count(QStringLiteral("INPLACE")), after.size());
    EXPECT_TRUE(Status().startsWith(QStringLiteral("UNITS.DAT changed on disk: ")));
}

// Whatever takes the table's place, in place or by a rename, the units read before stay in use,
// the status bar says why once, and a sound table put back later is read again.
TEST_F(TablesOnDisk, AReplacementThatCannotBeReadKeepsTheUnitsReadBefore) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> replace;
        const char* told;
    };
    const std::vector<Case> cases = {
        {"text written over it",
         [](const std::string& p) {
             WriteAll(p, "MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF\nX,1,2,3,4,5,6\n");
         },
         "changed on disk and cannot be read (not a dBASE table)"},
        {"an empty file renamed over it", [](const std::string& p) { ReplaceByRename(p, ""); },
         "changed on disk and cannot be read (the table is empty)"},
        {"cut short in place",
         [this](const std::string& p) { WriteAll(p, shipped.substr(0, shipped.size() / 2)); },
         "changed on disk and cannot be read ("},
        {"removed", [](const std::string& p) { std::remove(p.c_str()); }, "UNITS.DAT is gone from"},
        {"a folder in its place",
         [](const std::string& p) {
             std::remove(p.c_str());
             std::filesystem::create_directory(p);
         },
         "changed on disk and cannot be read (it is a directory"},
    };
    const QStringList before = ListedBrands();
    ASSERT_FALSE(before.isEmpty());
    const std::string kept = "the " + Grouped(RecordCount(shipped)) + " units read before are kept";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.replace(units);
        EXPECT_EQ(ListedBrands(), before);
        const std::string told = Status().toStdString();
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        EXPECT_NE(told.find(kept), std::string::npos) << told;
        EXPECT_EQ(ListedBrands(), before);
        EXPECT_TRUE(Status().isEmpty()) << "told twice: " << Status().toStdString();

        std::filesystem::remove_all(units);
        ReplaceByRename(units, shipped);
        EXPECT_EQ(ListedBrands(), before);
        EXPECT_TRUE(Status().startsWith(QStringLiteral("UNITS.DAT changed on disk: ")));
    }
}

// A table missing at start-up (and not in the shipped set) is opened once it appears, and the
// commands that need it are enabled.
TEST(TablesAppearing, AMissingTableIsOpenedWhenItAppears) {
    EnsureApplication();
    TempFolder shippedCopy;
    TempFolder folder;
    AppState first;
    first.folder = shippedCopy.path();
    ASSERT_TRUE(StartUp(first, ShippedTableFolders()).empty());
    for (const char* table : {"INSUL.DAT", "PRODUCT.DAT", "UNITS.DAT"})
        std::filesystem::copy_file(shippedCopy.file(table), folder.file(table));

    AppState state;
    state.folder = folder.path();
    ASSERT_EQ(StartUp(state, {}).size(), 1u); // COILS.DAT is missing
    KelvoFrame frame(state);
    EXPECT_FALSE(frame.action(SpotCoil)->isEnabled());

    std::filesystem::copy_file(shippedCopy.file("COILS.DAT"), folder.file("COILS.DAT"));
    ModalScript modal({[](QDialog&) { return int{QDialog::Accepted}; }}); // the About box
    frame.runCommand(About);
    ASSERT_NE(state.tables.get(ReferenceTable::Coils), nullptr);
    EXPECT_TRUE(frame.action(SpotCoil)->isEnabled());
    const std::string count = Grouped(RecordCount(ReadAll(folder.file("COILS.DAT"))));
    EXPECT_EQ(frame.statusNotice().toStdString(),
              "COILS.DAT changed on disk: " + count + " coils read");
}
