#pragma once
// A date field with a drop-down calendar, shown as "mm/dd/yyyy". It may also be empty (shown
// blank), which is how a job without a usable date appears.

#include <QDate>
#include <QDateEdit>

#include <optional>
#include <string>

class DateField : public QDateEdit {
public:
    explicit DateField(QWidget* parent = nullptr);

    // The first date the field takes (14 September 1752); earlier dates are not calendar dates.
    static QDate FirstDate();

    std::optional<QDate> date() const;
    void setDate(std::optional<QDate> date);
    void clear() override;

    // "mm/dd/yyyy" to a date; nothing when the text is not a calendar date from FirstDate() on.
    static std::optional<QDate> Parse(const std::string& text);
    static std::string Format(const QDate& date);
};
