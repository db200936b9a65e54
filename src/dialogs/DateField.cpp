#include "dialogs/DateField.h"

#include <QAction>
#include <QCalendarWidget>
#include <QStyle>

namespace {

const QString DateFormat = QStringLiteral("MM/dd/yyyy");

} // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent), calendar_(new QCalendarWidget(this)) {
    // Two digits for the month and the day, four for the year, each optional so the field may
    // be emptied; the slashes stand where they are.
    setInputMask(QStringLiteral("00/00/0000"));
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 48);
    QAction* drop = addAction(style()->standardIcon(QStyle::SP_ArrowDown), TrailingPosition);
    drop->setObjectName(QStringLiteral("calendarButton"));
    drop->setToolTip(QStringLiteral("Calendar"));
    connect(drop, &QAction::triggered, this, [this] { showCalendar(); });
    // A date typed with one-digit parts shows in full once the field is left.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (const std::optional<QDate> shown = date())
            setDate(shown);
    });

    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setMinimumDate(FirstDate());
    calendar_->setGridVisible(true);
    // A click on a day, or Enter on the day chosen with the keys, fills the field.
    const auto choose = [this](QDate chosen) {
        setDate(chosen);
        calendar_->hide();
        setFocus();
    };
    connect(calendar_, &QCalendarWidget::clicked, this, choose);
    connect(calendar_, &QCalendarWidget::activated, this, choose);
}

QDate DateField::FirstDate() {
    return QDate(1752, 9, 14);
}

std::optional<QDate> DateField::date() const {
    // text() leaves out the blanks of the mask: "3 /4 /2027" reads "3/4/2027".
    const QDate shown = QDate::fromString(text(), QStringLiteral("M/d/yyyy"));
    if (!shown.isValid() || shown < FirstDate())
        return std::nullopt;
    return shown;
}

void DateField::setDate(std::optional<QDate> date) {
    if (date && date->isValid() && *date >= FirstDate())
        setText(date->toString(DateFormat));
    else
        clear();
}

bool DateField::isBlank() const {
    for (const QChar c : text())
        if (c.isDigit())
            return false;
    return true;
}

void DateField::showCalendar() {
    calendar_->setSelectedDate(date().value_or(QDate::currentDate()));
    calendar_->adjustSize();
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

std::optional<QDate> DateField::Parse(const std::string& text) {
    const QDate parsed = QDate::fromString(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), DateFormat);
    if (!parsed.isValid() || parsed < FirstDate())
        return std::nullopt;
    return parsed;
}

std::string DateField::Format(const QDate& date) {
    return date.toString(DateFormat).toStdString();
}
