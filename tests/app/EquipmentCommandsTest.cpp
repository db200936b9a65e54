#include "../dialogs/DialogTestSupport.h"

#include "app/EquipmentCommands.h"
#include "app/HelpWindow.h"
#include "app/KelvoFrame.h"
#include "app/SummaryView.h"
#include "dialogs/BrowseList.h"
#include "dialogs/ChoiceListDialog.h"
#include "equipment/UnitCheck.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

using enum CommandId;

ChoiceListDialog& AsList(QDialog& dialog) {
    return dynamic_cast<ChoiceListDialog&>(dialog);
}

ModalScript::Step UnitEntry(const char* count, const char* td) {
    return [count, td](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TUnitDialog"));
        SetField(d, "unitCount", QLatin1String(count));
        SetField(d, "designTD", QLatin1String(td));
        return ClickOk(d);
    };
}

ModalScript::Step CoilEntry(const char* count) {
    return [count](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TCoilDialog"));
        SetField(d, "coilCount", QLatin1String(count));
        return ClickOk(d);
    };
}

// Highlights `row` of the list (the last one when the list is shorter) and presses OK; the texts
// of the chosen row go to `chosen`.
ModalScript::Step ChooseRow(int row, QStringList* chosen) {
    return [row, chosen](QDialog& d) {
        BrowseList* list = AsList(d).browseList();
        EXPECT_GT(list->rowCount(), 0);
        list->setCurrentRow(row);
        if (chosen != nullptr)
            *chosen = list->row(list->currentRow());
        return ClickOk(d);
    };
}

std::vector<unsigned char> Bytes(const JobImage& image) {
    std::vector<unsigned char> bytes(sizeof image);
    std::memcpy(bytes.data(), &image, sizeof image);
    return bytes;
}

// The one message shown is the search's warning with an OK button.
void ExpectOnlyWarning(const MessageScript& messages, const char* text, const char* title) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QLatin1String(text));
    EXPECT_EQ(messages.shown[0].title, QLatin1String(title));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

class Equipment : public ::testing::Test {
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
        Redraw();
        state.job.run.modified = false;
    }

    // Unit Search choosing the first listed unit.
    QStringList SelectUnit() {
        QStringList chosen;
        ModalScript modal({UnitEntry("1", "10"), ChooseRow(0, &chosen)});
        frame->runCommand(UnitSearch);
        EXPECT_EQ(modal.unexpected, 0);
        EXPECT_EQ(+state.job.image.unit.unitSelected, 1);
        return chosen;
    }

    void SelectCoil() {
        ModalScript modal({CoilEntry("1"), ChooseRow(0, nullptr)});
        frame->runCommand(CoilSearch);
        EXPECT_EQ(modal.unexpected, 0);
        EXPECT_EQ(+state.job.image.coil.coilSelected, 1);
    }

    const SummaryPage& Redraw() {
        frame->resize(900, 600);
        frame->show();
        frame->client()->viewport()->grab();
        return frame->client()->lastPage();
    }

    bool Shows(const std::string& text) {
        const SummaryPage& page = Redraw();
        return std::any_of(page.begin(), page.end(), [&](const SummaryItem& item) {
            return item.text.find(text) != std::string::npos;
        });
    }

    TempFolder folder;
    AppState state;
    std::unique_ptr<KelvoFrame> frame;
};

} // namespace

TEST_F(Equipment, UnitSearchListsShippedUnitsAndStoresTheChosenRow) {
    EXPECT_TRUE(frame->action(UnitSearch)->isEnabled());
    EXPECT_FALSE(frame->action(UnitSearch)->isChecked());
    QStringList chosen;
    QString desired;
    ModalScript modal({UnitEntry("1", "10"), [&](QDialog& d) {
                           EXPECT_EQ(d.objectName(), QStringLiteral("TSearchUnitDialog"));
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Condensing Units"));
                           QTreeWidget* view = AsList(d).browseList()->view();
                           EXPECT_EQ(view->headerItem()->text(0), QStringLiteral("Model"));
                           EXPECT_EQ(view->headerItem()->text(5), QStringLiteral("Type"));
                           desired = AsList(d).desiredLine()->text();
                           return ChooseRow(1, &chosen)(d);
                       }});
    frame->runCommand(UnitSearch);
    ASSERT_EQ(modal.unexpected, 0);
    ASSERT_EQ(modal.opened.size(), 2u);
    const TUnitSelection& u = state.job.image.unit;
    EXPECT_TRUE(desired.startsWith(QStringLiteral("Desired: 1  Unit for")));
    EXPECT_TRUE(desired.endsWith(QStringLiteral("Ambient  16 run/Hrs  25 Suction")))
        << desired.toStdString();
    ASSERT_EQ(chosen.size(), 6);
    EXPECT_EQ(GetText(u.unitModel), chosen[0].toStdString());
    EXPECT_EQ(GetText(u.unitBrand), chosen[4].left(8).toStdString()); // cut to the field
    EXPECT_EQ(+u.unitCapacity, chosen[1].trimmed().toInt());
    EXPECT_DOUBLE_EQ(+u.nominalHp, chosen[2].toDouble());
    EXPECT_EQ(+u.unitSelected, 1);
    EXPECT_TRUE(state.job.run.modified);
    EXPECT_TRUE(frame->action(UnitSearch)->isChecked());
    EXPECT_TRUE(frame->action(CoilSearch)->isEnabled());
    EXPECT_TRUE(Shows(chosen[0].trimmed().toStdString()));
    EXPECT_EQ(+state.job.image.unit.unitSelected, 1); // the redraw keeps a fitting unit

    // Searching again preselects the unit chosen last time.
    int preselected = -1;
    ModalScript again({UnitEntry("1", "10"), [&](QDialog& d) {
                           preselected = AsList(d).browseList()->currentRow();
                           return ClickCancel(d);
                       }});
    frame->runCommand(UnitSearch);
    EXPECT_EQ(preselected, 1);
}

TEST_F(Equipment, CancelInTheListUndoesTheCountAndTD) {
    state.job.image.userLoad.userLoad = 20000; // a load two units can share
    Redraw();
    SelectUnit();
    Redraw();
    TUnitSelection before;
    std::memcpy(&before, &state.job.image.unit, sizeof before);
    ModalScript modal({UnitEntry("2", "12"), [](QDialog& d) {
                           EXPECT_TRUE(AsList(d).desiredLine()->text().startsWith(
                               QStringLiteral("Desired:  2 Units for")));
                           return ClickCancel(d);
                       }});
    frame->runCommand(UnitSearch);
    EXPECT_EQ(modal.opened.size(), 2u);
    EXPECT_EQ(std::memcmp(&before, &state.job.image.unit, sizeof before), 0);
    EXPECT_EQ(+state.job.image.unit.unitCount, 1);
    EXPECT_EQ(+state.job.image.unit.designTD, 10);
    EXPECT_TRUE(frame->action(UnitSearch)->isChecked());
}

TEST_F(Equipment, CountZeroOrNoMatchEndsWithoutAList) {
    SelectUnit();
    {
        // A count of 0 asks for no search: nothing to tell.
        MessageScript messages;
        ModalScript zero({UnitEntry("0", "10")});
        frame->runCommand(UnitSearch);
        EXPECT_EQ(zero.opened.size(), 1u);
        EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(+state.job.image.unit.unitSelected, 0);
    EXPECT_FALSE(frame->action(CoilSearch)->isEnabled());

    // A load no unit of the table can carry: no list, the spot search's warning instead.
    state.job.image.userLoad.userLoad = 50000000;
    MessageScript messages;
    ModalScript none({UnitEntry("1", "10")});
    frame->runCommand(UnitSearch);
    EXPECT_EQ(none.opened.size(), 1u);
    EXPECT_EQ(none.unexpected, 0);
    ExpectOnlyWarning(messages, "No Matching Units on File", "Unit Search");
}

TEST_F(Equipment, CoilSearchThatFindsNothingWarnsAndKeepsTheCoil) {
    SelectUnit();
    SelectCoil();
    Redraw();
    // A suction class the coil table has no coil of.
    state.job.image.unit.suctionTemp = 99;
    const std::vector<unsigned char> before = Bytes(state.job.image);
    MessageScript messages;
    ModalScript modal({CoilEntry("1")});
    frame->runCommand(CoilSearch);
    EXPECT_EQ(modal.opened.size(), 1u); // no list
    EXPECT_EQ(modal.unexpected, 0);
    ExpectOnlyWarning(messages, "No Matching Coils on File", "Coil Search");
    EXPECT_TRUE(Bytes(state.job.image) == before); // the coil chosen before stays
}

TEST_F(Equipment, RangeRefusalKeepsTheUnitDialogOpen) {
    MessageScript messages;
    ModalScript modal({[](QDialog& d) {
        SetField(d, "unitCount", QStringLiteral("13"));
        EXPECT_NE(ClickOk(d), QDialog::Accepted);
        SetField(d, "unitCount", QStringLiteral("1"));
        SetField(d, "designTD", QStringLiteral("3"));
        ClickOk(d);
        return ClickCancel(d);
    }});
    frame->runCommand(UnitSearch);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..12"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range 4..45"));
    EXPECT_EQ(+state.job.image.unit.unitCount, 1);
    EXPECT_FALSE(state.job.run.modified);
}

TEST_F(Equipment, CoilSearchWaitsForAUnitThenStoresTheChosenCoil) {
    EXPECT_FALSE(frame->action(CoilSearch)->isEnabled());
    const auto buttons = frame->toolBar()->actions();
    EXPECT_TRUE(buttons.contains(frame->action(CoilSearch))); // the toolbar button is the action
    {
        ModalScript modal;
        frame->runCommand(CoilSearch);
        EXPECT_TRUE(modal.opened.empty());
    }
    SelectUnit();
    EXPECT_TRUE(frame->action(CoilSearch)->isEnabled());
    EXPECT_FALSE(frame->action(CoilSearch)->isChecked());

    QStringList chosen;
    QString desired;
    ModalScript modal({CoilEntry("2"), [&](QDialog& d) {
                           EXPECT_EQ(d.objectName(), QStringLiteral("TSearchCoilDialog"));
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Evaporator Coils"));
                           EXPECT_EQ(AsList(d).browseList()->view()->columnCount(), 7);
                           desired = AsList(d).desiredLine()->text();
                           return ChooseRow(0, &chosen)(d);
                       }});
    frame->runCommand(CoilSearch);
    ASSERT_EQ(modal.opened.size(), 2u);
    const TCoilSelection& c = state.job.image.coil;
    EXPECT_TRUE(desired.startsWith(QStringLiteral("Desired:  2 Coils for")));
    EXPECT_TRUE(desired.endsWith(QStringLiteral("btuh @ 10 TD")));
    ASSERT_EQ(chosen.size(), 7);
    EXPECT_EQ(GetText(c.coilModel), chosen[0].toStdString());
    EXPECT_EQ(+c.coilCount, 2);
    EXPECT_EQ(+c.coilSelected, 1);
    EXPECT_GT(+c.coilRating, 0.0);
    EXPECT_TRUE(frame->action(CoilSearch)->isChecked());
    EXPECT_TRUE(Shows(chosen[0].trimmed().toStdString()));
}

TEST_F(Equipment, CancelInTheCoilListUndoesTheCount) {
    SelectUnit();
    SelectCoil();
    Redraw();
    TCoilSelection before;
    std::memcpy(&before, &state.job.image.coil, sizeof before);
    ModalScript modal({CoilEntry("3"), [](QDialog& d) { return ClickCancel(d); }});
    frame->runCommand(CoilSearch);
    EXPECT_EQ(modal.opened.size(), 2u);
    EXPECT_EQ(std::memcmp(&before, &state.job.image.coil, sizeof before), 0);
}

TEST_F(Equipment, LoadChangeBeyondFourRunHoursDropsTheSelectionAtTheNextRedraw) {
    SelectUnit();
    SelectCoil();
    const int32_t capacity = state.job.image.unit.unitCapacity;
    // Enough extra load to run the chosen unit more than 22 hours a day.
    state.job.image.userLoad.userLoad = capacity;
    EXPECT_EQ(+state.job.image.unit.unitSelected, 1); // nothing happens before the redraw
    Redraw();
    EXPECT_EQ(+state.job.image.unit.unitSelected, 0);
    EXPECT_EQ(+state.job.image.coil.coilSelected, 0);
    EXPECT_FALSE(frame->action(UnitSearch)->isChecked());
    EXPECT_FALSE(frame->action(CoilSearch)->isEnabled());
}

TEST_F(Equipment, SpotCommandsLeaveTheJobsUnitAndCoilUntouched) {
    SelectUnit();
    SelectCoil();
    Redraw();
    state.job.run.modified = false;
    const std::vector<unsigned char> before = Bytes(state.job.image);

    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.objectName(), QStringLiteral("rkSpotDialog"));
                           SetField(d, "spotLoad", QStringLiteral("20000"));
                           SetField(d, "spotSuction", QStringLiteral("20"));
                           return ClickOk(d);
                       },
                       ChooseRow(0, nullptr),
                       [](QDialog& d) {
                           EXPECT_EQ(d.objectName(), QStringLiteral("kvSpotCoilDialog"));
                           SetField(d, "spotCoilLoad", QStringLiteral("20000"));
                           return ClickOk(d);
                       },
                       ChooseRow(0, nullptr)});
    MessageScript messages;
    frame->runCommand(SpotUnit);
    frame->runCommand(SpotCoil);
    EXPECT_EQ(modal.opened, (std::vector<QString>{QStringLiteral("rkSpotDialog"),
                                                  QStringLiteral("TSearchUnitDialog"),
                                                  QStringLiteral("kvSpotCoilDialog"),
                                                  QStringLiteral("TSearchCoilDialog")}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Bytes(state.job.image) == before);
    EXPECT_FALSE(state.job.run.modified);
    EXPECT_TRUE(frame->action(UnitSearch)->isChecked());
    EXPECT_TRUE(frame->action(CoilSearch)->isChecked());
    // The entries are kept for the next use.
    EXPECT_EQ(state.spot.unit.spotLoad, 20000);
    EXPECT_EQ(state.spot.unit.spotSuction, 20);
    EXPECT_EQ(state.spot.coil.spotCoilLoad, 20000);
}

TEST_F(Equipment, ImpossibleSpotLoadsWarn) {
    const std::vector<unsigned char> before = Bytes(state.job.image);
    MessageScript messages;
    ModalScript modal({[](QDialog& d) {
                           SetField(d, "spotLoad", QStringLiteral("9000000"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "spotCoilLoad", QStringLiteral("9000000"));
                           return ClickOk(d);
                       }});
    frame->runCommand(SpotUnit);
    frame->runCommand(SpotCoil);
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_EQ(modal.opened.size(), 2u); // no list
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No Matching Units on File"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Unit Search"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("No Matching Coils on File"));
    EXPECT_EQ(messages.shown[1].title, QStringLiteral("Coil Search"));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(Bytes(state.job.image) == before);
}

TEST_F(Equipment, CancelledSpotDialogOrListShowsNothingFurther) {
    MessageScript messages;
    ModalScript modal({[](QDialog& d) { return ClickCancel(d); },
                       [](QDialog& d) {
                           SetField(d, "spotLoad", QStringLiteral("20000"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) { return ClickCancel(d); }});
    frame->runCommand(SpotUnit);
    EXPECT_EQ(state.spot.unit.spotLoad, 0); // Cancel keeps the last entries
    frame->runCommand(SpotUnit);
    EXPECT_EQ(modal.opened.size(), 3u);
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Equipment, ProductCodesCardClosesWithOk) {
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("unitCodesDialog"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Unit Product Codes"));
        return ClickOk(d);
    }});
    const std::vector<unsigned char> before = Bytes(state.job.image);
    EXPECT_TRUE(frame->action(UnitProductCodes)->isEnabled());
    frame->runCommand(UnitProductCodes);
    EXPECT_EQ(modal.opened.size(), 1u);
    EXPECT_TRUE(Bytes(state.job.image) == before);
    EXPECT_FALSE(state.job.run.modified);
}

TEST_F(Equipment, F1InTheUnitDialogOpensTheEquipmentHelp) {
    ModalScript modal({[](QDialog& d) {
        QTest::keyClick(d.focusWidget() != nullptr ? d.focusWidget() : &d, Qt::Key_F1);
        return ClickCancel(d);
    }});
    frame->runCommand(UnitSearch);
    ASSERT_NE(frame->helpWindow(), nullptr);
    const QUrl page = frame->helpWindow()->browser()->source();
    EXPECT_TRUE(page.path().endsWith(QStringLiteral("equipment.html")));
    EXPECT_EQ(page.fragment(), QStringLiteral("unitsearch"));
    EXPECT_TRUE(frame->helpWindow()->browser()->toPlainText().contains(
        QStringLiteral("Desired Temp Diff / TD")));
}

// With Metric Units on, both lists read in SI, and the unit and coil chosen from them are stored
// exactly as the same rows chosen in imperial units.
TEST_F(Equipment, ListsInSiStoreWhatTheImperialListsStore) {
    const Job opened = state.job;
    QStringList imperialRow;
    QStringList metricRow;
    SelectUnit();
    SelectCoil();
    const Job imperial = state.job;
    ModalScript modal({UnitEntry("1", "10"), [&](QDialog& d) {
                           QTreeWidget* view = AsList(d).browseList()->view();
                           imperialRow = AsList(d).browseList()->row(0);
                           EXPECT_EQ(view->headerItem()->text(1), QStringLiteral("btuh"));
                           return ClickCancel(d);
                       }});
    frame->runCommand(UnitSearch);

    state.job = opened;
    frame->runCommand(MetricUnits);
    ModalScript metric({[](QDialog& d) {
                            EXPECT_EQ(FieldText(d, "designTD"), QStringLiteral("5.6")); // 10 F
                            SetField(d, "unitCount", QStringLiteral("1"));
                            SetField(d, "designTD", QStringLiteral("5.6"));
                            return ClickOk(d);
                        },
                        [&](QDialog& d) {
                            QTreeWidget* view = AsList(d).browseList()->view();
                            EXPECT_EQ(view->headerItem()->text(1), QStringLiteral("W"));
                            EXPECT_EQ(view->headerItem()->text(2), QStringLiteral("Nom kW"));
                            EXPECT_TRUE(
                                AsList(d).desiredLine()->text().contains(QStringLiteral(" W @")));
                            return ChooseRow(0, &metricRow)(d);
                        },
                        CoilEntry("1"),
                        [&](QDialog& d) {
                            QTreeWidget* view = AsList(d).browseList()->view();
                            EXPECT_EQ(view->headerItem()->text(1), QStringLiteral("TD K"));
                            return ChooseRow(0, nullptr)(d);
                        }});
    frame->runCommand(UnitSearch);
    frame->runCommand(CoilSearch);
    EXPECT_EQ(metric.unexpected, 0);
    ASSERT_EQ(metricRow.size(), 6);
    ASSERT_EQ(imperialRow.size(), 6);
    EXPECT_EQ(metricRow[1].trimmed().toLongLong(),
              std::llround(imperialRow[1].trimmed().toDouble() * WattsPerBtuh));
    EXPECT_EQ(Bytes(state.job.image), Bytes(imperial.image));
}
