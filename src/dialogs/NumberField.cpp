#include "dialogs/NumberField.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/PictureValidator.h"

#include <algorithm>
#include <cmath>

namespace {

QString RangeEnd(double value) {
    return QString::number(value, 'g', 12);
}

int CharactersOf(const QString& picture) {
    return static_cast<int>(picture.count(u'['));
}

// The picture of an SI field: a sign when the range goes below zero, the whole digits of the
// widest end, then the decimals.
QString SiPicture(double minimum, double maximum, int decimals) {
    QString picture = minimum < 0 ? QStringLiteral("[-]") : QString();
    const double widest = std::max(std::fabs(minimum), std::fabs(maximum));
    int digits = 1;
    for (double limit = 10; widest >= limit && digits < 15; limit *= 10)
        ++digits;
    for (int i = 0; i < digits; ++i)
        picture += QStringLiteral("[#]");
    if (decimals > 0) {
        picture += QStringLiteral("[.]");
        for (int i = 0; i < decimals; ++i)
            picture += QStringLiteral("[#]");
    }
    return picture;
}

} // namespace

NumberField::NumberField(const QString& picture, double minimum, double maximum, int decimals,
                         QWidget* parent)
    : QLineEdit(parent), minimum_(minimum), maximum_(maximum), decimals_(decimals) {
    setAlignment(Qt::AlignRight);
    usePicture(picture);
}

void NumberField::usePicture(const QString& picture) {
    delete validator();
    setValidator(new PictureValidator(picture, this));
    // Room for every character the picture allows, and a little more.
    const int characters = CharactersOf(picture) + 2;
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 12);
    setMaximumWidth(minimumWidth() + 40);
}

int SiEntryDecimals(Quantity quantity, int storedDecimals) {
    if (quantity != Quantity::Length && quantity != Quantity::Thickness &&
        quantity != Quantity::Mass)
        return SiDecimals(quantity);
    // Rounding the shown figure moves it by half an SI step; back in imperial units that must
    // stay under half a stored step, so the SI step must be below one stored step.
    const double storedStepInSi = SiFactor(quantity) * std::pow(10.0, -storedDecimals);
    int decimals = 0;
    while (std::pow(10.0, -decimals) >= storedStepInSi && decimals < 9)
        ++decimals;
    return decimals;
}

void NumberField::showIn(UnitSystem units, Quantity quantity, int siDecimals) {
    if (units != UnitSystem::Metric || metric_)
        return;
    const int decimals = siDecimals < 0 ? SiEntryDecimals(quantity, decimals_) : siDecimals;
    metric_ = true;
    quantity_ = quantity;
    imperialMinimum_ = minimum_;
    imperialMaximum_ = maximum_;
    storedDecimals_ = decimals_;
    openedValue_ = text() == QString::number(filled_, 'f', decimals_) ? filled_ : value();
    const SiRange range = ToSiRange(quantity, minimum_, maximum_, decimals);
    minimum_ = range.low;
    maximum_ = range.high;
    decimals_ = decimals;
    usePicture(SiPicture(minimum_, maximum_, decimals));
    setValue(ToSi(quantity, openedValue_));
    openedText_ = text();
}

double NumberField::storedValue() const {
    const double scale = std::pow(10.0, metric_ ? storedDecimals_ : decimals_);
    if (!metric_)
        return std::round(value() * scale) / scale;
    if (text() == openedText_)
        return openedValue_;
    const double imperial = std::round(FromSi(quantity_, value()) * scale) / scale;
    return std::isfinite(imperial) ? std::clamp(imperial, imperialMinimum_, imperialMaximum_) : 0.0;
}

void NumberField::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void NumberField::setRangeAndDecimals(double minimum, double maximum, int decimals) {
    setRange(minimum, maximum);
    decimals_ = decimals;
    usePicture(SiPicture(minimum, maximum, decimals));
}

double NumberField::value() const {
    bool ok = false;
    const double parsed = text().toDouble(&ok);
    return ok && std::isfinite(parsed) ? parsed : 0.0;
}

void NumberField::setValue(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    filled_ = value;
    setText(QString::number(value, 'f', decimals_));
}

double RealField::valueReplacing(double opened) const {
    const double shown = std::isfinite(opened) ? opened : 0.0;
    QString openedText;
    openedText.setNum(metric() ? ToSi(quantity(), shown) : shown, 'f', decimals());
    if (text() == openedText)
        return opened;
    return storedValue();
}

bool NumberField::inRange() const {
    const double v = value();
    return v >= minimum_ && v <= maximum_;
}

QString NumberField::rangeMessage() const {
    return QStringLiteral("Value not in range ") + RangeEnd(minimum_) + QStringLiteral("..") +
           RangeEnd(maximum_);
}

int32_t IntField::intValue() const {
    if (metric())
        return static_cast<int32_t>(storedValue());
    return static_cast<int32_t>(std::trunc(value()));
}

bool CheckFieldRanges(QWidget* dialog, std::initializer_list<NumberField*> fields) {
    for (NumberField* field : fields) {
        if (field->inRange())
            continue;
        ShowMessage(dialog, {ApplicationTitle(), field->rangeMessage(), MessageIcon::Exclamation,
                             MessageButtons::Ok});
        field->setFocus();
        field->selectAll();
        return false;
    }
    return true;
}
