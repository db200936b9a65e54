#pragma once

#include "cellix32_export.h"

#include <array>
#include <chrono>
#include <compare>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The field that Set, Inc and Dec work on.
enum class DateElement : int { Day = 0, Month = 1, Year = 2 };
// A date relative to today, for the constructor.
enum class DateConstant : int { Yesterday = 0, Today = 1, Tomorrow = 2 };

// A calendar date of the proleptic Gregorian calendar, with its day number (days since
// 1 January of year 1, which would be day 0 and is never produced). The null date has every
// field 0. Years run from 1 to 32767; arithmetic that leaves that range gives the null date.
//
// Pictures: d day (d, dd numbers; ddd, dddd weekday names), m month (m, mm numbers; mmm, mmmm
// names), y year (yy two digits, yyyy four), q quarter, s day suffix, w week of the year.
// Upper-case letters change the case of names; quotes and backslashes mark literal text.
class CELLIX32_API IntlDate {
public:
    static constexpr std::array<int, 13> DaysBeforeMonth{0,   31,  59,  90,  120, 151, 181,
                                                         212, 243, 273, 304, 334, 365};
    static constexpr int maxYear = 32767;

    IntlDate() = default;
    explicit IntlDate(DateConstant which);
    IntlDate(int day, int month, int year) { Set(day, month, year); }
    explicit IntlDate(long dayNumber) { *this = dayNumber; }
    // Reads the text as InterpretString does; an empty picture means the system's short date.
    explicit IntlDate(std::string_view text, std::string_view picture = {}, int32_t language = 0) {
        InterpretString(text, picture, language);
    }
    explicit IntlDate(const std::chrono::year_month_day& date) { *this = date; }

    int Day() const { return day; }
    int Month() const { return month; }
    int Year() const { return year; }
    long DayNumber() const { return dayNumber; }

    // A year of 0 means the current year; 1 to 99 get the default century added. An
    // impossible date gives the null date.
    IntlDate& Set(int day, int month, int year);
    // Sets one field when the value suits it (a day valid for the month, a month 1 to 12, any
    // year), then lowers the day to the month's length.
    IntlDate& Set(int value, DateElement element);
    // Steps by days, months or years; a negative n steps the other way. A month step keeps
    // the day when the new month has it, else takes the month's last day. A null or invalid
    // date is left as it is.
    IntlDate& Inc(DateElement element, long n);
    IntlDate& Dec(DateElement element, long n);
    IntlDate& Today();
    IntlDate& Tomorrow();
    IntlDate& Yesterday();
    IntlDate& Zero();

    // Day number from day, month and year; an invalid date, and 1 January of year 1, become
    // the null date.
    void CalcDayNumber();
    // Day, month and year from the day number; a number outside the years 1 to 32767 gives
    // the null date.
    void CalcDMY();

    int DaysInMonth() const { return DaysInMonth(month, year); }
    static int DaysInMonth(int month, int year);
    int DoW() const; // 0 Monday to 6 Sunday
    int DoY() const; // 1 to 366; 0 for an invalid date
    // Week of the year for weeks starting on firstWeekDay (0 Monday to 6 Sunday): the first such
    // day of the year starts week 1; days before it belong to the last week of the year before,
    // counted in Monday weeks (WoY(0) of 31 December) whatever firstWeekDay is.
    // 0 for an invalid date or weekday.
    int WoY(int firstWeekDay) const;
    static bool IsLeap(int year);
    bool IsNull() const { return day == 0 && month == 0 && year == 0 && dayNumber == 0; }
    bool IsValid() const;
    static bool IsValidMonth(int m) { return m >= 1 && m <= 12; }
    bool IsValidMonthDay(int d) const { return d >= 1 && d <= DaysInMonth(); }
    static bool IsValidWeekDay(int w) { return w >= 0 && w <= 6; }
    uint16_t DosDate() const;

    // The date written under the picture (the system's short date picture when empty); an
    // invalid date gives the empty text.
    std::string String(std::string_view picture = {}, int32_t language = 0) const;
    // Reads a date typed under the picture (the system's short date picture when empty).
    // Unreadable text gives the null date or an invalid date.
    IntlDate& InterpretString(std::string_view text, std::string_view picture = {},
                              int32_t language = 0);

    static const std::string& GetPicture() { return Picture; }
    static void SetPicture(std::string_view picture) { Picture = picture; }
    static int DefaultCentury() { return defaultCentury; }
    // The century added to two-digit years, as a century number (19 gives 1900); held to 0..326.
    static void SetDefCentury(int century);

    IntlDate& operator=(long dayNumber);
    IntlDate& operator=(const std::chrono::year_month_day& date);
    explicit operator long() const { return dayNumber; }
    explicit operator std::chrono::year_month_day() const;

    IntlDate& operator+=(long days) { return Inc(DateElement::Day, days); }
    IntlDate& operator-=(long days) { return Dec(DateElement::Day, days); }
    IntlDate& operator++() { return Inc(DateElement::Day, 1); }
    IntlDate& operator--() { return Dec(DateElement::Day, 1); }
    IntlDate operator++(int) {
        IntlDate before = *this;
        Inc(DateElement::Day, 1);
        return before;
    }
    IntlDate operator--(int) {
        IntlDate before = *this;
        Dec(DateElement::Day, 1);
        return before;
    }
    IntlDate operator+(long days) const { return IntlDate(*this) += days; }
    IntlDate operator-(long days) const { return IntlDate(*this) -= days; }
    long operator-(const IntlDate& other) const {
        return static_cast<long>(dayNumber) - other.dayNumber;
    }

    bool operator==(const IntlDate& other) const { return dayNumber == other.dayNumber; }
    bool operator==(long n) const { return dayNumber == n; }
    std::strong_ordering operator<=>(const IntlDate& other) const {
        return dayNumber <=> other.dayNumber;
    }
    std::strong_ordering operator<=>(long n) const { return dayNumber <=> n; }

    // Written with no picture, that is under the system's short date picture.
    friend std::ostream& operator<<(std::ostream& out, const IntlDate& date) {
        return out << date.String();
    }
    // Reads one word under the system's short date picture.
    friend std::istream& operator>>(std::istream& in, IntlDate& date) {
        std::string word;
        if (in >> word)
            date.InterpretString(word);
        return in;
    }

private:
    // Stores the fields as they are, with day number 0.
    void StoreFields(int day, int month, int year);
    void LowerDayToMonthEnd();

    static int16_t defaultCentury;
    static std::string Picture;

    int8_t day = 0;
    int8_t month = 0;
    int16_t year = 0;
    int32_t dayNumber = 0;
};

static_assert(sizeof(IntlDate) == 8, "IntlDate keeps its 8-byte layout");
