#include "DialogTestSupport.h"

#include "dialogs/CoilDialogs.h"
#include "dialogs/NumberField.h"
#include "dialogs/SpinField.h"
#include "dialogs/SpotDialogs.h"
#include "dialogs/UnitCodesDialog.h"
#include "dialogs/UnitCodesPicture.h"
#include "dialogs/UnitDialogs.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

UnitList ThreeUnits(int selected) {
    UnitList list;
    list.rows = {{"OCH-00500-3M4 -5    ", "      5300", "   0.50", "18.20", "  Tundra", "Welded"},
                 {"OCH-00750-3M4 -5    ", "      6600", "   0.75", "14.61", "  Tundra", "Welded"},
                 {"OCS-01000-2M4 -5    ", "      7100", "   1.00", "13.58", "  Boreal", "Metic "}};
    list.selected = selected;
    list.desired = "Desired: 1  Unit for        5360 btuh @  90 Ambient  18 run/Hrs  25 Suction";
    return list;
}

class EquipmentDialogs : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
};

} // namespace

TEST_F(EquipmentDialogs, UnitListShowsTitledFixedPitchColumnsAndThePreselectedRow) {
    TSearchUnitDialog dialog(ThreeUnits(2));
    QTreeWidget* view = dialog.browseList()->view();
    const QStringList titles = {"Model", "btuh", "Nom HP", "run/hrs", "Brand", "Type"};
    const std::vector<int> widths = {14, 12, 7, 6, 8, 6};
    ASSERT_EQ(view->columnCount(), titles.size());
    // Fixed pitch: a narrow and a wide letter take the same room.
    EXPECT_EQ(view->fontMetrics().horizontalAdvance(QLatin1Char('i')),
              view->fontMetrics().horizontalAdvance(QLatin1Char('W')));
    const int charWidth = view->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(view->headerItem()->text(i), titles[i]);
        EXPECT_GE(view->columnWidth(i), widths[static_cast<std::size_t>(i)] * charWidth);
    }
    // A model longer than its column's 14 characters widens the column instead of being cut.
    EXPECT_GE(view->columnWidth(0),
              view->fontMetrics().horizontalAdvance(dialog.browseList()->row(0)[0]));
    EXPECT_EQ(view->textElideMode(), Qt::ElideNone);
    EXPECT_EQ(dialog.browseList()->currentRow(), 2);
    EXPECT_EQ(dialog.browseList()->row(0)[0], QStringLiteral("OCH-00500-3M4 -5    "));
    EXPECT_EQ(dialog.desiredLine()->text(), QString::fromStdString(ThreeUnits(0).desired));
    // The line is never cut: the label is wide enough for its text.
    EXPECT_GE(dialog.desiredLine()->minimumWidth(),
              dialog.desiredLine()->fontMetrics().horizontalAdvance(dialog.desiredLine()->text()));
}

TEST_F(EquipmentDialogs, DoubleClickChoosesTheRowAndClosesTheList) {
    TSearchUnitDialog dialog(ThreeUnits(0));
    dialog.show();
    QTreeWidget* view = dialog.browseList()->view();
    const QRect cell = view->visualItemRect(view->topLevelItem(1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenRow(), 1);
}

TEST_F(EquipmentDialogs, CancelChoosesNothing) {
    TSearchUnitDialog dialog(ThreeUnits(1));
    EXPECT_EQ(ClickCancel(dialog), QDialog::Rejected);
    EXPECT_EQ(dialog.chosenRow(), -1);
}

TEST_F(EquipmentDialogs, CoilListColumns) {
    CoilList list;
    list.rows = {
        {7, "KLP-0110    ", "10.00", "   Low Profile", " 6", "      1100", "air ", "   Chill"}};
    list.desired = "Desired:  1 Coils for       11000 btuh @ 10 TD";
    TSearchCoilDialog dialog(list);
    QTreeWidget* view = dialog.browseList()->view();
    const QStringList titles = {"model", "TD", "style", "fin", "btuh", "defrost", "brand"};
    ASSERT_EQ(view->columnCount(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        EXPECT_EQ(view->headerItem()->text(i), titles[i]);
    EXPECT_EQ(dialog.browseList()->row(0)[6], QStringLiteral("   Chill"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Evaporator Coils"));
    EXPECT_EQ(ClickOk(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenRow(), 0);
}

TEST_F(EquipmentDialogs, SelectionDialogsCheckTheirRanges) {
    MessageScript messages;
    TCoilDialog coil(1);
    EXPECT_EQ(coil.windowTitle(), QStringLiteral("Coil Selection"));
    SetField(coil, "coilCount", QStringLiteral("13"));
    EXPECT_NE(ClickOk(coil), QDialog::Accepted);
    SetField(coil, "coilCount", QStringLiteral("0"));
    EXPECT_EQ(ClickOk(coil), QDialog::Accepted);
    EXPECT_EQ(coil.coilCount(), 0);
    TUnitDialog unit(1, 10);
    EXPECT_EQ(unit.windowTitle(), QStringLiteral("Unit Selection"));
    SetField(unit, "designTD", QStringLiteral("46"));
    EXPECT_NE(ClickOk(unit), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..12"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range 4..45"));
}

TEST_F(EquipmentDialogs, SpotUnitFieldsRangesAndAmbientSpin) {
    SpotEntries entries;
    MessageScript messages;
    rkSpotDialog dialog(entries.unit, entries.spotAmbient);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spot Unit"));
    for (const char* name : {"spotQuantity", "spotLoad", "spotRunHours", "spotSuction"})
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QLatin1String(name))->maxLength(), 9) << name;
    auto* ambient = dialog.findChild<SpinField*>(QStringLiteral("spotAmbient"));
    ASSERT_NE(ambient, nullptr);
    EXPECT_EQ(ambient->minimum(), 80);
    EXPECT_EQ(ambient->maximum(), 130);
    EXPECT_EQ(ambient->singleStep(), 5);
    EXPECT_EQ(ambient->value(), 90);
    // The ambient cannot be typed, only stepped.
    ambient->setFocus();
    QTest::keyClicks(ambient, QStringLiteral("1"));
    EXPECT_EQ(ambient->value(), 90);
    ambient->stepUp();
    EXPECT_EQ(ambient->value(), 95);

    SetField(dialog, "spotLoad", QStringLiteral("9000001"));
    EXPECT_NE(ClickOk(dialog), QDialog::Accepted);
    SetField(dialog, "spotLoad", QStringLiteral("15000"));
    SetField(dialog, "spotSuction", QStringLiteral("-51"));
    EXPECT_NE(ClickOk(dialog), QDialog::Accepted);
    SetField(dialog, "spotSuction", QStringLiteral("-10"));
    EXPECT_EQ(ClickOk(dialog), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..9000000"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range -50..60"));
    EXPECT_EQ(dialog.entry().spotLoad, 15000);
    EXPECT_EQ(dialog.entry().spotSuction, -10);
    EXPECT_EQ(dialog.spotAmbient(), 95);
}

TEST_F(EquipmentDialogs, SpotDialogsKeepTheLastEntries) {
    SpotEntries entries;
    {
        ModalScript modal({[](QDialog& d) {
                               SetField(d, "spotQuantity", QStringLiteral("2"));
                               SetField(d, "spotAmbient", QStringLiteral("110"));
                               return ClickOk(d);
                           },
                           [](QDialog& d) {
                               EXPECT_EQ(d.windowTitle(), QStringLiteral("Spot Evaporator Coil"));
                               SetField(d, "spotTD", QStringLiteral("97"));
                               EXPECT_NE(ClickOk(d), QDialog::Accepted);
                               SetField(d, "spotTD", QStringLiteral("15"));
                               SetField(d, "spotBoxTemp", QStringLiteral("-5"));
                               return ClickOk(d);
                           }});
        MessageScript messages;
        EXPECT_TRUE(RunSpotUnitDialog(entries, nullptr));
        EXPECT_TRUE(RunSpotCoilDialog(entries, nullptr));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 1..96"));
    }
    EXPECT_EQ(entries.unit.spotQuantity, 2);
    EXPECT_EQ(entries.spotAmbient, 110);
    EXPECT_EQ(entries.coil.spotTD, 15);
    EXPECT_EQ(entries.coil.spotBoxTemp, -5);
    ModalScript cancel({[](QDialog& d) {
        EXPECT_EQ(FieldText(d, "spotTD"), QStringLiteral("15"));
        SetField(d, "spotTD", QStringLiteral("20"));
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunSpotCoilDialog(entries, nullptr));
    EXPECT_EQ(entries.coil.spotTD, 15);
}

TEST_F(EquipmentDialogs, ProductCodesCardShowsThePictureAboveOk) {
    const QImage picture = UnitCodesPicture();
    EXPECT_EQ(picture.size(), QSize(600, 380));
    unitCodesDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Unit Product Codes"));
    auto* shown = dialog.findChild<QLabel*>(QStringLiteral("picture"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->pixmap().size(), QSize(600, 380));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")) == nullptr);
    dialog.show();
    EXPECT_LT(shown->geometry().bottom(), ok->mapTo(&dialog, QPoint(0, 0)).y());
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(EquipmentDialogs, ProductCodesPictureColoursEachPart) {
    const QImage picture = UnitCodesPicture();
    // Every part of the code has its own palette colour, used for its box and its characters.
    const std::vector<QRgb> colours = {qRgb(0, 0, 128),   qRgb(128, 0, 0),   qRgb(0, 128, 0),
                                       qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 0),
                                       qRgb(0, 0, 255),   qRgb(255, 0, 0)};
    for (const QRgb colour : colours) {
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += (picture.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? 1 : 0;
        EXPECT_GT(count, 200) << std::hex << colour;
    }
}
