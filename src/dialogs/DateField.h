#pragma once
// A date field shown as "mm/dd/yyyy", with a button that drops down a calendar. It is a masked
// line edit: what is typed, pasted or deleted, over a selection or not, is exactly what it shows
// and what it reads back. It may also be empty, which is how a job without a usable date appears.

#include <QDate>
#include <QLineEdit>

#include <optional>
#include <string>

class QCalendarWidget;

class DateField : public QLineEdit {
public:
    explicit DateField(QWidget* parent = nullptr);

    // The first date the field takes (14 September 1752); earlier dates are not calendar dates.
    static QDate FirstDate();

    // The date shown; nothing when the field is empty or does not show a calendar date.
    std::optional<QDate> date() const;
    void setDate(std::optional<QDate> date);
    // True when the field shows no digit at all.
    bool isBlank() const;

    // Drops down the calendar under the field, on the date shown (today when there is none).
    void showCalendar();
    QCalendarWidget* calendar() const { return calendar_; }

    // "mm/dd/yyyy" to a date; nothing when the text is not a calendar date from FirstDate() on.
    static std::optional<QDate> Parse(const std::string& text);
    static std::string Format(const QDate& date);

private:
    QCalendarWidget* calendar_;
};
