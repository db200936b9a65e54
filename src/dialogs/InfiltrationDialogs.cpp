#include "dialogs/InfiltrationDialogs.h"

#include "calc/InputEdits.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"

#include <QGroupBox>
#include <QLabel>

namespace {

const QString SignedThree = QStringLiteral("[-][#][#][#]");
const QString Three = QStringLiteral("[#][#][#]");
const QString Real = QStringLiteral("[#][#][#][.][#][#]");
constexpr int EditCharacters = 19;
const UnitLabel TemperatureLabel = {"Infiltrating &Temperature/f",
                                    "Infiltrating &Temperature/\u00B0C"};

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

TAirChangeDialog::TAirChangeDialog(const TAirChangeEntry& entry, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TAirChangeDialog"), QStringLiteral("Infiltration Air Change"),
                   parent, units) {
    addWidget(Heading(QStringLiteral("Average Air Change Method"), this));
    temp_ = addInt(TemperatureLabel, Quantity::Temperature, "infiltratingTemp", SignedThree, -50,
                   150, entry.infiltratingTemp);
    relHum_ = addInt(QStringLiteral("Infiltrating Relative &Humidity"), "infiltratingRelHum", Three,
                     0, 99, entry.infiltratingRelHum);
    temp_->setMaxLength(EditCharacters);
    relHum_->setMaxLength(EditCharacters);
    usage_ =
        RadioGroup(QStringLiteral("&Usage"),
                   {QStringLiteral("&Light"), QStringLiteral("&Normal"), QStringLiteral("Hea&vy")},
                   {QStringLiteral("light"), QStringLiteral("normal"), QStringLiteral("heavy")},
                   {entry.lightFlag, entry.normalFlag, entry.heavyFlag}, this);
    addWidget(usage_);
    finish(false);
}

TAirChangeEntry TAirChangeDialog::entry() const {
    TAirChangeEntry e{};
    e.infiltratingTemp = temp_->intValue();
    e.infiltratingRelHum = relHum_->intValue();
    const std::vector<uint16_t> flags = RadioFlags(usage_);
    e.lightFlag = flags.at(0);
    e.normalFlag = flags.at(1);
    e.heavyFlag = flags.at(2);
    return e;
}

TAirVelocityDialog::TAirVelocityDialog(const TAirVelocityEntry& entry, QWidget* parent,
                                       UnitSystem units)
    : FieldsDialog(QStringLiteral("TAirVelocityDialog"),
                   QStringLiteral("Infiltration Air Velocity"), parent, units) {
    addWidget(Heading(QStringLiteral("Air  Velocity  Method"), this));
    temp_ = addInt(TemperatureLabel, Quantity::Temperature, "infiltratingTemp", SignedThree, -50,
                   150, entry.infiltratingTemp);
    relHum_ = addInt(QStringLiteral("Infiltrating Relative &Humidity"), "infiltratingRelHum", Three,
                     0, 99, entry.infiltratingRelHum);
    efficiency_ = addInt(QStringLiteral("Efficiency of Protective Device"), "deviceEfficiency",
                         Three, 0, 99, entry.deviceEfficiency);
    height_ = addReal({"Door Opening H&eight/ft", "Door Opening H&eight/m"}, Quantity::Length,
                      "doorHeight", Real, 0, 40.0, entry.doorHeight);
    count_ = addInt(QStringLiteral("Number of Doors"), "doorCount", Three, 0, 100, entry.doorCount);
    width_ = addReal({"Door Opening Width/ft", "Door Opening Width/m"}, Quantity::Length,
                     "doorWidth", Real, 0, 160.0, entry.doorWidth);
    minutes_ = addInt(QStringLiteral("Door Open per Day - Minutes"), "openMinutes",
                      QStringLiteral("[#][#][#][#]"), 0, 1900, entry.openMinutes);
    for (NumberField* field : std::initializer_list<NumberField*>{
             temp_, relHum_, efficiency_, height_, count_, width_, minutes_})
        field->setMaxLength(EditCharacters);
    finish(false);
}

TAirVelocityEntry TAirVelocityDialog::entry() const {
    TAirVelocityEntry e{};
    e.infiltratingTemp = temp_->intValue();
    e.infiltratingRelHum = relHum_->intValue();
    e.deviceEfficiency = efficiency_->intValue();
    e.doorHeight = realOf(height_);
    e.doorCount = count_->intValue();
    e.doorWidth = realOf(width_);
    e.openMinutes = minutes_->intValue();
    return e;
}

bool RunAirChangeDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TAirChangeDialog dialog(image.airChangeEntry, parent, units);
    bool changed = false;
    if (RunModal(dialog) == QDialog::Accepted)
        changed = StoreAirChangeEntry(image, dialog.entry());
    UseAirChangeMethod(image);
    return changed;
}

bool RunAirVelocityDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TAirVelocityDialog dialog(image.airVelocityEntry, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreAirVelocityEntry(image, dialog.entry());
}
