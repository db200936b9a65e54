#include "../dialogs/DialogTestSupport.h"

#include "app/HelpWindow.h"
#include "app/HelpWindowPlacement.h"
#include "app/KelvoFrame.h"
#include "app/SummaryView.h"
#include "app/UnitsProfile.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstring>
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
        SetField(d, "jobName", QString::fromUtf8(name));
        SetField(d, "length", QLatin1String(length));
        SetField(d, "width", QStringLiteral("8"));
        SetField(d, "height", QStringLiteral("8"));
        return ClickOk(d);
    };
}

// True once `window` is the application's active window (a window of another window counts as
// active to qWaitForWindowActive while its owner is).
bool BecomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
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
        MessageScript messages;
        ModalScript modal({BoxTemperature("35"), [](QDialog& d) {
                               EXPECT_NE(JobInformation("Flat", "0")(d), QDialog::Accepted);
                               return ClickCancel(d);
                           }});
        frame->runCommand(NewJob);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Length No/So")));
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
    EXPECT_EQ(files.asked[0].preset, QStringLiteral("Keep.kvj"));
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

// A job named on the command line by a relative path is kept by its full path, as one opened
// through Load Job is: the recent-files entry works from any folder and the caption is the same.
TEST_F(Frame, AJobOpenedByARelativePathIsKeptByItsFullPath) {
    WriteSubmitterFile();
    MakeJob("Relative");
    const std::string path = folder.file("relative.kvj");
    ASSERT_TRUE(WriteJobFile(state.job, path).ok);
    state.job.run.modified = false;
    const std::string relative = std::filesystem::relative(path).string();
    ASSERT_NE(relative, path);
    state.recentFiles = {relative}; // kept by an earlier run

    frame->openAtStart(relative);
    ASSERT_TRUE(state.jobLoaded());
    EXPECT_EQ(state.recentFiles, std::vector<std::string>{path});
    const QString caption = frame->windowTitle();
    EXPECT_EQ(caption, QString::fromStdString("Kelvo: " + path));

    FileScript files({QString::fromStdString(path)});
    frame->runCommand(LoadJob);
    EXPECT_EQ(frame->windowTitle(), caption);
    EXPECT_EQ(state.recentFiles, std::vector<std::string>{path});
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

// A job name with a slash: the Save dialog offers the name with "-" in its place, and it saves.
TEST_F(Frame, SaveJobOffersTheJobNameFitForAFileName) {
    WriteSubmitterFile();
    MakeJob("Smith 12/10 cooler");
    FileScript files({QString::fromStdString(folder.file("Smith 12-10 cooler.kvj"))});
    MessageScript messages;
    frame->runCommand(SaveJob);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].preset, QStringLiteral("Smith 12-10 cooler.kvj"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(state.job.run.modified);
    EXPECT_EQ(std::filesystem::file_size(folder.file("Smith 12-10 cooler.kvj")), 2575u);
}

// A save that fails says what to do and opens the Save dialog again on the path that failed; the
// next choice saves the job.
TEST_F(Frame, AFailedSaveOpensTheSaveDialogAgain) {
    WriteSubmitterFile();
    MakeJob("Again");
    const std::string unwritable = folder.file("missing/job.kvj");
    const std::string writable = folder.file("job.kvj");
    FileScript files({QString::fromStdString(unwritable), QString::fromStdString(writable)});
    MessageScript messages;
    frame->runCommand(SaveJob);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.endsWith(
        QStringLiteral("Choose another folder or file name to save the job.")));
    ASSERT_EQ(files.asked.size(), 2u);
    EXPECT_EQ(files.asked[1].preset, QString::fromStdString(unwritable));
    EXPECT_FALSE(state.job.run.modified);
    EXPECT_EQ(state.job.run.fileName, writable);
    EXPECT_EQ(frame->windowTitle(), QString::fromStdString("Kelvo: " + writable));
    EXPECT_EQ(std::filesystem::file_size(writable), 2575u);
}

// Yes to "Not Saved" for a job whose file can no longer be written: the Save dialog opens on its
// path, and the job closes only once it is saved elsewhere.
TEST_F(Frame, AnOfferedSaveToAnUnwritableFileAsksForAnotherPlace) {
    WriteSubmitterFile();
    MakeJob("Moved");
    const std::filesystem::path gone = folder.path() / "gone";
    std::filesystem::create_directories(gone);
    const std::string first = (gone / "moved.kvj").string();
    {
        FileScript files({QString::fromStdString(first)});
        frame->runCommand(SaveJob);
    }
    std::filesystem::remove_all(gone);
    state.job.run.modified = true;
    const std::string elsewhere = folder.file("moved.kvj");
    FileScript files({QString::fromStdString(elsewhere)});
    MessageScript messages({MessageAnswer::Yes});
    frame->runCommand(ClearJob);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].preset, QString::fromStdString(first));
    EXPECT_EQ(messages.shown.size(), 2u); // the question and the failure
    EXPECT_FALSE(state.jobLoaded());
    EXPECT_EQ(std::filesystem::file_size(elsewhere), 2575u);
}

// The ambient and the date live outside the dialog's record; changing either is still a change
// the user must be offered to save, and OK with nothing changed leaves the job as it was.
TEST_F(Frame, EditingOnlyTheAmbientOrTheDateMarksTheJobModified) {
    WriteSubmitterFile();
    MakeJob("Edit");
    state.job.run.modified = false;
    {
        ModalScript modal({[](QDialog& d) { return ClickOk(d); }});
        frame->runCommand(EditJobInfo);
    }
    EXPECT_FALSE(state.job.run.modified);

    state.job.image.unit.unitSelected = 1;
    frame->updateCommands();
    EXPECT_TRUE(Enabled(CoilSearch)); // a selected unit enables the coil search
    {
        ModalScript modal({[](QDialog& d) {
            EXPECT_EQ(FieldText(d, "jobName"), QStringLiteral("Edit"));
            SetField(d, "designAmbient", QStringLiteral("105"));
            return ClickOk(d);
        }});
        frame->runCommand(EditJobInfo);
    }
    EXPECT_TRUE(state.job.run.modified);
    EXPECT_EQ(+state.job.image.header.designAmbient, 105);
    EXPECT_EQ(+state.job.image.unit.unitSelected, 0);

    state.job.run.modified = false;
    {
        ModalScript modal({[](QDialog& d) {
            SetField(d, "jobDate", QStringLiteral("03/04/2027"));
            return ClickOk(d);
        }});
        frame->runCommand(EditJobInfo);
    }
    EXPECT_TRUE(state.job.run.modified);
    EXPECT_EQ(GetText(state.job.image.header.jobDate), "03/04/2027");
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

// Help asked for inside a modal dialog belongs to that dialog: it is not blocked by it, takes
// the mouse and the keyboard while the dialog stays open, and stays with the main window after.
TEST_F(Frame, HelpFromAModalDialogTakesInputWhileTheDialogRuns) {
    WriteSubmitterFile();
    MakeJob("Help");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    ModalScript modal({[&](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal);
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        QTest::keyClick(&d, Qt::Key_F1);
        HelpWindow* help = frame->helpWindow();
        EXPECT_NE(help, nullptr);
        if (help == nullptr)
            return ClickCancel(d);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->isWindow());
        EXPECT_EQ(help->parentWidget(), &d); // above the dialog, not blocked by it
        EXPECT_EQ(help->browser()->source().fragment(), QStringLiteral("1088"));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(help));

        // A click through the window system reaches the find line only if nothing blocks it.
        auto* find = help->findChild<QLineEdit*>(QStringLiteral("helpFind"));
        EXPECT_NE(find, nullptr);
        if (find != nullptr) {
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              find->mapTo(help, find->rect().center()));
            EXPECT_TRUE(QTest::qWaitFor([&] { return find->hasFocus(); }));
            QTest::keyClicks(find, QStringLiteral("Height"));
            QTest::keyClick(find, Qt::Key_Return);
            EXPECT_EQ(help->browser()->textCursor().selectedText(), QStringLiteral("Height"));
        }
        return ClickCancel(d);
    }});
    frame->runCommand(EditJobInfo);
    EXPECT_EQ(modal.unexpected, 0);
    ASSERT_NE(frame->helpWindow(), nullptr);
    EXPECT_EQ(frame->helpWindow()->parentWidget(), frame.get());
    EXPECT_TRUE(frame->helpWindow()->isVisible());
}

// Keys typed in help belong to help: Alt+F goes to its Find line, over the main window and over a
// dialog alike, not to the File menu or the dialog's "&Fax".
TEST_F(Frame, AltFInHelpReachesItsFindLine) {
    WriteSubmitterFile();
    MakeJob("Keys");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const auto findTakesAltF = [this](QWidget* expectedOwner) {
        HelpWindow* help = frame->helpWindow();
        if (help == nullptr)
            return testing::AssertionFailure() << "no help window";
        if (help->parentWidget() != expectedOwner)
            return testing::AssertionFailure() << "help has another owner";
        help->activateWindow();
        if (!BecomesActive(help))
            return testing::AssertionFailure() << "help is not active";
        help->browser()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        if (!help->findLine()->hasFocus())
            return testing::AssertionFailure() << "Alt+F did not reach the Find line";
        QTest::keyClicks(help->findLine(), QStringLiteral("Height"));
        return testing::AssertionSuccess();
    };
    frame->runCommand(HelpIndex);
    EXPECT_TRUE(findTakesAltF(frame.get()));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr); // no menu opened
    ModalScript modal({[&](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal); // as exec() runs it
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        EXPECT_TRUE(findTakesAltF(&d));
        EXPECT_NE(FieldText(d, "fax").right(6), QStringLiteral("Height"));
        return ClickCancel(d);
    }});
    frame->runCommand(EditJobInfo);
    EXPECT_EQ(modal.unexpected, 0);
}

// Over a dialog, help is a secondary window of it (so the window manager keeps it above the dialog,
// which stays above the main window) and opens beside it, not over its fields and buttons.
TEST_F(Frame, HelpFromADialogOpensBesideItAsItsSecondaryWindow) {
    WriteSubmitterFile();
    MakeJob("Beside");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->runCommand(HelpIndex); // a help window small enough to fit beside the dialog
    ASSERT_NE(frame->helpWindow(), nullptr);
    frame->helpWindow()->resize(240, 200);
    frame->helpWindow()->close();
    const QRect screen = frame->screen()->availableGeometry();
    ModalScript modal({[&](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal); // as exec() runs it
        d.show();
        d.move(screen.topLeft());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        HelpWindow* help = frame->helpWindow();
        EXPECT_TRUE(help != nullptr && help->isVisible());
        if (help == nullptr)
            return ClickCancel(d);
        EXPECT_EQ(help->parentWidget(), &d);
        EXPECT_EQ(help->windowType(), Qt::Dialog);
        EXPECT_EQ(help->windowHandle()->transientParent(), d.windowHandle());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        EXPECT_FALSE(help->frameGeometry().intersects(d.frameGeometry()));
        EXPECT_TRUE(screen.contains(help->frameGeometry()));
        EXPECT_EQ(help->frameGeometry().left(), d.frameGeometry().right() + 1 + HelpGap);
        return ClickCancel(d);
    }});
    frame->runCommand(UserLoad);
    EXPECT_EQ(modal.opened, std::vector<QString>{QStringLiteral("TUserDialog")});
}

// Narrowed to the room beside one dialog, help takes its own width again where a later dialog
// leaves more room.
TEST_F(Frame, HelpNarrowedBesideADialogWidensAgainWhereThereIsRoom) {
    WriteSubmitterFile();
    MakeJob("Widths");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const QRect screen = frame->screen()->availableGeometry();
    frame->runCommand(HelpIndex);
    ASSERT_NE(frame->helpWindow(), nullptr);
    frame->helpWindow()->resize(screen.width() - 100, screen.height() - 40); // fits nowhere whole
    frame->helpWindow()->close();
    std::vector<int> widths;
    const auto besideWithRoom = [&](int room) {
        return [&, room](QDialog& d) {
            d.setWindowModality(Qt::ApplicationModal); // as exec() runs it
            d.show();
            d.move(screen.right() - HelpGap - room - d.frameGeometry().width() + 1, screen.top());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            QTest::keyClick(&d, Qt::Key_F1);
            if (HelpWindow* help = frame->helpWindow())
                widths.push_back(help->frameGeometry().width());
            return ClickCancel(d);
        };
    };
    ModalScript modal(
        {besideWithRoom(HelpMinimumWidth + 10), besideWithRoom(HelpMinimumWidth + 80)});
    frame->runCommand(UserLoad);
    frame->runCommand(UserLoad);
    EXPECT_EQ(widths, (std::vector<int>{HelpMinimumWidth + 10, HelpMinimumWidth + 80}));
}

// When the dialog closes, help stays where it stood, shown above the main window, and the keyboard
// goes back to the main window: Alt+F then opens the File menu rather than help's Find line.
TEST_F(Frame, HelpLeftOpenOverAClosingDialogKeepsItsPlaceAndNotTheFocus) {
    WriteSubmitterFile();
    MakeJob("Focus");
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QPoint stood;
    ModalScript modal({[&](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal); // as exec() runs it
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        HelpWindow* help = frame->helpWindow();
        EXPECT_NE(help, nullptr);
        if (help == nullptr)
            return ClickCancel(d);
        EXPECT_TRUE(BecomesActive(help));       // F1 hands help the keyboard
        help->move(help->pos() + QPoint(7, 5)); // as the user may move it
        stood = help->pos();
        d.activateWindow(); // a click back into the dialog
        EXPECT_TRUE(BecomesActive(&d));
        return ClickCancel(d);
    }});
    frame->runCommand(EditJobInfo);
    HelpWindow* help = frame->helpWindow();
    ASSERT_NE(help, nullptr);
    QTest::qWait(50); // lets a window that would take the focus do so
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), frame.get());
    EXPECT_EQ(help->windowType(), Qt::Dialog); // kept above the main window, not behind it
    EXPECT_EQ(help->pos(), stood);
    EXPECT_EQ(QApplication::activeWindow(), frame.get());
    EXPECT_FALSE(help->findLine()->hasFocus());
}

// Export PDF tells where the file went, on the status line and in a message that offers to open
// it; a failed export says neither.
// An accented job name with a slash: Save Job and Export PDF both offer it as the user typed it
// (not its 8-bit bytes), with "-" for the slash.
TEST_F(Frame, OfferedFileNamesKeepAccentsAndLoseSlashes) {
    WriteSubmitterFile();
    MakeJob("Caf\u00e9 12/10 c\u00e1mara");
    {
        FileScript files;
        frame->runCommand(SaveJob);
        ASSERT_EQ(files.asked.size(), 1u);
        EXPECT_EQ(files.asked[0].preset, QStringLiteral(u"Caf\u00e9 12-10 c\u00e1mara.kvj"));
    }
    {
        FileScript files;
        frame->runCommand(ExportPdf);
        ASSERT_EQ(files.asked.size(), 1u);
        EXPECT_EQ(files.asked[0].preset, QStringLiteral(u"Caf\u00e9 12-10 c\u00e1mara.pdf"));
    }
}

TEST_F(Frame, ExportPdfTellsWhereTheFileWentAndOffersToOpenIt) {
    WriteSubmitterFile();
    MakeJob("Exported");
    const QString path = QString::fromStdString(folder.file("Exported.pdf"));
    std::vector<QUrl> opened;
    bool viewerStarts = true;
    const UrlHandler previous = SetUrlHandler([&](const QUrl& url) {
        opened.push_back(url);
        return viewerStarts;
    });
    const auto answer = [](const char* button) {
        return [button](QDialog& d) {
            auto* box = dynamic_cast<QMessageBox*>(&d);
            EXPECT_NE(box, nullptr);
            if (box == nullptr)
                return static_cast<int>(QDialog::Rejected);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Export PDF"));
            auto* clicked = box->findChild<QAbstractButton*>(QLatin1String(button));
            EXPECT_NE(clicked, nullptr) << button;
            if (clicked != nullptr)
                clicked->click();
            return d.result();
        };
    };
    QString offered;
    {
        FileScript files({path});
        ModalScript modal({[&](QDialog& d) {
            offered = dynamic_cast<QMessageBox&>(d).text();
            return answer("openButton")(d);
        }});
        MessageScript messages;
        frame->runCommand(ExportPdf);
        EXPECT_TRUE(std::filesystem::exists(path.toStdString()));
        EXPECT_EQ(modal.opened.size(), 1u);
        EXPECT_TRUE(offered.contains(path)) << offered.toStdString();
        EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Report saved as ") + path);
        EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(path)});
        EXPECT_TRUE(messages.shown.empty());
    }
    {
        FileScript files({path});
        ModalScript modal({answer("closeButton")});
        MessageScript messages;
        frame->runCommand(ExportPdf);
        EXPECT_EQ(modal.opened.size(), 1u);
        EXPECT_EQ(opened.size(), 1u); // Close opens nothing
        EXPECT_TRUE(messages.shown.empty());
    }
    {
        viewerStarts = false;
        FileScript files({path});
        ModalScript modal({answer("openButton")});
        MessageScript messages;
        frame->runCommand(ExportPdf);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(path));
    }
    {
        frame->statusBar()->clearMessage();
        FileScript files({QString::fromStdString(folder.file("no/such/folder/x.pdf"))});
        ModalScript modal;
        MessageScript messages;
        frame->runCommand(ExportPdf);
        EXPECT_TRUE(modal.opened.empty());
        EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("File Save Error"));
    }
    SetUrlHandler(previous);
}

TEST_F(Frame, SummaryViewPaintsTheJobAndScrolls) {
    WriteSubmitterFile();
    MakeJob("Paint");
    frame->resize(900, 360);
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
    ASSERT_GT(bar->maximum(), bar->pageStep() + 1);
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 1 + bar->pageStep());
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(bar->value(), bar->pageStep());
}

// Scrolled to its ends, the window shows the page's right edge and its last row; widened again,
// it is not left scrolled with its left side cut off.
TEST_F(Frame, SummaryViewScrollsOverThePagesRealSize) {
    WriteSubmitterFile();
    MakeJob("Scroll");
    frame->resize(600, 360);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    TKlientWindow* view = frame->client();
    view->viewport()->grab();
    int right = 0;
    int bottom = 0;
    for (const PlacedText& placed : view->placedTexts()) {
        right = std::max(right, placed.box.right() + 1);
        bottom = std::max(bottom, placed.box.bottom() + 1);
    }
    QScrollBar* across = view->horizontalScrollBar();
    QScrollBar* down = view->verticalScrollBar();
    EXPECT_GE(across->maximum() * view->columnWidth() + view->viewport()->width(), right);
    EXPECT_GE(down->maximum() * view->lineHeight() + view->viewport()->height(), bottom);
    // No more than a scroll unit beyond the page.
    EXPECT_LT(across->maximum() * view->columnWidth() + view->viewport()->width(),
              right + 2 * view->columnWidth() + view->viewport()->width() % view->columnWidth());
    across->setValue(across->maximum());

    frame->resize(1600, 1200);
    QApplication::processEvents();
    view->viewport()->grab();
    EXPECT_EQ(across->maximum(), 0);
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->maximum(), 0);
}

// The submitter's name is cut before "TOTAL LOAD CALCULATION:", and the wall headings stand over
// the columns of the surface rows, as the window draws them.
TEST_F(Frame, SummaryViewTextsNeitherOverlapNorStrayFromTheirColumns) {
    SetText(state.submitter.companyName, "WESTERN MOUNTAIN REFRIGERATION");
    ASSERT_TRUE(WriteSubmitter(state.submitter, folder.file(SubmitterFileName)).ok);
    MakeJob("Overlap");
    frame->resize(1400, 900);
    frame->show();
    TKlientWindow* view = frame->client();
    view->viewport()->grab();
    const std::vector<PlacedText>& texts = view->placedTexts();
    for (const PlacedText& a : texts) {
        for (const PlacedText& b : texts) {
            if (&a != &b && a.box.top() == b.box.top()) {
                EXPECT_FALSE(a.box.intersects(b.box))
                    << a.text.toStdString() << " | " << b.text.toStdString();
            }
        }
    }
    const auto find = [&](const QString& start) -> const PlacedText* {
        for (const PlacedText& placed : texts)
            if (placed.text.startsWith(start))
                return &placed;
        return nullptr;
    };
    const PlacedText* submitter = find(QStringLiteral("submitted by: WESTERN"));
    ASSERT_NE(submitter, nullptr);
    EXPECT_LT(submitter->text.size(),
              QStringLiteral("submitted by: WESTERN MOUNTAIN REFRIGERATION").size());

    const PlacedText* north = find(QStringLiteral("North 1  "));
    ASSERT_NE(north, nullptr);
    const double character = double(north->box.width()) / north->text.size();
    // Columns of the surface rows, in characters: thickness, temperature with "F", factor, load.
    const std::pair<QString, std::pair<int, int>> columns[] = {
        {QStringLiteral("Inches"), {36, 42}},
        {QStringLiteral("adj/temp"), {44, 51}},
        {QStringLiteral("factor"), {55, 62}},
        {QStringLiteral("btuh"), {63, 74}}};
    for (const auto& [word, span] : columns) {
        const PlacedText* heading = nullptr;
        for (const PlacedText& placed : texts)
            if (placed.box.top() == north->box.top() - view->lineHeight() &&
                placed.text.contains(word))
                heading = &placed;
        ASSERT_NE(heading, nullptr) << word.toStdString();
        const QFontMetrics metrics(*heading->font);
        const int start =
            heading->box.left() +
            metrics.horizontalAdvance(heading->text.left(heading->text.indexOf(word)));
        const double middle = start + metrics.horizontalAdvance(word) / 2.0;
        EXPECT_GE(middle, north->box.left() + span.first * character) << word.toStdString();
        EXPECT_LE(middle, north->box.left() + span.second * character) << word.toStdString();
    }
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

// "&Metric Units" sits in a View menu between Misc and Equipment, switches the summary to SI,
// and is kept in the profile's own section for the next start.
TEST_F(Frame, MetricUnitsInTheViewMenuSwitchesTheSummaryAndIsKept) {
    QStringList titles;
    for (const QAction* menu : frame->menuBar()->actions())
        titles << menu->text();
    const qsizetype view = titles.indexOf(QStringLiteral("&View"));
    ASSERT_GE(view, 1);
    EXPECT_EQ(titles[view - 1], QStringLiteral("&Misc"));
    EXPECT_EQ(titles[view + 1], QStringLiteral("&Equipment"));
    QAction* metric = frame->action(MetricUnits);
    EXPECT_EQ(metric->text(), QStringLiteral("&Metric Units"));
    EXPECT_TRUE(metric->isCheckable());
    EXPECT_FALSE(metric->statusTip().isEmpty());
    EXPECT_TRUE(Enabled(MetricUnits)); // no job needed

    WriteSubmitterFile();
    MakeJob("Units");
    frame->resize(900, 360);
    frame->show();
    const auto totalLine = [&] {
        frame->client()->viewport()->grab();
        for (const SummaryItem& item : frame->client()->lastPage())
            if (item.text.starts_with("TOTAL LOAD CALCULATION:"))
                return item.text;
        return std::string();
    };
    EXPECT_NE(totalLine().find("BTUH"), std::string::npos);
    const JobImage before = state.job.image;
    const bool modified = state.job.run.modified;
    frame->runCommand(MetricUnits);
    EXPECT_EQ(state.units, UnitSystem::Metric);
    EXPECT_TRUE(metric->isChecked());
    EXPECT_NE(totalLine().find(" W"), std::string::npos);
    EXPECT_EQ(totalLine().find("BTUH"), std::string::npos);
    EXPECT_EQ(LoadUnitSystem(KelvoProfile::Load(folder.file("kelvo.ini"))), UnitSystem::Metric);
    // The job itself is untouched.
    EXPECT_EQ(state.job.run.modified, modified);
    EXPECT_EQ(std::memcmp(&before, &state.job.image, sizeof before), 0);
    frame->runCommand(MetricUnits);
    EXPECT_FALSE(metric->isChecked());
    EXPECT_EQ(LoadUnitSystem(KelvoProfile::Load(folder.file("kelvo.ini"))), UnitSystem::Imperial);
}

TEST(UnitsProfile, AnythingButMetricReadsAsImperial) {
    TempFolder folder;
    const std::string path = folder.file("kelvo.ini");
    EXPECT_EQ(LoadUnitSystem(KelvoProfile::Load(path)), UnitSystem::Imperial); // no file
    std::ofstream(path) << "[Recent File List]\nFile1=/a.kvj\n[Units]\nSystem=metric\n";
    EXPECT_EQ(LoadUnitSystem(KelvoProfile::Load(path)), UnitSystem::Metric);
    std::ofstream(path) << "[Units]\nSystem=Kelvin\n";
    KelvoProfile kelvin = KelvoProfile::Load(path);
    EXPECT_EQ(LoadUnitSystem(kelvin), UnitSystem::Imperial);
    StoreUnitSystem(kelvin, UnitSystem::Metric);
    ASSERT_TRUE(kelvin.save().ok);
    EXPECT_EQ(LoadUnitSystem(KelvoProfile::Load(path)), UnitSystem::Metric);
}

// A profile that cannot be written (here a folder stands in its place) is reported, and the
// switch still holds for this run.
TEST_F(Frame, MetricUnitsThatCannotBeKeptAreReported) {
    std::filesystem::create_directory(folder.path() / "kelvo.ini");
    MessageScript messages;
    frame->runCommand(MetricUnits);
    EXPECT_EQ(state.units, UnitSystem::Metric);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("could not be kept")));
}

// The metric page opens at its anchor and reads its degree signs as written.
TEST_F(Frame, HelpOnMetricUnitsOpens) {
    frame->runCommand(HelpIndex);
    ASSERT_NE(frame->helpWindow(), nullptr);
    RequestHelp(QStringLiteral("units"));
    QTextBrowser* browser = frame->helpWindow()->browser();
    EXPECT_TRUE(browser->source().path().endsWith("units.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("shown as -23.3 \u00B0C")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("nearest whole imperial value")));
}
