#include "dialogs/NumberField.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/PictureValidator.h"

#include <cmath>

namespace {

QString RangeEnd(double value) {
    return QString::number(value, 'g', 12);
}

} // namespace

NumberField::NumberField(const QString& picture, double minimum, double maximum, int decimals,
                         QWidget* parent)
    : QLineEdit(parent), minimum_(minimum), maximum_(maximum), decimals_(decimals) {
    setValidator(new PictureValidator(picture, this));
    setAlignment(Qt::AlignRight);
    // Room for every character the picture allows, and a little more.
    const int characters = static_cast<int>(picture.count(u'[')) + 2;
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 12);
    setMaximumWidth(minimumWidth() + 40);
}

void NumberField::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

double NumberField::value() const {
    bool ok = false;
    const double parsed = text().toDouble(&ok);
    return ok && std::isfinite(parsed) ? parsed : 0.0;
}

void NumberField::setValue(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    setText(QString::number(value, 'f', decimals_));
}

double RealField::valueReplacing(double opened) const {
    QString openedText;
    openedText.setNum(std::isfinite(opened) ? opened : 0.0, 'f', decimals());
    if (text() == openedText)
        return opened;
    const double scale = std::pow(10.0, decimals());
    return std::round(value() * scale) / scale;
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
