#include "dialogs/JobInfoDialog.h"

#include "dialogs/DateField.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/SpinField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"
#include "job/FixedText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

QLineEdit* TextField(const std::string& text, int maxLength, const char* name, QWidget* parent) {
    auto* field = new QLineEdit(From1252(text), parent);
    field->setMaxLength(maxLength);
    field->setObjectName(QLatin1String(name));
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    return field;
}

template <typename Field> Field* Named(Field* field, const char* name) {
    field->setObjectName(QLatin1String(name));
    return field;
}

void AddRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* field) {
    auto* text = new QLabel(label);
    text->setBuddy(field);
    grid->addWidget(text, row, column);
    grid->addWidget(field, row, column + 1);
}

} // namespace

KVjobDialog::KVjobDialog(const JobInfoRecord& record, bool newJob, int32_t designAmbient,
                         std::optional<QDate> date, QWidget* parent, UnitSystem units)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("KVjobDialog"));
    setWindowTitle(QStringLiteral("Job Information"));
    const double lowest = LowestDimension(newJob);
    const QString real = QStringLiteral("[#][#][#][.][#][#]");
    const QString whole = QStringLiteral("[#][#][#]");

    jobName_ = TextField(record.jobName, 30, "jobName", this);
    customer_ = TextField(record.customer, 30, "customer", this);
    contact_ = TextField(record.contact, 30, "contact", this);
    boxTemp_ = Named(new IntField(QStringLiteral("[-][#][#][#]"), -50, 60, this), "boxTemp");
    length_ = Named(new RealField(real, lowest, 400, 2, this), "length");
    width_ = Named(new RealField(real, lowest, 400, 2, this), "width");
    height_ = Named(new RealField(real, lowest, 200, 2, this), "height");
    quotation_ = TextField(record.quotation, 30, "quotation", this);
    address_ = TextField(record.address, 30, "address", this);
    telephone_ = TextField(record.telephone, 14, "telephone", this);
    fax_ = TextField(record.fax, 14, "fax", this);
    ambient_ = Named(new SpinField(90, 105, 5, this), "designAmbient");
    runHours_ = Named(new IntField(whole, 1, 96, this), "runHours");
    safetyFactor_ = Named(new IntField(whole, 0, 20, this), "safetyFactor");
    boxRelHum_ = Named(new IntField(whole, 40, 99, this), "boxRelHum");
    date_ = Named(new DateField(this), "jobDate");

    boxTemp_->setValue(record.boxTemp);
    length_->setValue(record.length);
    width_->setValue(record.width);
    height_->setValue(record.height);
    ambient_->setValue(designAmbient);
    runHours_->setValue(record.runHours);
    safetyFactor_->setValue(record.safetyFactor);
    boxRelHum_->setValue(record.boxRelHum);
    date_->setDate(date);
    boxTemp_->showIn(units, Quantity::Temperature);
    for (RealField* dimension : {length_, width_, height_})
        dimension->showIn(units, Quantity::Length);
    ambient_->showIn(units);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 16);
    AddRow(grid, 0, 0, QStringLiteral("&Job Name"), jobName_);
    AddRow(grid, 1, 0, QStringLiteral("&Customer"), customer_);
    AddRow(grid, 2, 0, QStringLiteral("C&ontact"), contact_);
    AddRow(grid, 3, 0, QStringLiteral("&Quotation"), quotation_);
    AddRow(grid, 4, 0, QStringLiteral("&Address"), address_);
    AddRow(grid, 5, 0, QStringLiteral("T&el"), telephone_);
    AddRow(grid, 6, 0, QStringLiteral("&Fax"), fax_);
    AddRow(grid, 7, 0, QStringLiteral("&Date"), date_);
    AddRow(grid, 0, 3, LabelIn(units, {"Box &Temp", "Box &Temp (\u00B0C)"}), boxTemp_);
    AddRow(grid, 1, 3, LabelIn(units, {"Length  &No/So", "Length  &No/So (m)"}), length_);
    AddRow(grid, 2, 3, LabelIn(units, {"Width Ea/&We", "Width Ea/&We (m)"}), width_);
    AddRow(grid, 3, 3, LabelIn(units, {"&Height", "&Height (m)"}), height_);
    AddRow(grid, 4, 3, LabelIn(units, {"Design A&mbient", "Design A&mbient (\u00B0C)"}), ambient_);
    AddRow(grid, 5, 3, QStringLiteral("&Run Hours"), runHours_);
    AddRow(grid, 6, 3, QStringLiteral("&Safety Factor"), safetyFactor_);
    AddRow(grid, 7, 3, QStringLiteral("&Box Rel/Hum"), boxRelHum_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), true));

    const QList<QWidget*> order = {
        jobName_, customer_,  contact_, boxTemp_, length_,   width_,        height_,    quotation_,
        address_, telephone_, fax_,     ambient_, runHours_, safetyFactor_, boxRelHum_, date_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    const QList<QWidget*> contextFields = {jobName_, boxTemp_,  length_,       width_,    height_,
                                           ambient_, runHours_, safetyFactor_, boxRelHum_};
    for (qsizetype i = 0; i < contextFields.size(); ++i)
        SetHelpContext(contextFields[i], QString::number(1088 + i));
    SetHelpContext(date_, QStringLiteral("1098"));
    setDialogHelpContext(QStringLiteral("1099"));
    jobName_->setFocus();
}

JobInfoRecord KVjobDialog::record() const {
    JobInfoRecord r;
    r.jobName = To1252(jobName_->text());
    r.customer = To1252(customer_->text());
    r.contact = To1252(contact_->text());
    r.boxTemp = boxTemp_->intValue();
    r.length = length_->jobValue();
    r.width = width_->jobValue();
    r.height = height_->jobValue();
    r.quotation = To1252(quotation_->text());
    r.address = To1252(address_->text());
    r.telephone = To1252(telephone_->text());
    r.fax = To1252(fax_->text());
    r.runHours = runHours_->intValue();
    r.safetyFactor = safetyFactor_->intValue();
    r.boxRelHum = boxRelHum_->intValue();
    return r;
}

int32_t KVjobDialog::designAmbient() const {
    return ambient_->steppedValue();
}

std::optional<QDate> KVjobDialog::date() const {
    return date_->date();
}

void KVjobDialog::confirm() {
    if (!CheckFieldRanges(
            this, {boxTemp_, length_, width_, height_, runHours_, safetyFactor_, boxRelHum_}))
        return;
    if (!date_->isBlank() && !date_->date()) {
        ShowMessage(this, {ApplicationTitle(),
                           QStringLiteral("%1 is not a calendar date: enter the date as "
                                          "mm/dd/yyyy, or leave it empty.")
                               .arg(date_->displayText()),
                           MessageIcon::Exclamation, MessageButtons::Ok});
        date_->setFocus();
        date_->selectAll();
        return;
    }
    // A new job's dimensions may be left at 0 while typing, but a box without volume is no job:
    // say which one is missing rather than closing and losing what was typed.
    const std::pair<RealField*, const char*> dimensions[] = {
        {length_, "length (Length No/So)"}, {width_, "width (Width Ea/We)"}, {height_, "height"}};
    for (const auto& [field, name] : dimensions) {
        if (field->value() > 0.0)
            continue;
        ShowMessage(this, {ApplicationTitle(),
                           QStringLiteral("The box has no %1: enter it to make the job.")
                               .arg(QLatin1String(name)),
                           MessageIcon::Exclamation, MessageButtons::Ok});
        field->setFocus();
        field->selectAll();
        return;
    }
    accept();
}

bool RunJobInformation(Job& job, QWidget* parent, UnitSystem units) {
    TJobHeader& header = job.image.header;
    const int32_t ambientBefore = header.designAmbient;
    const int32_t boxTempBefore = header.boxTemp;
    const bool newJob = job.run.newJob;
    const JobInfoRecord opened = TakeJobInfoRecord(header, newJob);
    const std::optional<QDate> date = newJob ? std::optional<QDate>(QDate::currentDate())
                                             : DateField::Parse(GetText(header.jobDate));

    KVjobDialog dialog(opened, newJob, ambientBefore, date, parent, units);
    bool changed = false;
    if (RunModal(dialog) == QDialog::Accepted) {
        header.designAmbient = dialog.designAmbient();
        if (const std::optional<QDate> chosen = dialog.date())
            SetText(header.jobDate, DateField::Format(*chosen));
        const JobInfoRecord confirmed = dialog.record();
        StoreJobInfoRecord(header, confirmed);
        changed = confirmed != opened;
    }
    AfterJobInformation(job, ambientBefore, boxTempBefore);
    return changed;
}
