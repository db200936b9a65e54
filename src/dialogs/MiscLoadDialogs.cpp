#include "dialogs/MiscLoadDialogs.h"

#include "calc/InputEdits.h"
#include "dialogs/CalcEdit.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"
#include "dialogs/Text1252.h"
#include "dialogs/UnitLabel.h"
#include "job/FixedText.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

const QString Three = QStringLiteral("[#][#][#]");
constexpr int EditCharacters = 19;

} // namespace

TGlassDialog::TGlassDialog(const TGlassDoors& doors, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TGlassDialog"), QStringLiteral("Glass Display Doors"), parent,
                   units),
      opened_(doors) {
    count_ = addInt(QStringLiteral("Glass Doors - &Quantity"), "doorCount", Three, 0, 30,
                    doors.doorCount);
    adjacent_ = addInt({"Adjacent &Temperature / f", "Adjacent &Temperature / \u00B0C"},
                       Quantity::Temperature, "adjacentTemp", Three, -20, 145, doors.adjacentTemp);
    height_ = addInt({"Door &Height / in", "Door &Height / mm"}, Quantity::Thickness, "doorHeight",
                     Three, 0, 144, doors.doorHeight);
    width_ = addInt({"Door &Width / in", "Door &Width / mm"}, Quantity::Thickness, "doorWidth",
                    Three, 0, 144, doors.doorWidth);
    for (IntField* field : {count_, adjacent_, height_, width_})
        field->setMaxLength(EditCharacters);
    usage_ =
        RadioGroup(QStringLiteral("&Usage"),
                   {QStringLiteral("&Light"), QStringLiteral("&Normal"), QStringLiteral("Hea&vy")},
                   {QStringLiteral("light"), QStringLiteral("normal"), QStringLiteral("heavy")},
                   {doors.lightFlag, doors.normalFlag, doors.heavyFlag}, this);
    addWidget(usage_);
    finish(false);
}

TGlassDoors TGlassDialog::doors() const {
    TGlassDoors d = opened_;
    d.doorCount = count_->intValue();
    d.adjacentTemp = adjacent_->intValue();
    d.doorHeight = height_->intValue();
    d.doorWidth = width_->intValue();
    const std::vector<uint16_t> flags = RadioFlags(usage_);
    d.lightFlag = flags.at(0);
    d.normalFlag = flags.at(1);
    d.heavyFlag = flags.at(2);
    return d;
}

TUserDialog::TUserDialog(const TUserLoad& load, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TUserDialog"), QStringLiteral("User Load"), parent, units),
      opened_(load) {
    description_ = new QLineEdit(From1252(GetText(load.userDescription)), this);
    description_->setObjectName(QStringLiteral("userDescription"));
    description_->setMaxLength(20);
    description_->setMinimumWidth(description_->fontMetrics().horizontalAdvance(QLatin1Char('M')) *
                                  16);
    addRow(QStringLiteral("Enter Load &Description"), description_);
    load_ = new CalcEdit(QStringLiteral("[#][#][#][#][#][#][#][#]"), 0, 90000000, this);
    load_->field()->setObjectName(QStringLiteral("userLoad"));
    load_->field()->setValue(load.userLoad);
    load_->field()->showIn(units, Quantity::HeatFlow);
    addRow(QStringLiteral("&Load"), load_);
    addChecked(load_->field());
    addNote(LabelIn(units, {"Enter Load in btuh", "Enter Load in W"}));
    finish(false);
    description_->setFocus();
}

TUserLoad TUserDialog::load() const {
    // The stored bytes stay as they are unless the description was edited.
    TUserLoad l = opened_;
    const std::string text = To1252(description_->text());
    if (text != GetText(opened_.userDescription))
        SetText(l.userDescription, text);
    l.userLoad = load_->field()->intValue();
    return l;
}

TLatentDialog::TLatentDialog(const TLatentRange& range, QWidget* parent, UnitSystem units)
    : FieldsDialog(QStringLiteral("TLatentDialog"), QStringLiteral("Latent Heat - Exclusion"),
                   parent, units) {
    const bool metric = units == UnitSystem::Metric;
    choices_ = RadioGroup(
        QStringLiteral("ON BOXES BELOW FREEZING check one of below:"),
        {QStringLiteral("Do Not Exclude Latent Load"),
         metric ? QStringLiteral("Exclude Latent Load if Box temperature is within \n5.6 K of "
                                 "Product Entering Temperature")
                : QStringLiteral("Exclude Latent Load if Box temperature is within \n10  f/deg of "
                                 "Product Entering Temperature"),
         metric ? QStringLiteral("Exclude Latent Load if Box temperature is within\n8.3 K of "
                                 "Product Entering Temperature")
                : QStringLiteral("Exclude Latent Load if Box temperature is within\n15 f/deg of "
                                 "Product Entering Temperature")},
        {QStringLiteral("doNotExclude"), QStringLiteral("within10"), QStringLiteral("within15")},
        {range.doNotExclude, range.excludeWithin10, range.excludeWithin15}, this);
    addWidget(choices_);
    setDialogHelpContext(QStringLiteral("1066"));
    finish(true);
}

TLatentRange TLatentDialog::range() const {
    const std::vector<uint16_t> flags = RadioFlags(choices_);
    TLatentRange r{};
    r.doNotExclude = static_cast<int16_t>(flags.at(0));
    r.excludeWithin10 = static_cast<int16_t>(flags.at(1));
    r.excludeWithin15 = static_cast<int16_t>(flags.at(2));
    return r;
}

bool RunGlassDoorDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TGlassDialog dialog(image.glassDoors, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreGlassDoorEntry(image, dialog.doors());
}

bool RunUserLoadDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TUserDialog dialog(image.userLoad, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreUserLoad(image, dialog.load());
}

bool RunLatentDialog(JobImage& image, QWidget* parent, UnitSystem units) {
    TLatentDialog dialog(image.latent, parent, units);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    StoreLatentRange(image, dialog.range());
    return true;
}
