// Dialogs in SI: what they show, what they store, and that confirming without typing changes no
// byte of the job.
#include "DialogTestSupport.h"

#include "dialogs/FieldsDialog.h"
#include "dialogs/InfiltrationDialogs.h"
#include "dialogs/InternalLoadDialogs.h"
#include "dialogs/JobInfoDialog.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/NewJobDialog.h"
#include "dialogs/NumberField.h"
#include "dialogs/SpinField.h"
#include "dialogs/SpotDialogs.h"
#include "dialogs/UnitDialogs.h"
#include "job/ClearJob.h"
#include "job/Defaults.h"
#include "job/FixedText.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace {

constexpr UnitSystem SI = UnitSystem::Metric;

// A job whose inputs have the awkward values that a careless conversion would move.
Job AwkwardJob() {
    Job job;
    ClearJob(job, BuiltInDefaults());
    TJobHeader& h = job.image.header;
    SetText(h.jobName, "Cold Room");
    SetText(h.jobDate, "05/06/2024");
    h.boxTemp = -7;
    h.length = 10.37;
    h.width = 8.13;
    h.height = 7.33;
    h.designAmbient = 95;
    h.runHours = 18;
    h.safetyFactor = 10;
    h.boxRelHum = 85;
    job.run.newJob = false;
    job.image.flags.jobLoaded = 1;
    job.image.airChangeEntry.infiltratingTemp = 87;
    job.image.airChangeEntry.infiltratingRelHum = 55;
    job.image.airVelocityEntry.infiltratingTemp = 93;
    job.image.airVelocityEntry.doorHeight = 7.17;
    job.image.airVelocityEntry.doorWidth = 3.99;
    job.image.airVelocityEntry.doorCount = 2;
    job.image.glassDoors.doorCount = 3;
    job.image.glassDoors.adjacentTemp = 73;
    job.image.glassDoors.doorHeight = 77;
    job.image.glassDoors.doorWidth = 29;
    job.image.motors.motorCount = 2;
    job.image.motors.motorHp = 1.33;
    job.image.motors.hours = 8;
    job.image.lighting.wattsPerSqFt = 0.83;
    job.image.lighting.hours = 12;
    job.image.userLoad.userLoad = 12347;
    return job;
}

// The text of the label whose buddy is the named field.
QString LabelOf(QDialog& dialog, const char* name) {
    QWidget* field = dialog.findChild<QWidget*>(QLatin1String(name));
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

class MetricEntry : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    MessageScript messages;
};

} // namespace

// OK without typing: the job is what the same dialog leaves in imperial units (a method flag may
// be set by the dialog itself), byte for byte.
TEST_F(MetricEntry, ConfirmingEveryDialogUntouchedKeepsEveryByteOfTheJob) {
    using Run = std::function<void(Job&, UnitSystem)>;
    const std::vector<std::pair<const char*, Run>> dialogs = {
        {"Job Information", [](Job& j, UnitSystem u) { RunJobInformation(j, nullptr, u); }},
        {"Air Change", [](Job& j, UnitSystem u) { RunAirChangeDialog(j.image, nullptr, u); }},
        {"Air Velocity", [](Job& j, UnitSystem u) { RunAirVelocityDialog(j.image, nullptr, u); }},
        {"Glass Doors", [](Job& j, UnitSystem u) { RunGlassDoorDialog(j.image, nullptr, u); }},
        {"Motors", [](Job& j, UnitSystem u) { RunMotorDialog(j.image, nullptr, u); }},
        {"Lighting", [](Job& j, UnitSystem u) { RunLightingDialog(j.image, nullptr, u); }},
        {"User Load", [](Job& j, UnitSystem u) { RunUserLoadDialog(j.image, nullptr, u); }},
        {"Latent", [](Job& j, UnitSystem u) { RunLatentDialog(j.image, nullptr, u); }},
    };
    for (const auto& [name, run] : dialogs) {
        Job metric = AwkwardJob();
        Job imperial = AwkwardJob();
        ModalScript modal(
            {[](QDialog& d) { return ClickOk(d); }, [](QDialog& d) { return ClickOk(d); }});
        run(metric, SI);
        run(imperial, UnitSystem::Imperial);
        EXPECT_EQ(modal.unexpected, 0) << name;
        EXPECT_EQ(std::memcmp(&metric.image, &imperial.image, sizeof metric.image), 0) << name;
        EXPECT_TRUE(messages.shown.empty()) << name;
    }
}

TEST_F(MetricEntry, JobInformationShowsSiAndStoresTheNearestImperialValues) {
    Job job = AwkwardJob();
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(FieldText(d, "boxTemp"), QStringLiteral("-21.7"));
        EXPECT_EQ(FieldText(d, "length"), QStringLiteral("3.161"));
        EXPECT_EQ(LabelOf(d, "boxTemp"), QStringLiteral("Box &Temp (\u00B0C)"));
        EXPECT_EQ(LabelOf(d, "length"), QStringLiteral("Length  &No/So (m)"));
        auto* ambient = d.findChild<SpinField*>(QStringLiteral("designAmbient"));
        EXPECT_EQ(ambient->text(), QStringLiteral("35.0"));
        // Out of the converted range: the message names the SI ends.
        SetField(d, "boxTemp", QStringLiteral("-46"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        SetField(d, "boxTemp", QStringLiteral("-23.3"));
        SetField(d, "length", QStringLiteral("3.05"));
        SetField(d, "height", QStringLiteral("2.5"));
        ambient->findChild<QLineEdit*>()->setText(QStringLiteral("38"));
        return ClickOk(d);
    }});
    RunJobInformation(job, nullptr, SI);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range -45.6..15.6"));
    const TJobHeader& h = job.image.header;
    EXPECT_EQ(+h.boxTemp, -10);       // -23.3 C is -9.94 F
    EXPECT_EQ(+h.length, 10.01);      // 3.05 m is 10.006 ft
    EXPECT_EQ(+h.width, 8.13);        // untouched: kept with its own decimals
    EXPECT_EQ(+h.height, 8.2);        // 2.5 m is 8.202 ft
    EXPECT_EQ(+h.designAmbient, 100); // 38 C is 100.4 F, on the 100 F step
    EXPECT_EQ(+h.runHours, 18);
}

TEST_F(MetricEntry, WholeNumberFieldsRoundTripWithinHalfAStep) {
    // Every whole temperature of the box range comes back as itself, and a typed SI figure is
    // stored as the nearest whole F whose SI figure is within half a degree F.
    for (int f = -50; f <= 60; ++f) {
        IntField field(QStringLiteral("[-][#][#][#]"), -50, 60);
        field.setValue(f);
        field.showIn(SI, Quantity::Temperature);
        EXPECT_EQ(field.intValue(), f);
        field.setText(QString::number(ToSi(Quantity::Temperature, f) + 0.04, 'f', 1));
        EXPECT_NEAR(field.intValue(), f, 1) << f;
        EXPECT_LE(std::abs(FromSi(Quantity::Temperature, field.value()) - field.intValue()), 0.5);
    }
}

TEST_F(MetricEntry, UnchangedLoadKeepsItsBtuhAndATypedLoadIsConverted) {
    IntField load(QStringLiteral("[#][#][#][#][#][#][#]"), 0, 9000000);
    load.setValue(1001);
    load.showIn(SI, Quantity::HeatFlow);
    EXPECT_EQ(load.text(), QStringLiteral("293"));
    EXPECT_EQ(load.intValue(), 1001); // 293 W alone would give back 1000
    EXPECT_EQ(load.maximum(), 2637640);
    load.setText(QStringLiteral("1000"));
    EXPECT_EQ(load.intValue(), 3412);
    // Past the imperial top the value is the top, never a wrapped number.
    load.setText(QStringLiteral("2637640"));
    EXPECT_EQ(load.intValue(), 9000000);
}

TEST_F(MetricEntry, ImperialFieldsAreLeftAlone) {
    RealField field(QStringLiteral("[#][#][#][.][#][#]"), 0, 400);
    field.setValue(10.37);
    field.showIn(UnitSystem::Imperial, Quantity::Length);
    EXPECT_FALSE(field.metric());
    EXPECT_EQ(field.text(), QStringLiteral("10.37"));
    EXPECT_EQ(field.rangeMessage(), QStringLiteral("Value not in range 0..400"));
}

TEST_F(MetricEntry, RealFieldRangeWidensOutwardAndThePictureTakesTheSiFigures) {
    RealField lighting(QStringLiteral("[#][#][#][.][#][#]"), 0.5, 30.0);
    lighting.setValue(0.83);
    lighting.showIn(SI, Quantity::LightingDensity);
    EXPECT_EQ(lighting.text(), QStringLiteral("8.93"));
    EXPECT_EQ(lighting.minimum(), 5.38);   // 5.3820 down
    EXPECT_EQ(lighting.maximum(), 322.92); // 322.917 up
    lighting.setText(QStringLiteral("5.38"));
    EXPECT_TRUE(lighting.inRange());
    EXPECT_EQ(lighting.storedValue(), 0.5);
    int pos = 0;
    QString tooMany = QStringLiteral("1234");
    EXPECT_EQ(lighting.validator()->validate(tooMany, pos), QValidator::Invalid);
    QString signedTemp = QStringLiteral("-45.6");
    IntField temp(QStringLiteral("[-][#][#][#]"), -50, 60);
    temp.showIn(SI, Quantity::Temperature);
    EXPECT_EQ(temp.validator()->validate(signedTemp, pos), QValidator::Acceptable);
}

TEST_F(MetricEntry, DesignAmbientStepsByFiveFahrenheitShownInCelsius) {
    SpinField ambient(90, 105, 5);
    ambient.setValue(90);
    ambient.showIn(SI);
    EXPECT_EQ(ambient.text(), QStringLiteral("32.2"));
    ambient.stepUp();
    EXPECT_EQ(ambient.value(), 95);
    EXPECT_EQ(ambient.text(), QStringLiteral("35.0"));
    ambient.findChild<QLineEdit*>()->setText(QStringLiteral("41"));
    EXPECT_EQ(ambient.steppedValue(), 105);
    EXPECT_EQ(ambient.text(), QStringLiteral("40.6"));
    ambient.findChild<QLineEdit*>()->setText(QStringLiteral("20"));
    EXPECT_EQ(ambient.steppedValue(), 90);
    int pos = 0;
    QString letters = QStringLiteral("3a");
    EXPECT_EQ(ambient.findChild<QLineEdit*>()->validator()->validate(letters, pos),
              QValidator::Invalid);
}

TEST_F(MetricEntry, LoadDialogsNameTheirSiUnitsAndConvertTypedValues) {
    Job job = AwkwardJob();
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(LabelOf(d, "doorHeight"), QStringLiteral("Door &Height / mm"));
                           EXPECT_EQ(FieldText(d, "doorHeight"), QStringLiteral("1956"));
                           SetField(d, "doorHeight", QStringLiteral("2000"));
                           SetField(d, "adjacentTemp", QStringLiteral("30"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           EXPECT_EQ(LabelOf(d, "motorHp"), QStringLiteral("Motor &kW"));
                           EXPECT_EQ(FieldText(d, "motorHp"), QStringLiteral("0.99"));
                           SetField(d, "motorHp", QStringLiteral("3"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           EXPECT_EQ(FieldText(d, "userLoad"), QStringLiteral("3619"));
                           SetField(d, "userLoad", QStringLiteral("5000"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           EXPECT_EQ(FieldText(d, "designTD"), QStringLiteral("5.6"));
                           SetField(d, "designTD", QStringLiteral("6"));
                           return ClickOk(d);
                       }});
    EXPECT_TRUE(RunGlassDoorDialog(job.image, nullptr, SI));
    EXPECT_EQ(+job.image.glassDoors.doorHeight, 79); // 2000 mm is 78.74 in
    EXPECT_EQ(+job.image.glassDoors.adjacentTemp, 86);
    EXPECT_TRUE(RunMotorDialog(job.image, nullptr, SI));
    EXPECT_DOUBLE_EQ(+job.image.motors.motorHp, 4.02); // 3 kW is 4.023 hp
    EXPECT_TRUE(RunUserLoadDialog(job.image, nullptr, SI));
    EXPECT_EQ(+job.image.userLoad.userLoad, 17061);
    job.image.unit.designTD = 10;
    job.image.unit.unitCount = 1;
    EquipmentState state;
    EXPECT_TRUE(UnitSelectionDialog(job, state, nullptr, SI));
    EXPECT_EQ(+job.image.unit.designTD, 11); // 6 K is 10.8 F
}

TEST_F(MetricEntry, NewJobAndSpotEntriesTakeSi) {
    {
        ModalScript modal({[](QDialog& d) {
            EXPECT_EQ(FieldText(d, "boxTemp"), QStringLiteral("1.7"));
            SetField(d, "boxTemp", QStringLiteral("-18"));
            return ClickOk(d);
        }});
        EXPECT_EQ(AskBoxTemperature(nullptr, SI), 0); // -18 C is -0.4 F
    }
    SpotEntries entries;
    entries.unit = {1, 10000, 16, 20};
    entries.spotAmbient = 95;
    ModalScript modal({[](QDialog& d) {
                           EXPECT_EQ(FieldText(d, "spotLoad"), QStringLiteral("2931"));
                           EXPECT_EQ(FieldText(d, "spotSuction"), QStringLiteral("-6.7"));
                           SetField(d, "spotSuction", QStringLiteral("-10"));
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           SetField(d, "spotTD", QStringLiteral("5.5"));
                           SetField(d, "spotCoilLoad", QStringLiteral("2000"));
                           return ClickOk(d);
                       }});
    EXPECT_TRUE(RunSpotUnitDialog(entries, nullptr, SI));
    EXPECT_EQ(entries.unit.spotLoad, 10000);
    EXPECT_EQ(entries.unit.spotSuction, 14);
    EXPECT_EQ(entries.spotAmbient, 95);
    EXPECT_TRUE(RunSpotCoilDialog(entries, nullptr, SI));
    EXPECT_EQ(entries.coil.spotTD, 10);         // 5.5 K is 9.9 F
    EXPECT_EQ(entries.coil.spotCoilLoad, 6824); // 2000 W is 6824.2 btuh
}

// Typed SI -> stored imperial -> shown SI again: the stored value is the typed figure's nearest
// on the stored field's step, and the figure shown next differs from the typed one by no more
// than half that step (converted) and the shown rounding (from the typed figure brought into the
// imperial range, for the ends the SI range widens to).
TEST_F(MetricEntry, SiToStoredToSiMovesAFigureByAtMostHalfAStoredStep) {
    struct Case {
        Quantity quantity;
        double low, high; // the imperial range
        int storedDecimals;
        int siDecimals;
    };
    const Case cases[] = {
        {Quantity::Temperature, -50, 60, 0, 1},     {Quantity::TempDifference, 1, 96, 0, 1},
        {Quantity::HeatFlow, 0, 9000000, 0, 0},     {Quantity::Mass, 0, 90000000, 0, 0},
        {Quantity::Thickness, 0, 144, 0, 0},        {Quantity::Length, 0, 400, 2, 2},
        {Quantity::Thickness, 0, 40, 2, 1},         {Quantity::Power, 0, 500, 2, 2},
        {Quantity::LightingDensity, 0.5, 30, 2, 2}, {Quantity::Respiration, 0, 400, 2, 1},
    };
    for (const Case& c : cases) {
        const double step = std::pow(10.0, -c.storedDecimals);
        const double siStep = std::pow(10.0, -c.siDecimals);
        const SiRange range = ToSiRange(c.quantity, c.low, c.high, c.siDecimals);
        for (int i = 0; i <= 200; ++i) {
            const double typed =
                std::round((range.low + (range.high - range.low) * i / 200.0) / siStep) * siStep;
            NumberField field(QStringLiteral("[#]"), c.low, c.high, c.storedDecimals);
            field.setValue(c.low);
            field.showIn(SI, c.quantity, c.siDecimals);
            field.setText(QString::number(typed, 'f', c.siDecimals));
            ASSERT_TRUE(field.inRange()) << typed;
            const double stored = field.storedValue();
            const double exact = std::clamp(FromSi(c.quantity, typed), c.low, c.high);
            EXPECT_LE(std::abs(stored - exact), step / 2 + 1e-9)
                << UnitSymbol(c.quantity, SI) << " " << typed;
            NumberField again(QStringLiteral("[#]"), c.low, c.high, c.storedDecimals);
            again.setValue(stored);
            again.showIn(SI, c.quantity, c.siDecimals);
            const double halfStep = std::abs(ToSi(c.quantity, step) - ToSi(c.quantity, 0)) / 2;
            // At the widened ends the typed figure is first brought into the imperial range.
            EXPECT_LE(std::abs(again.value() - ToSi(c.quantity, exact)),
                      halfStep + siStep / 2 + 1e-9)
                << UnitSymbol(c.quantity, SI) << " " << typed;
        }
    }
}

// A stored length, thickness or weight shown in SI, and that figure typed into a field of the same
// kind, gives the stored value back: every 0.01 ft of a length, every 0.01 in of an insulation,
// every whole inch of a door and every whole pound.
TEST_F(MetricEntry, EveryStoredLengthThicknessAndWeightComesBackFromItsSiFigure) {
    struct Case {
        Quantity quantity;
        const char* picture;
        double low, high; // the field's imperial range
        int storedDecimals;
        double sweepTo; // the stored values tried: low to here, one stored step apart
    };
    const Case cases[] = {
        {Quantity::Length, "[#][#][#][.][#][#]", 0, 400, 2, 400},            // box dimensions
        {Quantity::Thickness, "[#][#][#][.][#][#]", 0, 999.99, 2, 40},       // insulation
        {Quantity::Thickness, "[#][#][#]", 0, 144, 0, 144},                  // glass doors
        {Quantity::Mass, "[#][#][#][#][#][#][#][#]", 0, 90000000, 0, 20000}, // product weights
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(UnitSymbol(c.quantity, SI));
        const QString picture = QLatin1String(c.picture);
        // The field that shows each stored value (as showIn fills it: the value converted, at the
        // field's SI decimals), and the field the figures are typed into; both opened on the top of
        // the range.
        NumberField shown(picture, c.low, c.high, c.storedDecimals);
        NumberField typed(picture, c.low, c.high, c.storedDecimals);
        for (NumberField* field : {&shown, &typed}) {
            field->setValue(c.high);
            field->showIn(SI, c.quantity);
        }
        const double scale = std::pow(10.0, c.storedDecimals);
        const long count = std::lround((c.sweepTo - c.low) * scale);
        int wrong = 0;
        for (long i = 0; i <= count; ++i) {
            const double stored = (std::round(c.low * scale) + static_cast<double>(i)) / scale;
            shown.setValue(ToSi(c.quantity, stored));
            typed.setText(shown.text());
            if (typed.storedValue() != stored && ++wrong <= 3)
                ADD_FAILURE() << stored << " is shown as " << shown.text().toStdString()
                              << ", which stores " << typed.storedValue();
        }
        EXPECT_EQ(wrong, 0) << "of " << count + 1;
    }
}

// The box dimensions in Job Information: a length shown in metres and typed into the width
// stores the same feet.
TEST_F(MetricEntry, JobInformationLengthTypedBackAsShownStoresTheSameFeet) {
    int wrong = 0;
    for (int hundredths = 1000; hundredths <= 1100; ++hundredths) {
        Job job = AwkwardJob();
        job.image.header.length = hundredths / 100.0;
        QString shown;
        ModalScript modal({[&shown](QDialog& d) {
            shown = FieldText(d, "length");
            SetField(d, "width", shown);
            return ClickOk(d);
        }});
        RunJobInformation(job, nullptr, SI);
        if (+job.image.header.width != hundredths / 100.0 && ++wrong <= 3)
            ADD_FAILURE() << hundredths / 100.0 << " ft is shown as " << shown.toStdString()
                          << " m, which stores " << +job.image.header.width << " ft";
    }
    EXPECT_EQ(wrong, 0);
}
