#include "intldate.h"

#include "date_picture.h"
#include "language.h"
#include "local_clock.h"

#include <cstdint>
#include <limits>

namespace {

// Whole-day and month steps beyond these leave the years 1 to 32767 whatever the start.
constexpr long maxStep = 1L << 40;

constexpr int64_t DaysBeforeYear(int64_t year) {
    const int64_t a = year - 1;
    return 365 * a + a / 4 + a / 400 - a / 100;
}

constexpr bool LeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The day number of a valid date.
constexpr int64_t DayNumberOf(int day, int month, int year) {
    const int64_t dayOfYear =
        IntlDate::DaysBeforeMonth[month - 1] + day + ((month > 2 && LeapYear(year)) ? 1 : 0);
    return dayOfYear + DaysBeforeYear(year) - 1;
}

constexpr int64_t maxDayNumber = DayNumberOf(31, 12, IntlDate::maxYear);
static_assert(maxDayNumber <= std::numeric_limits<int32_t>::max());
static_assert(DayNumberOf(1, 1, 1998) == 729389);

bool FitsInt8(int value) {
    return value >= INT8_MIN && value <= INT8_MAX;
}

} // namespace

int16_t IntlDate::defaultCentury = 1900;
std::string IntlDate::Picture;

IntlDate::IntlDate(DateConstant which) {
    Today();
    if (which == DateConstant::Yesterday)
        Dec(DateElement::Day, 1);
    else if (which == DateConstant::Tomorrow)
        Inc(DateElement::Day, 1);
}

void IntlDate::StoreFields(int newDay, int newMonth, int newYear) {
    day = static_cast<int8_t>(newDay);
    month = static_cast<int8_t>(newMonth);
    year = static_cast<int16_t>(newYear);
    dayNumber = 0;
}

void IntlDate::LowerDayToMonthEnd() {
    const int length = DaysInMonth();
    if (length > 0 && day > length)
        day = static_cast<int8_t>(length);
}

IntlDate& IntlDate::Set(int newDay, int newMonth, int newYear) {
    if (newYear == 0)
        newYear = ReadLocalClock().year;
    else if (newYear >= 1 && newYear <= 99)
        newYear += defaultCentury;
    if (!FitsInt8(newDay) || !FitsInt8(newMonth) || newYear < 1 || newYear > maxYear)
        return Zero();
    StoreFields(newDay, newMonth, newYear);
    CalcDayNumber();
    return *this;
}

IntlDate& IntlDate::Set(int value, DateElement element) {
    switch (element) {
    case DateElement::Day:
        if (IsValidMonthDay(value))
            day = static_cast<int8_t>(value);
        break;
    case DateElement::Month:
        if (IsValidMonth(value))
            month = static_cast<int8_t>(value);
        break;
    case DateElement::Year:
        if (value < 1 || value > maxYear)
            return Zero();
        year = static_cast<int16_t>(value);
        break;
    }
    LowerDayToMonthEnd();
    CalcDayNumber();
    return *this;
}

IntlDate& IntlDate::Inc(DateElement element, long n) {
    if (!IsValid() || n == 0)
        return *this;
    if (n > maxStep || n < -maxStep)
        return Zero();
    switch (element) {
    case DateElement::Day:
        return *this = static_cast<long>(dayNumber + n);
    case DateElement::Month: {
        const int64_t monthIndex = int64_t{year} * 12 + (month - 1) + n;
        const int64_t newYear = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
        if (newYear < 1 || newYear > maxYear)
            return Zero();
        year = static_cast<int16_t>(newYear);
        month = static_cast<int8_t>(monthIndex - newYear * 12 + 1);
        break;
    }
    case DateElement::Year: {
        const int64_t newYear = year + n;
        if (newYear < 1 || newYear > maxYear)
            return Zero();
        year = static_cast<int16_t>(newYear);
        break;
    }
    }
    LowerDayToMonthEnd();
    CalcDayNumber();
    return *this;
}

IntlDate& IntlDate::Dec(DateElement element, long n) {
    if (n < -maxStep)
        return IsValid() ? Zero() : *this;
    return Inc(element, -n);
}

IntlDate& IntlDate::Today() {
    const LocalClock now = ReadLocalClock();
    StoreFields(now.day, now.month, now.year);
    CalcDayNumber();
    return *this;
}

IntlDate& IntlDate::Tomorrow() {
    return Today().Inc(DateElement::Day, 1);
}

IntlDate& IntlDate::Yesterday() {
    return Today().Dec(DateElement::Day, 1);
}

IntlDate& IntlDate::Zero() {
    StoreFields(0, 0, 0);
    return *this;
}

void IntlDate::CalcDayNumber() {
    // 1 January of year 1 would be day 0, which is the null date's number.
    const int64_t number = IsValid() ? DayNumberOf(day, month, year) : 0;
    if (number > 0)
        dayNumber = static_cast<int32_t>(number);
    else
        Zero();
}

void IntlDate::CalcDMY() {
    if (dayNumber <= 0 || dayNumber > maxDayNumber) {
        Zero();
        return;
    }
    const int64_t a = int64_t{dayNumber} + 1;
    int64_t b = a * 400 / 146097;
    int64_t newYear = b + 1;
    int64_t c = a - DaysBeforeYear(b + 1);
    if (c <= 0) {
        newYear = b;
        c = a - DaysBeforeYear(newYear);
    }
    const int64_t yearLength = LeapYear(newYear) ? 366 : 365;
    if (c > yearLength) {
        ++newYear;
        c -= yearLength;
    }
    const bool leap = LeapYear(newYear);
    const int e = (c >= 60 && leap) ? 1 : 0;
    for (int m = 1; m <= 12; ++m) {
        if (c <= DaysBeforeMonth[m] + e) {
            const int64_t newDay = c - DaysBeforeMonth[m - 1] - ((m > 2 && leap) ? 1 : 0);
            day = static_cast<int8_t>(newDay);
            month = static_cast<int8_t>(m);
            year = static_cast<int16_t>(newYear);
            return;
        }
    }
    Zero();
}

int IntlDate::DaysInMonth(int m, int y) {
    if (!IsValidMonth(m))
        return 0;
    return DaysBeforeMonth[m] - DaysBeforeMonth[m - 1] + ((m == 2 && IsLeap(y)) ? 1 : 0);
}

int IntlDate::DoW() const {
    return dayNumber % 7;
}

int IntlDate::DoY() const {
    if (!IsValid())
        return 0;
    return DaysBeforeMonth[month - 1] + day + ((month > 2 && IsLeap(year)) ? 1 : 0);
}

int IntlDate::WoY(int firstWeekDay) const {
    if (!IsValid() || !IsValidWeekDay(firstWeekDay))
        return 0;
    const int64_t januaryFirst = DayNumberOf(1, 1, year);
    const int64_t firstWeekStart = januaryFirst + (firstWeekDay - januaryFirst % 7 + 7) % 7;
    const int64_t daysIn = dayNumber - firstWeekStart;
    if (daysIn >= 0)
        return static_cast<int>(daysIn / 7 + 1);
    if (year == 1)
        return 0;
    // Days before the first such weekday count in the Monday weeks of the year before.
    IntlDate lastOfYearBefore;
    lastOfYearBefore = static_cast<long>(januaryFirst - 1);
    return lastOfYearBefore.WoY(0);
}

bool IntlDate::IsLeap(int y) {
    return LeapYear(y);
}

bool IntlDate::IsValid() const {
    return year > 0 && IsValidMonth(month) && day >= 1 && day <= DaysInMonth();
}

uint16_t IntlDate::DosDate() const {
    return static_cast<uint16_t>((year - 1980) * 512 + month * 32 + day);
}

std::string IntlDate::String(std::string_view picture, int32_t language) const {
    if (picture.empty()) {
        Language& shared = GetLanguage();
        shared.GetSystemLanguageInfo();
        Picture = shared.SysShortDate();
        picture = Picture;
    }
    if (!IsValid())
        return {};
    return FormatDatePicture(*this, picture, language);
}

IntlDate& IntlDate::InterpretString(std::string_view text, std::string_view picture,
                                    int32_t language) {
    if (picture.empty()) {
        Language& shared = GetLanguage();
        shared.GetSystemLanguageInfo();
        Picture = shared.SysShortDate();
        picture = Picture;
    }
    DateReading reading = ReadDatePicture(text, picture, language);
    if (IsValidMonth(reading.month) && !reading.dayGiven)
        reading.day = 1;
    if (reading.dayGiven && reading.day != 0 && (reading.month == 0 || !reading.yearGiven)) {
        const LocalClock now = ReadLocalClock();
        if (reading.month == 0)
            reading.month = now.month;
        if (!reading.yearGiven)
            reading.year = now.year;
    }
    // A typed year below 100, "00" among them, is a year of the default century; a text of
    // zeros alone ("00/00/00") stays the null date.
    const bool allZero = reading.day == 0 && reading.month == 0 && reading.year == 0;
    if (reading.yearGiven && reading.year < 100 && !allZero)
        reading.year += defaultCentury;
    StoreFields(reading.day, reading.month, reading.year);
    if (IsValid())
        CalcDayNumber();
    return *this;
}

void IntlDate::SetDefCentury(int century) {
    if (century < 0)
        century = 0;
    if (century > 326)
        century = 326;
    defaultCentury = static_cast<int16_t>(century * 100);
}

IntlDate& IntlDate::operator=(long n) {
    if (n <= 0 || n > maxDayNumber)
        return Zero();
    dayNumber = static_cast<int32_t>(n);
    CalcDMY();
    return *this;
}

IntlDate& IntlDate::operator=(const std::chrono::year_month_day& date) {
    const int y = static_cast<int>(date.year());
    const unsigned m = static_cast<unsigned>(date.month());
    const unsigned d = static_cast<unsigned>(date.day());
    if (!date.ok() || y < 1)
        return Zero();
    StoreFields(static_cast<int>(d), static_cast<int>(m), y);
    CalcDayNumber();
    return *this;
}

IntlDate::operator std::chrono::year_month_day() const {
    return std::chrono::year_month_day{std::chrono::year{year},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}};
}
