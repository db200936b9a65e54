#include "DialogTestSupport.h"

#include "dialogs/JobInfoDialog.h"
#include "dialogs/KitDialog.h"
#include "job/FixedText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

Job ExistingJob() {
    Job job;
    TJobHeader& h = job.image.header;
    SetText(h.jobName, "Walk In");
    SetText(h.customer, "Harbor");
    SetText(h.jobDate, "05/06/2024");
    h.boxTemp = 35;
    h.length = 10.0;
    h.width = 8.0;
    h.height = 8.0;
    h.designAmbient = 90;
    h.runHours = 16;
    h.safetyFactor = 10;
    h.boxRelHum = 90;
    job.image.unit.unitSelected = 1;
    job.run.newJob = false;
    return job;
}

class JobInformation : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    MessageScript messages;
};

} // namespace

TEST_F(JobInformation, ExistingJobRefusesZeroLengthThenTakesAFix) {
    Job job = ExistingJob();
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Job Information"));
        EXPECT_EQ(FieldText(d, "jobName"), QStringLiteral("Walk In"));
        SetField(d, "length", QStringLiteral("0"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        SetField(d, "length", QStringLiteral("12.5"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunJobInformation(job, nullptr));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range 1..400"));
    EXPECT_EQ(+job.image.header.length, 12.5);
    EXPECT_EQ(+job.image.header.volume, 12.5 * 8.0 * 8.0);
    EXPECT_EQ(+job.image.unit.unitSelected, 1); // neither ambient nor box temperature changed
}

// A new job's field takes a 0 while typing, but OK with a dimension at 0 keeps the dialog open
// with what was typed and names the missing dimension.
TEST_F(JobInformation, NewJobStartsEmptyAndStaysOpenUntilEveryDimensionIsGiven) {
    Job job = ExistingJob();
    job.run.newJob = true;
    ModalScript modal({[&](QDialog& d) {
        EXPECT_EQ(FieldText(d, "jobName"), QString());
        EXPECT_EQ(FieldText(d, "customer"), QString());
        EXPECT_EQ(FieldText(d, "jobDate"), QDate::currentDate().toString("MM/dd/yyyy"));
        SetField(d, "jobName", QStringLiteral("Fresh"));
        SetField(d, "length", QStringLiteral("0"));
        EXPECT_NE(ClickOk(d), QDialog::Accepted);
        EXPECT_EQ(FieldText(d, "jobName"), QStringLiteral("Fresh"));
        EXPECT_EQ(d.focusWidget(), d.findChild<QWidget*>(QStringLiteral("length")));
        SetField(d, "length", QStringLiteral("12"));
        SetField(d, "height", QStringLiteral("0"));
        EXPECT_NE(ClickOk(d), QDialog::Accepted);
        SetField(d, "height", QStringLiteral("7.5"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunJobInformation(job, nullptr));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Length No/So")));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("height")));
    EXPECT_EQ(GetText(job.image.header.customer), "");
    EXPECT_EQ(GetText(job.image.header.jobName), "Fresh");
    EXPECT_EQ(+job.image.header.volume, 12.0 * 8.0 * 7.5);
    EXPECT_EQ(GetText(job.image.header.jobDate),
              QDate::currentDate().toString("MM/dd/yyyy").toStdString());
}

TEST_F(JobInformation, AmbientOnlyChangeReturnsFalseStoresItAndDropsTheUnit) {
    Job job = ExistingJob();
    ModalScript modal({[](QDialog& d) {
        SetField(d, "designAmbient", QStringLiteral("100"));
        return ClickOk(d);
    }});
    EXPECT_FALSE(RunJobInformation(job, nullptr));
    EXPECT_EQ(+job.image.header.designAmbient, 100);
    EXPECT_EQ(+job.image.unit.unitSelected, 0);
}

TEST_F(JobInformation, TypedAmbientBetweenStepsIsTakenAtTheNearestStep) {
    // The unit tables have a column for every 5 F only; 97 would find no unit at all.
    const std::pair<const char*, int32_t> typed[] = {{"97", 95}, {"98", 100}, {"104", 105}};
    for (const auto& [text, stored] : typed) {
        Job job = ExistingJob();
        ModalScript modal({[text = QString::fromLatin1(text)](QDialog& d) {
            auto* spin = d.findChild<QSpinBox*>(QStringLiteral("designAmbient"));
            auto* edit = spin->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            EXPECT_EQ(edit->text(), text); // typing is not refused on the way
            return ClickOk(d);
        }});
        RunJobInformation(job, nullptr);
        EXPECT_EQ(+job.image.header.designAmbient, stored) << text;
    }
}

TEST_F(JobInformation, AStoredAmbientOffTheStepsIsCorrectedOnOk) {
    Job job = ExistingJob();
    job.image.header.designAmbient = 93; // from a file written elsewhere
    ModalScript modal({[](QDialog& d) { return ClickOk(d); }});
    RunJobInformation(job, nullptr);
    EXPECT_EQ(+job.image.header.designAmbient, 95);
}

TEST_F(JobInformation, CancelKeepsTheHeaderButRecomputesTheVolume) {
    Job job = ExistingJob();
    job.image.header.volume = 0.0;
    ModalScript modal({[](QDialog& d) {
        SetField(d, "jobName", QStringLiteral("Other"));
        SetField(d, "boxTemp", QStringLiteral("-10"));
        return ClickCancel(d);
    }});
    EXPECT_FALSE(RunJobInformation(job, nullptr));
    EXPECT_EQ(GetText(job.image.header.jobName), "Walk In");
    EXPECT_EQ(+job.image.header.boxTemp, 35);
    EXPECT_EQ(+job.image.header.volume, 640.0);
    EXPECT_EQ(+job.image.unit.unitSelected, 1);
}

TEST_F(JobInformation, BoxTemperatureChangeDropsTheUnitAndCounts) {
    Job job = ExistingJob();
    ModalScript modal({[](QDialog& d) {
        SetField(d, "boxTemp", QStringLiteral("61"));
        EXPECT_EQ(ClickOk(d), QDialog::Rejected);
        SetField(d, "boxTemp", QStringLiteral("-5"));
        return ClickOk(d);
    }});
    EXPECT_TRUE(RunJobInformation(job, nullptr));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range -50..60"));
    EXPECT_EQ(+job.image.header.boxTemp, -5);
    EXPECT_EQ(+job.image.unit.unitSelected, 0);
}

TEST_F(JobInformation, ADateNotOnTheCalendarIsRefusedWithAMessage) {
    Job job = ExistingJob();
    ModalScript modal({[](QDialog& d) {
        SetField(d, "jobDate", QStringLiteral("02/30/2027"));
        EXPECT_NE(ClickOk(d), QDialog::Accepted);
        EXPECT_EQ(d.focusWidget(), d.findChild<QWidget*>(QStringLiteral("jobDate")));
        SetField(d, "jobDate", QStringLiteral("02/28/2027"));
        return ClickOk(d);
    }});
    EXPECT_FALSE(RunJobInformation(job, nullptr)); // the date is not in the transfer record
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(
        messages.shown[0].text.startsWith(QStringLiteral("02/30/2027 is not a calendar date")));
    EXPECT_EQ(GetText(job.image.header.jobDate), "02/28/2027");
}

TEST_F(JobInformation, UnreadableDateShowsBlankAndKeepsTheStoredText) {
    Job job = ExistingJob();
    SetText(job.image.header.jobDate, "garbage");
    ModalScript modal({[](QDialog& d) {
        EXPECT_EQ(FieldText(d, "jobDate").remove(u'/').trimmed(), QString());
        return ClickOk(d);
    }});
    EXPECT_FALSE(RunJobInformation(job, nullptr));
    EXPECT_EQ(GetText(job.image.header.jobDate), "garbage");
}

TEST_F(JobInformation, F1AndHelpButtonOpenTheirContexts) {
    Job job = ExistingJob();
    std::vector<QString> contexts;
    const HelpHandler previous =
        SetHelpHandler([&contexts](const QString& context) { contexts.push_back(context); });
    ModalScript modal({[](QDialog& d) {
        for (const char* name : {"jobName", "length", "boxRelHum"}) {
            auto* field = d.findChild<QWidget*>(QLatin1String(name));
            field->setFocus();
            auto* kit = static_cast<KitDialog*>(&d);
            EXPECT_EQ(kit->helpContextFor(field),
                      QString::number(std::string_view(name) == "jobName"  ? 1088
                                      : std::string_view(name) == "length" ? 1090
                                                                           : 1096));
        }
        d.findChild<QWidget*>(QStringLiteral("runHours"))->setFocus();
        QTest::keyClick(d.findChild<QWidget*>(QStringLiteral("runHours")), Qt::Key_F1);
        d.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
        return ClickCancel(d);
    }});
    RunJobInformation(job, nullptr);
    SetHelpHandler(previous);
    EXPECT_EQ(contexts, (std::vector<QString>{QStringLiteral("1094"), QStringLiteral("1099")}));
}
