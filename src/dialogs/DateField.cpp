#include "dialogs/DateField.h"

namespace {

// One day before the first date stands for "no date" and shows blank.
QDate BlankDate() {
    return DateField::FirstDate().addDays(-1);
}

} // namespace

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    setMinimumDate(BlankDate());
    setSpecialValueText(QStringLiteral(" "));
    QDateEdit::setDate(BlankDate());
}

QDate DateField::FirstDate() {
    return QDate(1752, 9, 14);
}

std::optional<QDate> DateField::date() const {
    const QDate shown = QDateEdit::date();
    if (!shown.isValid() || shown < FirstDate())
        return std::nullopt;
    return shown;
}

void DateField::setDate(std::optional<QDate> date) {
    QDateEdit::setDate(date && date->isValid() && *date >= FirstDate() ? *date : BlankDate());
}

void DateField::clear() {
    QDateEdit::setDate(BlankDate());
}

std::optional<QDate> DateField::Parse(const std::string& text) {
    const QDate parsed =
        QDate::fromString(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                          QStringLiteral("MM/dd/yyyy"));
    if (!parsed.isValid() || parsed < FirstDate())
        return std::nullopt;
    return parsed;
}

std::string DateField::Format(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yyyy")).toStdString();
}
