#include "../dialogs/DialogTestSupport.h"

#include "app/HelpWindow.h"
#include "app/KelvoFrame.h"
#include "app/SummaryView.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <QAction>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

using enum CommandId;

const QString NotSaved = QStringLiteral("Current Job\n Not Saved !\n do you wish to Save it ?");

ModalScript::Step BoxTemperature(const char* value) {
    return [value](QDialog& d) {
        SetField(d, "boxTemp", QLatin1String(value));
        return ClickOk(d);
    };
}

ModalScript::Step JobInformation(const char* name, const char* length) {
    return [name, length](QDialog& d) {
        SetField(d, "jobName", QLatin1String(name));
        SetField(d, "length", QLatin1String(length));
        SetField(d, "width", QStringLiteral("8"));
        SetField(d, "height", QStringLiteral("8"));
        return ClickOk(d);
    };
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        state.folder = folder.path();
        problems = StartUp(state, ShippedTableFolders());
        frame = std::make_unique<KelvoFrame>(state);
    }

    void WriteSubmitterFile() {
        SetText(state.submitter.companyName, "Cold Co");
        ASSERT_TRUE(WriteSubmitter(state.submitter, folder.file(SubmitterFileName)).ok);
    }

    // A completed New Job named `name`.
    void MakeJob(const char* name) {
        ModalScript modal({BoxTemperature("35"), JobInformation(name, "10")});
        frame->runCommand(NewJob);
        ASSERT_TRUE(state.jobLoaded());
        ASSERT_EQ(modal.unexpected, 0);
    }

    bool Enabled(CommandId id) { return frame->action(id)->isEnabled(); }

    TempFolder folder;
    AppState state;
    std::vector<std::string> problems;
    std::unique_ptr<KelvoFrame> frame;
};

} // namespace

TEST_F(Frame, StartsWithoutAJobAndTheTablesOpen) {
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quelbox"));
    for (CommandId id : {NewJob, LoadJob, SetDefaults, SubmittedBy, ClearJob, HelpIndex, About})
        EXPECT_TRUE(Enabled(id)) << CommandInfoOf(id).menuText;
    for (CommandId id : {EditJobInfo, SaveJob, PrintJob, SelectProduct, CoilSearch})
        EXPECT_FALSE(Enabled(id)) << CommandInfoOf(id).menuText;
    EXPECT_EQ(frame->toolBar()->actions().count(), 14 + 13); // buttons and separators
    EXPECT_EQ(frame->toolBar()->actions().first(), frame->action(LoadJob));
    EXPECT_EQ(frame->action(NewJob)->statusTip(), QStringLiteral("Initiate a New Kelv Job"));
}

TEST_F(Frame, NewJobAsksForTheSubmitterFirstThenMakesTheJob) {
    MessageScript messages;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.objectName(), QStringLiteral("TSubmitterDialog"));
                           return ClickCancel(d);
                       },
                       BoxTemperature("20"), JobInformation("Walk In", "10")});
    frame->runCommand(NewJob);
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_EQ(modal.opened, (std::vector<QString>{QStringLiteral("TSubmitterDialog"),
                                                  QStringLiteral("TNewJobDialog"),
                                                  QStringLiteral("KVjobDialog")}));
    EXPECT_FALSE(std::filesystem::exists(folder.file(SubmitterFileName)));
    ASSERT_TRUE(state.jobLoaded());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kelvo: Walk In"));
    EXPECT_TRUE(state.job.run.untitled);
    EXPECT_TRUE(state.job.run.modified);
    EXPECT_EQ(+state.job.image.header.runHours, 18); // 20 F is a freezer
    EXPECT_GT(+state.job.image.products[0].productWeight, 0);
    EXPECT_TRUE(Enabled(SaveJob));
    EXPECT_TRUE(Enabled(EditJobInfo));
    EXPECT_FALSE(Enabled(SetDefaults));
    EXPECT_TRUE(frame->action(AirChange)->isChecked());
    EXPECT_FALSE(frame->action(AirVelocity)->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Frame, NewJobWithoutVolumeOrCancelledLeavesNoJob) {
    WriteSubmitterFile();
    {
        ModalScript modal({BoxTemperature("35"), JobInformation("Flat", "0")});
        frame->runCommand(NewJob);
    }
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kelvo: "));
    ModalScript modal({[](QDialog& d) { return ClickCancel(d); }});
    frame->runCommand(NewJob);
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_EQ(modal.unexpected, 0);
}

TEST_F(Frame, NotSavedPromptBeforeNewJob) {
    WriteSubmitterFile();
    MakeJob("First");
    MessageScript messages({MessageAnswer::No});
    ModalScript modal({[](QDialog& d) { return ClickCancel(d); }});
    frame->runCommand(NewJob);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Caution"));
    EXPECT_EQ(messages.shown[0].text, NotSaved);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(state.jobLoaded());
}

TEST_F(Frame, NoBeforeLoadThenCancelledOpenLeavesNoJob) {
    WriteSubmitterFile();
    MakeJob("First");
    MessageScript messages({MessageAnswer::No});
    FileScript files({QString()});
    frame->runCommand(LoadJob);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_FALSE(Enabled(SaveJob));
}

TEST_F(Frame, YesBeforeClearSavesTheUntitledJobThroughTheSaveDialog) {
    WriteSubmitterFile();
    MakeJob("Keep");
    const QString path = QString::fromStdString(folder.file("keep.kvj"));
    MessageScript messages({MessageAnswer::Yes});
    FileScript files({path});
    frame->runCommand(ClearJob);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].save);
    EXPECT_EQ(files.asked[0].preset, QStringLiteral("Keep"));
    EXPECT_EQ(std::filesystem::file_size(path.toStdString()), 2575u);
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_TRUE(state.job.run.newJob);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kelvo: Keep")); // Clear keeps the caption
}

TEST_F(Frame, SaveLoadAndRecentFiles) {
    WriteSubmitterFile();
    MakeJob("Round");
    const std::string path = folder.file("round.kvj");
    {
        FileScript files({QString::fromStdString(path)});
        frame->runCommand(SaveJob);
    }
    EXPECT_FALSE(state.job.run.modified);
    EXPECT_EQ(frame->windowTitle(), QString::fromStdString("Kelvo: " + path));
    EXPECT_EQ(state.recentFiles, std::vector<std::string>{path});
    std::ifstream profile(folder.file("kelvo.ini"));
    const std::string text((std::istreambuf_iterator<char>(profile)), {});
    EXPECT_NE(text.find("round.kvj"), std::string::npos);
    EXPECT_TRUE(frame->recentActions()[0]->isVisible());

    frame->runCommand(ClearJob); // not modified: no prompt
    FileScript files({QString::fromStdString(path)});
    MessageScript messages;
    frame->runCommand(LoadJob);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_TRUE(state.jobLoaded());
    EXPECT_EQ(GetText(state.job.image.header.jobName), "Round");
    frame->runCommand(ClearJob);
    frame->recentActions()[0]->trigger();
    EXPECT_TRUE(state.jobLoaded());
}

TEST_F(Frame, FailedLoadShowsTheMessageAndLeavesNoJob) {
    WriteSubmitterFile();
    MakeJob("Loaded");
    const std::string good = folder.file("good.kvj");
    ASSERT_TRUE(WriteJobFile(state.job, good).ok);
    const std::string bad = folder.file("bad.kvj");
    std::ofstream(bad) << "this is not a job";
    FileScript files({QString::fromStdString(bad)});
    MessageScript messages;
    frame->runCommand(LoadJob);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("File Open Error"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Not an Quelbox WIN 98 Job File"));
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kelvo: Loaded"));
    EXPECT_FALSE(Enabled(SaveJob));
}

TEST_F(Frame, FailedSaveKeepsTheJobModifiedAndANewJobWaits) {
    WriteSubmitterFile();
    MakeJob("Stuck");
    const QString unwritable = QString::fromStdString(folder.file("missing/dir/job.kvj"));
    {
        FileScript files({unwritable});
        MessageScript messages;
        frame->runCommand(SaveJob);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("File Save Error"));
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("job.kvj")));
    }
    EXPECT_TRUE(state.job.run.modified);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kelvo: Stuck"));
    // Saying Yes to the offer before New Job fails the same way: the job is kept.
    FileScript files({unwritable});
    MessageScript messages({MessageAnswer::Yes});
    ModalScript modal;
    frame->runCommand(NewJob);
    EXPECT_EQ(messages.shown.size(), 2u); // the question and the failure
    EXPECT_TRUE(modal.opened.empty());
    EXPECT_TRUE(state.jobLoaded());
    EXPECT_TRUE(state.job.run.modified);
}

TEST_F(Frame, EditingOnlyTheAmbientKeepsTheJobUnmodifiedAndDropsTheUnit) {
    WriteSubmitterFile();
    MakeJob("Edit");
    state.job.run.modified = false;
    state.job.image.unit.unitSelected = 1;
    frame->updateCommands();
    EXPECT_TRUE(Enabled(CoilSearch)); // a selected unit enables the coil search
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(FieldText(d, "jobName"), QStringLiteral("Edit"));
        SetField(d, "designAmbient", QStringLiteral("105"));
        return ClickOk(d);
    }});
    frame->runCommand(EditJobInfo);
    EXPECT_FALSE(state.job.run.modified);
    EXPECT_EQ(+state.job.image.header.designAmbient, 105);
    EXPECT_EQ(+state.job.image.unit.unitSelected, 0);
}

TEST_F(Frame, ClosingAChangedJobAsksThenCloses) {
    WriteSubmitterFile();
    MakeJob("Bye");
    frame->show();
    MessageScript messages({MessageAnswer::No});
    EXPECT_TRUE(frame->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, NotSaved);
}

TEST_F(Frame, DefaultsCommandWritesTheDefaultsFile) {
    ModalScript modal({[](QDialog& d) {
        SetField(d, "coolerInches", QStringLiteral("4"));
        return ClickOk(d);
    }});
    frame->runCommand(SetDefaults);
    EXPECT_EQ(modal.opened, std::vector<QString>{QStringLiteral("TDefaultsTab")});
    EXPECT_EQ(std::filesystem::file_size(folder.file(DefaultsFileName)), 116u);
    EXPECT_EQ(+state.defaults.coolerWallInches, 4.0);
}

TEST_F(Frame, SubmitterCommandWritesOnlyAChange) {
    ModalScript modal({[](QDialog& d) { return ClickOk(d); },
                       [](QDialog& d) {
                           SetField(d, "companyName", QStringLiteral("Polar Ltd"));
                           return ClickOk(d);
                       }});
    frame->runCommand(SubmittedBy);
    EXPECT_FALSE(std::filesystem::exists(folder.file(SubmitterFileName)));
    frame->runCommand(SubmittedBy);
    EXPECT_EQ(std::filesystem::file_size(folder.file(SubmitterFileName)), 123u);
}

TEST_F(Frame, ToolBarCommandHidesAndRestoresTheToolbar) {
    frame->show();
    EXPECT_TRUE(frame->action(ToolBar)->isChecked());
    frame->runCommand(ToolBar);
    EXPECT_FALSE(frame->toolBar()->isVisible());
    EXPECT_FALSE(frame->action(ToolBar)->isChecked());
    frame->runCommand(ToolBar);
    EXPECT_TRUE(frame->toolBar()->isVisible());
    EXPECT_TRUE(frame->action(ToolBar)->isChecked());
}

TEST_F(Frame, HelpIndexOpensTheContents) {
    frame->runCommand(HelpIndex);
    ASSERT_NE(frame->helpWindow(), nullptr);
    EXPECT_TRUE(frame->helpWindow()->isVisible());
    EXPECT_TRUE(frame->helpWindow()->browser()->source().path().endsWith("index.html"));
    RequestHelp(QStringLiteral("1092"));
    EXPECT_EQ(frame->helpWindow()->browser()->source().fragment(), QStringLiteral("1092"));
    EXPECT_TRUE(frame->helpWindow()->browser()->toPlainText().contains(QStringLiteral("Height")));
}

TEST_F(Frame, SummaryViewPaintsTheJobAndScrolls) {
    WriteSubmitterFile();
    MakeJob("Paint");
    frame->resize(900, 600);
    frame->show();
    TKlientWindow* view = frame->client();
    view->viewport()->grab();
    const SummaryPage& page = view->lastPage();
    ASSERT_FALSE(page.empty());
    const bool total = std::any_of(page.begin(), page.end(), [](const SummaryItem& item) {
        return item.y == 5 && item.x == 34 && item.text.starts_with("TOTAL LOAD CALCULATION:");
    });
    EXPECT_TRUE(total);
    QScrollBar* bar = view->verticalScrollBar();
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(bar->value(), TKlientWindow::ScrollRows);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 1 + bar->pageStep());
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(bar->value(), bar->pageStep());
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), TKlientWindow::ScrollColumns);
}

// Start-up as main() runs it, from the reference tables to the first paint of the shown window.
TEST(StartUpTime, MainWindowShownWithinHalfASecond) {
    EnsureApplication();
    TempFolder folder;
    QElapsedTimer clock;
    clock.start();
    AppState state;
    state.folder = folder.path();
    StartUp(state, ShippedTableFolders());
    KelvoFrame frame(state);
    bool painted = false;
    frame.client()->onFirstPaint([&painted] { painted = true; });
    frame.show();
    while (!painted && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 elapsed = clock.elapsed();
    EXPECT_TRUE(painted);
    EXPECT_LT(elapsed, 500) << "start-up took " << elapsed << " ms";
    RecordProperty("startup_ms", static_cast<int>(elapsed));
}
