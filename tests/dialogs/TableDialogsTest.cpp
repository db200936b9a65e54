#include "DialogTestSupport.h"

#include "calc/ProductLoad.h"
#include "dialogs/BrowseList.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/InsulModifyDialog.h"
#include "dialogs/InsulTabDialog.h"
#include "dialogs/ProductDialog.h"
#include "job/ClearJob.h"
#include "job/Defaults.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

std::unique_ptr<Table> OpenTable(const TempFolder& folder, ReferenceTable which) {
    std::string message;
    EXPECT_TRUE(RestoreMissingTable(folder.path(), which, ShippedTableFolders(), message))
        << message;
    std::unique_ptr<Table> table = OpenReferenceTable(folder.path(), which, message);
    EXPECT_NE(table, nullptr) << message;
    return table;
}

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class TableDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        ClearJob(job, BuiltInDefaults());
        TJobHeader& h = job.image.header;
        h.boxTemp = 35;
        h.length = 10.0;
        h.width = 10.0;
        h.height = 8.0;
        ResetProducts(job.image, h.boxTemp);
        job.run.storageWeight = EstimateProductCapacity(h);
    }
    TempFolder folder;
    MessageScript messages;
    Job job;
};

// The 0-based row, in physical order, of the first record with `factor`, or -1; the table is
// left without a tag selected.
int PhysicalRowWithFactor(Table& insul, double factor) {
    insul.d4tagSelect(nullptr);
    for (int32_t r = 1; r <= insul.d4recCountDo(); ++r) {
        insul.d4go(r);
        if (ReadInsulationRecord(insul).factor == factor)
            return r - 1;
    }
    return -1;
}

// The list row whose text starts with `name` (after trimming), or -1.
int RowNamed(const BrowseList& list, const QString& name) {
    for (int r = 0; r < list.rowCount(); ++r)
        if (list.row(r).value(0).trimmed() == name)
            return r;
    return -1;
}

// Types `text` as a keyboard user does into the field that Alt+`letter` reaches: Alt+letter,
// Ctrl+A, the text; then OK.
int TypeAtMnemonic(QDialog& d, Qt::Key letter, const char* text) {
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(&d, letter, Qt::AltModifier);
    QWidget* field = QApplication::focusWidget();
    EXPECT_NE(field, nullptr);
    if (field == nullptr)
        return ClickCancel(d);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QLatin1String(text));
    return ClickOk(d);
}

} // namespace

TEST_F(TableDialogs, InsulationAllWallsLeavesTheFloorAndEachTabKeepsItsRow) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    const std::vector<InsulationListRow> rows = InsulationListRows(*insul);
    ASSERT_GE(rows.size(), 6u);
    ASSERT_TRUE(SelectSurfaceInsulation(job.image.surfaces[Floor], *insul, 5));
    job.image.surfaces[Floor].thickness = 6.0;
    job.image.surfaces[Floor].adjacentTemp = 55;
    ModalScript modal({[&](QDialog& d) {
        auto& tab = dynamic_cast<TInsulTab&>(d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Insulation"));
        EXPECT_EQ(tab.list()->rowCount(), static_cast<int>(rows.size()));
        EXPECT_EQ(tab.list()->row(0).value(1).toStdString(), rows[0].factor);
        EXPECT_EQ(tab.tabs()->tabText(4), QStringLiteral(" Ceiling     "));
        EXPECT_FALSE(tab.allWallsButton()->isHidden());
        tab.list()->setCurrentRow(3);
        SetField(d, "thickness0", QStringLiteral("4"));
        SetField(d, "adjacentTemp0", QStringLiteral("95"));
        tab.allWallsButton()->click();
        tab.tabs()->setCurrentIndex(Floor);
        EXPECT_TRUE(tab.allWallsButton()->isHidden());
        EXPECT_EQ(tab.list()->currentRow(), 5);
        tab.tabs()->setCurrentIndex(EastWall);
        EXPECT_EQ(tab.list()->currentRow(), 3);
        EXPECT_EQ(FieldText(d, "adjacentTemp2"), QStringLiteral("95"));
        tab.list()->setCurrentRow(1); // the east wall alone takes row 1
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr));
    for (int s : {NorthWall, SouthWall, WestWall, Roof}) {
        EXPECT_EQ(+job.image.surfaces[s].insulationRow, 3) << s;
        EXPECT_EQ(+job.image.surfaces[s].thickness, 4.0) << s;
        EXPECT_EQ(+job.image.surfaces[s].adjacentTemp, 95) << s;
        EXPECT_EQ(Trimmed(GetText(job.image.surfaces[s].insulationName)),
                  Trimmed(rows[3].name.substr(rows[3].name.find_first_not_of(' '))));
    }
    EXPECT_EQ(+job.image.surfaces[EastWall].insulationRow, 1);
    EXPECT_EQ(+job.image.surfaces[Floor].insulationRow, 5);
    EXPECT_EQ(+job.image.surfaces[Floor].thickness, 6.0);
    EXPECT_EQ(+job.image.surfaces[Floor].adjacentTemp, 55);
}

TEST_F(TableDialogs, InsulationCancelChangesNothing) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    const JobImage before = job.image;
    ModalScript modal({[](QDialog& d) {
        dynamic_cast<TInsulTab&>(d).allWallsButton()->click();
        SetField(d, "thickness0", QStringLiteral("9"));
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunInsulationDialog(job.image, *insul, nullptr));
    EXPECT_EQ(std::memcmp(&before, &job.image, sizeof before), 0);
}

TEST_F(TableDialogs, ProductMissingFromTheTableIsAddedAndHighlighted) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    const int32_t before = product->d4recCountDo();
    SetPadded(job.image.products[1].productName, "Zebra fillets", ProductNameWidth);
    job.image.products[1].calcFlag = 1;
    job.image.products[1].specHeatAbove = 0.8;
    std::vector<QString> help;
    const HelpHandler previous = SetHelpHandler([&](const QString& c) { help.push_back(c); });
    ModalScript modal({[](QDialog& d) {
        auto& dialog = dynamic_cast<TProductDialog&>(d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Product Selection"));
        EXPECT_EQ(dialog.tabs()->tabText(1), QStringLiteral("&2nd \n Product"));
        const BrowseList* list = dialog.pageView(1)->list();
        EXPECT_EQ(list->row(list->currentRow()).value(0).trimmed(),
                  QStringLiteral("Zebra fillets"));
        EXPECT_EQ(dialog.pageView(1)->estimateButton(), nullptr);
        d.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunProductDialog(job, *product, nullptr));
    SetHelpHandler(previous);
    EXPECT_GE(product->d4recCountDo(), before + 1); // "None" may have been added as well
    EXPECT_EQ(product->d4seek(std::string("Zebra fillets") + std::string(19, ' ')), r4success);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0], QStringLiteral("1110"));
}

// Only the first page has "&Estimate Lbs"; the list and the fields still stand in one place on
// every page.
TEST_F(TableDialogs, ProductPagesShareOneLayout) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    ModalScript modal({[](QDialog& d) {
        auto& dialog = dynamic_cast<TProductDialog&>(d);
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        const auto placeOf = [&](int page, const char* field) {
            dialog.tabs()->setCurrentIndex(page);
            QWidget* widget =
                QLatin1String(field) == QLatin1String("list")
                    ? static_cast<QWidget*>(dialog.pageView(page)->list())
                    : dialog.pageView(page)->findChild<QWidget*>(QLatin1String(field));
            return widget == nullptr ? QRect() : QRect(widget->mapTo(&d, QPoint()), widget->size());
        };
        for (const char* field : {"list", "enteringTemp", "quantity", "respWeight"}) {
            const QRect first = placeOf(0, field);
            EXPECT_TRUE(first.isValid()) << field;
            for (int page = 1; page < ProductSlotCount; ++page)
                EXPECT_EQ(placeOf(page, field), first) << field << " on page " << page + 1;
        }
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunProductDialog(job, *product, nullptr));
}

TEST_F(TableDialogs, ProductWithoutRespirationForcesBothFieldsToZero) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    ModalScript modal({[](QDialog& d) {
        auto& dialog = dynamic_cast<TProductDialog&>(d);
        TProductPageView* page = dialog.pageView(0);
        const int poultry = RowNamed(*page->list(), QStringLiteral("Poultry, iced, 30 lb carton"));
        EXPECT_GE(poultry, 0);
        page->findChild<QLineEdit*>(QStringLiteral("respFactor"))->setText(QStringLiteral("5"));
        page->list()->setCurrentRow(poultry);
        EXPECT_EQ(page->informationLines().value(4), QStringLiteral("No resp/fact this Product"));
        auto* factor = page->findChild<QLineEdit*>(QStringLiteral("respFactor"));
        EXPECT_EQ(factor->text(), QStringLiteral("0"));
        EXPECT_FALSE(factor->isEnabled());
        EXPECT_EQ(page->findChild<QLineEdit*>(QStringLiteral("listIndex"))->text(),
                  QString::number(poultry));
        EXPECT_TRUE(page->informationLines().value(3).startsWith(QStringLiteral("Factors: ")));
        page->findChild<QLineEdit*>(QStringLiteral("quantity"))->setText(QStringLiteral("10"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunProductDialog(job, *product, nullptr));
    for (const MessageRequest& m : messages.shown)
        ADD_FAILURE() << m.text.toStdString();
    const TProductSlot& slot = job.image.products[0];
    EXPECT_EQ(Trimmed(GetText(slot.productName)), "Poultry, iced, 30 lb carton");
    EXPECT_EQ(+slot.calcFlag, 2);
    EXPECT_EQ(+slot.productWeight, 300); // (32 - 2) lb of product in each of 10 cartons
    EXPECT_EQ(+slot.respFactor, 0.0);
}

TEST_F(TableDialogs, EstimateLbsTogglesAndItsMarkIsKeptOnOk) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    const int32_t capacity = job.run.storageWeight;
    ASSERT_EQ(capacity, 2160);
    job.image.products[0].quantity = 100;
    ModalScript modal({[&](QDialog& d) {
                           auto& dialog = dynamic_cast<TProductDialog&>(d);
                           QPushButton* estimate = dialog.pageView(0)->estimateButton();
                           auto quantity = [&] {
                               return dialog.pageView(0)
                                   ->findChild<QLineEdit*>(QStringLiteral("quantity"))
                                   ->text();
                           };
                           estimate->click();
                           EXPECT_EQ(quantity(), QString::number(capacity));
                           EXPECT_EQ(dialog.estimateMark(), '*');
                           estimate->click();
                           EXPECT_EQ(quantity(), QString());
                           EXPECT_EQ(dialog.estimateMark(), ' ');
                           estimate->click();
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "pulldownHours", QStringLiteral("0"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           return ClickCancel(d);
                       }});
    EXPECT_TRUE(RunProductDialog(job, *product, nullptr));
    EXPECT_EQ(job.image.products[0].estimateMark, '*');
    EXPECT_EQ(+job.image.products[0].quantity, capacity);
    EXPECT_FALSE(RunProductDialog(job, *product, nullptr));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 1..96"));
}

TEST_F(TableDialogs, ChoosingNoneEmptiesTheSlot) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    ModalScript modal({[](QDialog& d) {
        TProductPageView* page = dynamic_cast<TProductDialog&>(d).pageView(0);
        const int none = RowNamed(*page->list(), QStringLiteral("None"));
        EXPECT_GE(none, 0);
        page->list()->setCurrentRow(none);
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunProductDialog(job, *product, nullptr));
    EXPECT_EQ(Trimmed(GetText(job.image.products[0].productName)), "None");
    EXPECT_EQ(+job.image.products[0].calcFlag, 0);
    EXPECT_EQ(+job.image.products[0].quantity, 0);
}

TEST_F(TableDialogs, MaintenanceAddsValidatesMarksAndPacks) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    const int32_t count = insul->d4recCountDo();
    auto addStep = [](const char* name, const char* factor, bool uFactor) {
        return [=](QDialog& e) {
            EXPECT_EQ(e.windowTitle(), QStringLiteral("Add / Edit Insulation"));
            SetField(e, "insulation", QLatin1String(name));
            SetField(e, "factor", QLatin1String(factor));
            if (uFactor)
                e.findChild<QRadioButton*>(QStringLiteral("uFactor"))->click();
            return ClickOk(e);
        };
    };
    ModalScript modal({[&](QDialog& d) {
        auto& list = dynamic_cast<TInsulModifyDialog&>(d);
        EXPECT_EQ(list.list()->rowCount(), count);
        auto* add = d.findChild<QPushButton*>(QStringLiteral("addButton"));
        add->click(); // "ab": refused without a message
        add->click(); // factor 0: refused
        add->click(); // taken, first letter upper-cased
        EXPECT_EQ(list.list()->rowCount(), count + 1);
        EXPECT_EQ(list.list()->row(count).value(0), QStringLiteral(" Zz foam"));
        EXPECT_EQ(list.list()->row(count).value(1), QStringLiteral("  0.25 U"));
        auto* mark = d.findChild<QPushButton*>(QStringLiteral("deleteButton"));
        list.list()->setCurrentRow(0);
        mark->click();
        EXPECT_TRUE(list.list()->row(0).value(0).startsWith(u'@'));
        mark->click();
        EXPECT_TRUE(list.list()->row(0).value(0).startsWith(u' '));
        list.list()->setCurrentRow(1);
        mark->click(); // stays marked: removed by the pack
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return d.result();
    }});
    // The edit dialogs open in the order of the clicks.
    modal.add(addStep("ab", "1.5", false));
    modal.add(addStep("abc", "0", false));
    modal.add(addStep("zz foam", "0.25", true));
    const std::string second = [&] {
        insul->d4tagSelect(nullptr);
        insul->d4go(2);
        return insul->f4str("INSULATION");
    }();
    insul->d4tagSelect(insul->d4tag(InsulTagName));
    EXPECT_TRUE(RunInsulationMaintenance(*insul, nullptr));
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(insul->d4recCountDo(), count); // one added, one packed away
    EXPECT_EQ(FindInsulation(*insul, second), 0);
    EXPECT_NE(FindInsulation(*insul, "Zz foam"), 0);
    // Back in name order: the new record sits at its alphabetical place, the last row.
    const std::vector<InsulationListRow> rows = InsulationListRows(*insul);
    EXPECT_EQ(Trimmed(rows.back().name.substr(rows.back().name.find_first_not_of(' '))), "Zz foam");
}

TEST_F(TableDialogs, EditingAnInsulationKeepsTheFactorsThirdDecimalUnlessRetyped) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    // The list shows records in physical order: find the shipped 0.124 K panel there.
    const int panelRow = PhysicalRowWithFactor(*insul, 0.124);
    ASSERT_GE(panelRow, 0);
    insul->d4tagSelect(insul->d4tag(InsulTagName));
    auto factorOfPanel = [&] {
        insul->d4tagSelect(nullptr);
        insul->d4go(panelRow + 1);
        const double factor = ReadInsulationRecord(*insul).factor;
        insul->d4tagSelect(insul->d4tag(InsulTagName));
        return factor;
    };

    auto editPanel = [&](const char* name, const char* factor) {
        ModalScript modal({[&](QDialog& d) {
            auto& list = dynamic_cast<TInsulModifyDialog&>(d);
            list.list()->setCurrentRow(panelRow);
            d.findChild<QPushButton*>(QStringLiteral("editButton"))->click();
            d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            return d.result();
        }});
        modal.add([&](QDialog& e) {
            EXPECT_EQ(FieldText(e, "factor"), QStringLiteral("0.12"));
            SetField(e, "insulation", QLatin1String(name));
            if (factor != nullptr)
                SetField(e, "factor", QLatin1String(factor));
            return ClickOk(e);
        });
        EXPECT_TRUE(RunInsulationMaintenance(*insul, nullptr));
        EXPECT_EQ(modal.unexpected, 0);
    };

    editPanel("Polyurethane freezer panel", nullptr); // the name only
    EXPECT_DOUBLE_EQ(factorOfPanel(), 0.124);
    editPanel("Polyurethane freezer panel", "0.15"); // a retyped factor takes two decimals
    EXPECT_DOUBLE_EQ(factorOfPanel(), 0.15);
}

// A job saved before the table changed (or the shipped sample, every row 0) holds rows that no
// longer name its insulations: each tab opens on its insulation found by name, and OK keeps them.
TEST_F(TableDialogs, InsulationStaleRowsOpenOnTheNamedRecordAndOkKeepsEveryInsulation) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    const std::vector<InsulationListRow> rows = InsulationListRows(*insul);
    ASSERT_GE(rows.size(), 6u);
    const int named[SurfaceCount] = {3, 4, 5, 2, 1, 3};
    for (int s = 0; s < SurfaceCount; ++s) {
        ASSERT_TRUE(SelectSurfaceInsulation(job.image.surfaces[s], *insul, named[s]));
        job.image.surfaces[s].insulationRow = 0;
    }
    // The ceiling's insulation was deleted from the table: it opens on its stored row.
    SetPadded(job.image.surfaces[Roof].insulationName, "Foam long since deleted", InsulNameWidth);
    job.image.surfaces[Roof].factor = 0.5;
    job.image.surfaces[Roof].insulationRow = 2;
    const JobImage before = job.image;
    ModalScript modal({[&](QDialog& d) {
        auto& tab = dynamic_cast<TInsulTab&>(d);
        for (int s = 0; s < SurfaceCount; ++s) {
            tab.tabs()->setCurrentIndex(s);
            EXPECT_EQ(tab.list()->currentRow(), s == Roof ? 2 : named[s]) << s;
        }
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr));
    for (int s = 0; s < SurfaceCount; ++s) {
        const TSurface& after = job.image.surfaces[s];
        EXPECT_EQ(GetText(after.insulationName), GetText(before.surfaces[s].insulationName)) << s;
        EXPECT_EQ(+after.factor, +before.surfaces[s].factor) << s;
        EXPECT_EQ(+after.insulationRow, s == Roof ? 2 : named[s]) << s;
    }
    EXPECT_TRUE(messages.shown.empty());

    // Choosing a row for the deleted insulation replaces it.
    ModalScript choose({[&](QDialog& d) {
        auto& tab = dynamic_cast<TInsulTab&>(d);
        tab.tabs()->setCurrentIndex(Roof);
        tab.list()->setCurrentRow(1);
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr));
    EXPECT_EQ(+job.image.surfaces[Roof].insulationRow, 1);
    EXPECT_EQ(GetText(job.image.surfaces[Roof].insulationName), rows[1].name);
}

// In SI the factor is typed in the unit of the chosen type and kept in the table's units; the
// panel's 0.124 stays whole while neither the figure nor the type changes.
TEST_F(TableDialogs, InsulationFactorInSiFollowsTheChosenType) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    const int panelRow = PhysicalRowWithFactor(*insul, 0.124);
    ASSERT_GE(panelRow, 0);
    auto panel = [&] {
        insul->d4tagSelect(nullptr);
        insul->d4go(panelRow + 1);
        const InsulationRecord record = ReadInsulationRecord(*insul);
        insul->d4tagSelect(insul->d4tag(InsulTagName));
        return record;
    };
    auto editPanel = [&](const QString& listed, std::function<void(QDialog&)> typing) {
        ModalScript modal({[&](QDialog& d) {
            auto& list = dynamic_cast<TInsulModifyDialog&>(d);
            EXPECT_EQ(list.list()->row(panelRow).value(1), listed);
            list.list()->setCurrentRow(panelRow);
            d.findChild<QPushButton*>(QStringLiteral("editButton"))->click();
            d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            return d.result();
        }});
        modal.add([&](QDialog& e) {
            typing(e);
            return ClickOk(e);
        });
        RunInsulationMaintenance(*insul, nullptr, UnitSystem::Metric);
        EXPECT_EQ(modal.unexpected, 0);
    };

    editPanel(QStringLiteral(" 0.018 K"), [](QDialog& e) {
        EXPECT_EQ(FieldText(e, "factor"), QStringLiteral("0.018"));
        const QLabel* label = nullptr;
        for (const QLabel* l : e.findChildren<QLabel*>())
            if (l->buddy() == e.findChild<QWidget*>(QStringLiteral("factor")))
                label = l;
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Factor &Value W/(m\u00B7K)"));
        e.findChild<QRadioButton*>(QStringLiteral("uFactor"))->setChecked(true);
        EXPECT_EQ(label->text(), QStringLiteral("Factor &Value W/(m\u00B2\u00B7K)"));
        e.findChild<QRadioButton*>(QStringLiteral("kFactor"))->setChecked(true);
    });
    EXPECT_DOUBLE_EQ(panel().factor, 0.124);

    editPanel(QStringLiteral(" 0.018 K"),
              [](QDialog& e) { SetField(e, "factor", QStringLiteral("0.020")); });
    EXPECT_DOUBLE_EQ(panel().factor, 0.139); // 0.020 W/(m.K) is 0.1387 btu.in/(h.sq ft.F)

    // The same figure as a U-factor: W/(m2.K) to btu/(h.sq ft.F). A K range figure that is out
    // of the U range is refused with the U range.
    editPanel(QStringLiteral(" 0.020 K"), [&](QDialog& e) {
        e.findChild<QRadioButton*>(QStringLiteral("uFactor"))->setChecked(true);
        SetField(e, "factor", QStringLiteral("0.300"));
    });
    EXPECT_DOUBLE_EQ(panel().factor, 0.053);
    EXPECT_EQ(panel().kind, 'U');
}

TEST_F(TableDialogs, SelectInsulationInSiShowsMillimetresAndCelsius) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    job.image.surfaces[0].thickness = 4.0;
    job.image.surfaces[0].adjacentTemp = 90;
    job.image.surfaces[1].thickness = 3.5;
    Job imperial = job;
    {
        ModalScript modal({[](QDialog& d) { return ClickOk(d); }});
        EXPECT_TRUE(RunInsulationDialog(imperial.image, *insul, nullptr));
    }
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(FieldText(d, "thickness0"), QStringLiteral("101.6"));
                           EXPECT_EQ(FieldText(d, "adjacentTemp0"), QStringLiteral("32.2"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "thickness0", QStringLiteral("150"));
                           SetField(d, "adjacentTemp0", QStringLiteral("25"));
                           return ClickOk(d);
                       }});
    EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr, UnitSystem::Metric));
    EXPECT_EQ(std::memcmp(&job.image, &imperial.image, sizeof job.image), 0);
    EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr, UnitSystem::Metric));
    EXPECT_DOUBLE_EQ(+job.image.surfaces[0].thickness, 5.91); // 150 mm is 5.906 in
    EXPECT_EQ(+job.image.surfaces[0].adjacentTemp, 77);
    EXPECT_DOUBLE_EQ(+job.image.surfaces[1].thickness, 3.5);
}

// Pounds of a bulk product are shown and typed in kg; a count of packages stays a count; the
// estimate is made in pounds and shown in kg.
TEST_F(TableDialogs, ProductQuantityInSiIsKilogramsForBulkProducts) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    job.image.products[0].quantity = 1001;
    job.image.products[0].enteringTemp = 50;
    const JobImage before = job.image;
    ModalScript modal(
        {[](QDialog& d) {
             auto& dialog = dynamic_cast<TProductDialog&>(d);
             TProductPageView* page = dialog.pageView(0);
             auto* quantity = page->findChild<QLineEdit*>(QStringLiteral("quantity"));
             EXPECT_EQ(quantity->text(), QStringLiteral("454.0"));
             EXPECT_EQ(page->findChild<QLineEdit*>(QStringLiteral("enteringTemp"))->text(),
                       QStringLiteral("10.0"));
             EXPECT_TRUE(
                 page->informationLines().join('\n').contains(QStringLiteral("kJ/(kg\u00B7K)")));
             // General Storage is counted in pounds: typed in kg.
             EXPECT_TRUE(
                 page->informationLines().join('\n').contains(QStringLiteral("Quantity in kg")));
             return ClickOk(d);
         },
         [&](QDialog& d) {
             auto& dialog = dynamic_cast<TProductDialog&>(d);
             TProductPageView* page = dialog.pageView(0);
             auto* quantity = page->findChild<QLineEdit*>(QStringLiteral("quantity"));
             EXPECT_EQ(page->estimateButton()->text(), QStringLiteral("&Estimate kg"));
             page->estimateButton()->click();
             // The box holds 2160 lb: 979.8 kg.
             EXPECT_EQ(quantity->text(), QStringLiteral("979.8"));
             return ClickOk(d);
         }});
    RunProductDialog(job, *product, nullptr, UnitSystem::Metric);
    EXPECT_EQ(+job.image.products[0].quantity, +before.products[0].quantity);
    EXPECT_EQ(+job.image.products[0].enteringTemp, 50);
    RunProductDialog(job, *product, nullptr, UnitSystem::Metric);
    EXPECT_EQ(+job.image.products[0].quantity, 2160); // the estimate itself, not 980 kg back
}

// Alt+T, Ctrl+A, 5, OK in SI means an adjacent temperature of 5 °C (41 F), as Alt+T reaches
// the adjacent temperature in imperial units; the thickness stays as it was.
TEST_F(TableDialogs, AltTInSiTypesTheAdjacentTemperatureNotTheThickness) {
    std::unique_ptr<Table> insul = OpenTable(folder, ReferenceTable::Insul);
    ASSERT_NE(insul, nullptr);
    job.image.surfaces[0].thickness = 4.0;
    job.image.surfaces[0].adjacentTemp = 90;
    {
        ModalScript modal({[](QDialog& d) { return TypeAtMnemonic(d, Qt::Key_T, "5"); }});
        EXPECT_TRUE(RunInsulationDialog(job.image, *insul, nullptr, UnitSystem::Metric));
    }
    EXPECT_EQ(+job.image.surfaces[0].adjacentTemp, 41);
    EXPECT_DOUBLE_EQ(+job.image.surfaces[0].thickness, 4.0);

    TDefaults defaults = BuiltInDefaults();
    TDefaultsTab dialog(defaults, InsulationListRows(*insul), nullptr, UnitSystem::Metric);
    EXPECT_EQ(TypeAtMnemonic(dialog, Qt::Key_T, "5"), QDialog::Accepted);
    EXPECT_EQ(dialog.values().coolerAdjacentTemp, 41);
    EXPECT_DOUBLE_EQ(dialog.values().coolerInches, 3.5);
}

// A bulk product's quantity shown in kg and typed in again stores the same pounds.
TEST_F(TableDialogs, ProductQuantityTypedBackInKilogramsStoresTheSamePounds) {
    std::unique_ptr<Table> product = OpenTable(folder, ReferenceTable::Product);
    ASSERT_NE(product, nullptr);
    std::vector<int32_t> weights = {1001, 2160, 12345, 1234567, 89999999};
    for (int32_t pounds = 1; pounds <= 20; ++pounds)
        weights.push_back(pounds);
    const auto quantityField = [](QDialog& d) {
        return dynamic_cast<TProductDialog&>(d).pageView(0)->findChild<QLineEdit*>(
            QStringLiteral("quantity"));
    };
    for (const int32_t pounds : weights) {
        job.image.products[0].quantity = pounds;
        QString shown;
        {
            ModalScript modal({[&](QDialog& d) {
                shown = quantityField(d)->text();
                return ClickCancel(d);
            }});
            RunProductDialog(job, *product, nullptr, UnitSystem::Metric);
        }
        job.image.products[0].quantity = 0;
        ModalScript modal({[&](QDialog& d) {
            quantityField(d)->setText(shown);
            return ClickOk(d);
        }});
        EXPECT_TRUE(RunProductDialog(job, *product, nullptr, UnitSystem::Metric));
        EXPECT_EQ(+job.image.products[0].quantity, pounds) << shown.toStdString() << " kg";
    }
}
