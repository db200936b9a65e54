#include "DialogTestSupport.h"

#include "dialogs/CalcEdit.h"
#include "dialogs/InfiltrationDialogs.h"
#include "dialogs/InternalLoadDialogs.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/NumberField.h"
#include "dialogs/SunDialog.h"
#include "job/ClearJob.h"
#include "job/Defaults.h"
#include "job/FixedText.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

void Choose(QDialog& d, const char* name) {
    auto* radio = d.findChild<QRadioButton*>(QLatin1String(name));
    ASSERT_NE(radio, nullptr) << name;
    radio->click();
}

bool Checked(QDialog& d, const char* name) {
    auto* radio = d.findChild<QRadioButton*>(QLatin1String(name));
    return radio != nullptr && radio->isChecked();
}

QStringList Labels(QDialog& d) {
    QStringList texts;
    for (const QLabel* label : d.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

class LoadDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        ClearJob(job, BuiltInDefaults());
        image.header.boxTemp = 35;
    }
    MessageScript messages;
    Job job;
    JobImage& image = job.image;
};

} // namespace

TEST_F(LoadDialogs, OccupantsRefusesOutOfRangeAndStoresWhatWasTyped) {
    std::vector<QString> refused;
    ModalScript modal({[&](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TOccuDialog"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Occupants"));
        EXPECT_TRUE(Labels(d).contains(QStringLiteral("&Number of Occupants")));
        EXPECT_TRUE(Labels(d).contains(QStringLiteral("&Hours per Day in Box")));
        SetField(d, "occupants", QStringLiteral("101"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        SetField(d, "occupants", QStringLiteral("2"));
        SetField(d, "hours", QStringLiteral("26"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        SetField(d, "hours", QStringLiteral("4"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunOccupantDialog(image, nullptr));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..100"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range 0..25"));
    EXPECT_EQ(+image.occupants.occupants, 2);
    EXPECT_EQ(+image.occupants.hours, 4);
}

TEST_F(LoadDialogs, EmptyFieldCountsAsZeroAndCancelChangesNothing) {
    image.electric.watts = 1000;
    image.electric.hours = 8;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Electric Loads "));
                           EXPECT_EQ(FieldText(d, "watts"), QStringLiteral("1000"));
                           SetField(d, "watts", QString());
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "hours", QStringLiteral("3"));
                           return ClickCancel(d);
                       }});
    EXPECT_TRUE(RunElectricDialog(image, nullptr));
    EXPECT_EQ(+image.electric.watts, 0);
    EXPECT_FALSE(RunElectricDialog(image, nullptr));
    EXPECT_EQ(+image.electric.hours, 8);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoadDialogs, MotorAndLightingTakeTwoDecimalsAndReportNoChangeWhenUntouched) {
    image.motors.motorHp = 0.333; // more decimals than the field shows
    ModalScript modal(
        {[](QDialog& d) {
             EXPECT_EQ(d.windowTitle(), QStringLiteral("Motor HP Loads"));
             EXPECT_EQ(FieldText(d, "motorHp"), QStringLiteral("0.33"));
             return ClickOk(d);
         },
         [](QDialog& d) {
             SetField(d, "motorHp", QStringLiteral("500.01"));
             EXPECT_EQ(ClickOk(d), QDialog::Rejected);
             SetField(d, "motorHp", QStringLiteral("0.5"));
             SetField(d, "motorCount", QStringLiteral("1"));
             return ClickOk(d);
         },
         [](QDialog& d) {
             EXPECT_EQ(d.windowTitle(), QStringLiteral("Lighting Loads "));
             EXPECT_TRUE(Labels(d).contains(QStringLiteral("Suggest: .8 for Long Term Storage")));
             SetField(d, "wattsPerSqFt", QString()); // 0 is below 0.5
             EXPECT_EQ(ClickOk(d), QDialog::Rejected);
             SetField(d, "wattsPerSqFt", QStringLiteral("0.8"));
             return ClickOk(d);
         }});
    EXPECT_FALSE(RunMotorDialog(image, nullptr));
    EXPECT_EQ(+image.motors.motorHp, 0.333);
    EXPECT_TRUE(RunMotorDialog(image, nullptr));
    EXPECT_EQ(+image.motors.motorHp, 0.5);
    EXPECT_EQ(+image.motors.motorCount, 1);
    EXPECT_TRUE(RunLightingDialog(image, nullptr));
    EXPECT_EQ(+image.lighting.wattsPerSqFt, 0.8);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..500"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range 0.5..30"));
}

TEST_F(LoadDialogs, GlassDoorsStoreNumbersAndUsageButNotTheComputedPart) {
    image.glassDoors.glassLoad = 777;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Glass Display Doors"));
                           EXPECT_TRUE(Checked(d, "normal"));
                           SetField(d, "adjacentTemp", QStringLiteral("146"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "adjacentTemp", QStringLiteral("90"));
                           SetField(d, "doorCount", QStringLiteral("2"));
                           Choose(d, "heavy");
                           return ClickOk(d);
                       },
                       [](QDialog& d) { return ClickOk(d); }});
    EXPECT_TRUE(RunGlassDoorDialog(image, nullptr));
    EXPECT_EQ(+image.glassDoors.doorCount, 2);
    EXPECT_EQ(+image.glassDoors.adjacentTemp, 90);
    EXPECT_EQ(+image.glassDoors.heavyFlag, 1);
    EXPECT_EQ(+image.glassDoors.normalFlag, 0);
    EXPECT_EQ(+image.glassDoors.glassLoad, 777);
    EXPECT_FALSE(RunGlassDoorDialog(image, nullptr)); // OK without a change
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range -20..145"));
}

TEST_F(LoadDialogs, UserLoadTakesTypedAndCalculatedValues) {
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("User Load"));
        EXPECT_TRUE(Labels(d).contains(QStringLiteral("Enter Load in btuh")));
        SetField(d, "userDescription", QStringLiteral("Forklift charger"));
        SetField(d, "userLoad", QStringLiteral("90000001"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        // The calculator fills the field: 1200 * 3 + 5 = 3605.
        ModalScript calculator({[](QDialog& c) {
            auto& calc = dynamic_cast<TCalculatorDialog&>(c);
            calc.press(QStringLiteral("C"));
            for (const char* key : {"1", "2", "0", "0", "*", "3", "+", "5", "="})
                calc.press(QLatin1String(key));
            EXPECT_EQ(calc.display(), QStringLiteral("3605"));
            return ClickOk(c);
        }});
        d.findChild<QToolButton*>(QStringLiteral("calculatorButton"))->click();
        EXPECT_EQ(FieldText(d, "userLoad"), QStringLiteral("3605"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunUserLoadDialog(image, nullptr));
    EXPECT_EQ(GetText(image.userLoad.userDescription), "Forklift charger");
    EXPECT_EQ(+image.userLoad.userLoad, 3605);
    EXPECT_EQ(+image.flags.userLoadEntered, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..90000000"));
}

// The keys stand in even columns: 7 4 1 0 | 8 5 2 . | 9 6 3 = | / * - +, with no gap between.
TEST_F(LoadDialogs, CalculatorKeypadHasNoEmptyColumn) {
    TCalculatorDialog calc(0, nullptr);
    calc.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calc));
    std::map<QString, QRect> keys;
    for (QPushButton* button : calc.findChildren<QPushButton*>())
        keys[button->text()] = button->geometry();
    for (const char* column : {"7", "8", "9", "/"})
        ASSERT_TRUE(keys.contains(QLatin1String(column))) << column;
    const int gap78 = keys["8"].left() - keys["7"].right();
    const int gap89 = keys["9"].left() - keys["8"].right();
    const int gap9d = keys["/"].left() - keys["9"].right();
    EXPECT_EQ(gap78, gap89);
    EXPECT_EQ(gap89, gap9d);
    EXPECT_LT(gap78, keys["7"].width() / 2);
    EXPECT_EQ(keys["C"].left(), keys["7"].left());
}

TEST_F(LoadDialogs, CalculatorErrorLeavesTheFieldAlone) {
    TCalculatorDialog calc(12, nullptr);
    EXPECT_EQ(calc.display(), QStringLiteral("12"));
    for (const char* key : {"/", "0", "="})
        calc.press(QLatin1String(key));
    EXPECT_EQ(calc.display(), QStringLiteral("E"));
    EXPECT_TRUE(calc.calculator().failed());
    calc.press(QStringLiteral("C"));
    for (const char* key : {"7", ".", "5", "-", "1", "0", "="})
        calc.press(QLatin1String(key));
    EXPECT_EQ(calc.calculator().value(), -2.5);

    CalcEdit edit(QStringLiteral("[#][#][#][#][#][#][#][#]"), 0, 90000000);
    edit.field()->setText(QStringLiteral("40"));
    ModalScript modal({[](QDialog& c) {
        auto& dialog = dynamic_cast<TCalculatorDialog&>(c);
        for (const char* key : {"/", "0", "="})
            dialog.press(QLatin1String(key));
        return ClickOk(c);
    }});
    edit.popUp();
    EXPECT_EQ(edit.field()->text(), QStringLiteral("40"));
}

TEST_F(LoadDialogs, LatentRangeReturnsTrueOnOkEvenUnchangedAndHasHelp1066) {
    std::vector<QString> help;
    const HelpHandler previous =
        SetHelpHandler([&help](const QString& context) { help.push_back(context); });
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Latent Heat - Exclusion"));
                           EXPECT_TRUE(Checked(d, "within10"));
                           d.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           Choose(d, "within15");
                           return ClickCancel(d);
                       },
                       [](QDialog& d) {
                           Choose(d, "doNotExclude");
                           return ClickOk(d);
                       }});
    EXPECT_TRUE(RunLatentDialog(image, nullptr));
    EXPECT_FALSE(RunLatentDialog(image, nullptr));
    EXPECT_EQ(+image.latent.excludeWithin10, 1);
    EXPECT_TRUE(RunLatentDialog(image, nullptr));
    EXPECT_EQ(+image.latent.doNotExclude, 1);
    EXPECT_EQ(+image.latent.excludeWithin10, 0);
    EXPECT_EQ(+image.latent.excludeWithin15, 0);
    SetHelpHandler(previous);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0], QStringLiteral("1066"));
}

TEST_F(LoadDialogs, SunOkWithoutChangeIsFalseButRecomputesAllowances) {
    image.sun.flags[SunRoof][SunNone] = 0;
    image.sun.flags[SunRoof][SunDark] = 1;
    image.surfaces[Roof].sunAllowance = 0; // stale
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Allowance for Sun Effect"));
                           EXPECT_TRUE(Checked(d, "roofDark"));
                           EXPECT_TRUE(Labels(d).contains(QStringLiteral("Ceiling")));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           Choose(d, "westLight");
                           return ClickCancel(d);
                       },
                       [](QDialog& d) {
                           Choose(d, "roofNone");
                           Choose(d, "southMedium");
                           return ClickOk(d);
                       }});
    EXPECT_FALSE(RunSunDialog(image, nullptr));
    EXPECT_EQ(+image.surfaces[Roof].sunAllowance, 20);
    EXPECT_EQ(+image.flags.sunEntered, 1);
    EXPECT_FALSE(RunSunDialog(image, nullptr));
    EXPECT_EQ(+image.sun.flags[SunWest][SunLight], 0);
    EXPECT_TRUE(RunSunDialog(image, nullptr));
    EXPECT_EQ(+image.surfaces[Roof].sunAllowance, 0);
    EXPECT_EQ(+image.surfaces[SouthWall].sunAllowance, 4);
    EXPECT_EQ(+image.sun.flags[SunSouth][SunNone], 0);
}

TEST_F(LoadDialogs, AirChangeCancelStillSwitchesToTheAirChangeMethod) {
    image.infiltration.airChangeMethod = 0;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Infiltration Air Change"));
                           EXPECT_TRUE(
                               Labels(d).contains(QStringLiteral("Average Air Change Method")));
                           SetField(d, "infiltratingTemp", QStringLiteral("-5"));
                           return ClickCancel(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "infiltratingRelHum", QStringLiteral("100"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "infiltratingRelHum", QStringLiteral("60"));
                           SetField(d, "infiltratingTemp", QStringLiteral("-51"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "infiltratingTemp", QStringLiteral("-5"));
                           Choose(d, "light");
                           return ClickOk(d);
                       }});
    const int32_t tempBefore = image.airChangeEntry.infiltratingTemp;
    EXPECT_FALSE(RunAirChangeDialog(image, nullptr));
    EXPECT_EQ(+image.infiltration.airChangeMethod, 1);
    EXPECT_EQ(+image.airChangeEntry.infiltratingTemp, tempBefore);
    image.infiltration.airChangeMethod = 0;
    EXPECT_TRUE(RunAirChangeDialog(image, nullptr));
    EXPECT_EQ(+image.infiltration.airChangeMethod, 1);
    EXPECT_EQ(+image.airChangeEntry.infiltratingTemp, -5);
    EXPECT_EQ(+image.infiltration.usage, 0);
    EXPECT_EQ(+image.infiltration.usageFactor, 0.8);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..99"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range -50..150"));
}

TEST_F(LoadDialogs, AirVelocityOkSwitchesMethodCancelLeavesIt) {
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Infiltration Air Velocity"));
                           SetField(d, "doorCount", QStringLiteral("3"));
                           return ClickCancel(d);
                       },
                       [](QDialog& d) {
                           EXPECT_EQ(FieldText(d, "doorHeight"), QStringLiteral("8.00"));
                           SetField(d, "openMinutes", QStringLiteral("1901"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "openMinutes", QStringLiteral("30"));
                           SetField(d, "doorWidth", QStringLiteral("160.01"));
                           EXPECT_EQ(ClickOk(d), QDialog::Rejected);
                           SetField(d, "doorWidth", QStringLiteral("6.5"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) { return ClickOk(d); }});
    EXPECT_FALSE(RunAirVelocityDialog(image, nullptr));
    EXPECT_EQ(+image.infiltration.airChangeMethod, 1);
    EXPECT_EQ(+image.airVelocityEntry.doorCount, 1);
    EXPECT_TRUE(RunAirVelocityDialog(image, nullptr));
    EXPECT_EQ(+image.infiltration.airChangeMethod, 0);
    EXPECT_EQ(+image.airVelocityEntry.openMinutes, 30);
    EXPECT_EQ(+image.airVelocityEntry.doorWidth, 6.5);
    EXPECT_FALSE(RunAirVelocityDialog(image, nullptr)); // OK, unchanged
    EXPECT_EQ(+image.infiltration.airChangeMethod, 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 0..1900"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Value not in range 0..160"));
}
