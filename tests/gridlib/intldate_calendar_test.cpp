#include "intl_environment.h"
#include "intldate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

using namespace std::chrono;

// Day number of 1 January 1970: the standard library's calendar serves as the reference.
constexpr long epochDayNumber = 719162;

year_month_day ReferenceDate(long dayNumber) {
    return year_month_day{sys_days{days{dayNumber - epochDayNumber}}};
}

void ExpectDate(const IntlDate& date, int day, int month, int year) {
    EXPECT_EQ(date.Day(), day);
    EXPECT_EQ(date.Month(), month);
    EXPECT_EQ(date.Year(), year);
    EXPECT_TRUE(date.IsValid());
}

TEST(IntlDateNumbers, KnownDayNumbersAndWeekdays) {
    const IntlDate newYear1998(1, 1, 1998);
    EXPECT_EQ(newYear1998.DayNumber(), 729389);
    EXPECT_EQ(newYear1998.DoW(), 3); // Thursday
    EXPECT_EQ(IntlDate(1, 1, 1970).DayNumber(), epochDayNumber);
    ExpectDate(IntlDate(1L), 2, 1, 1);
    EXPECT_TRUE(IntlDate(0L).IsNull());
    EXPECT_TRUE(IntlDate(-5L).IsNull());
    EXPECT_TRUE(IntlDate(LONG_MAX).IsNull());
    const IntlDate last(31, 12, IntlDate::maxYear);
    ASSERT_TRUE(last.IsValid());
    EXPECT_EQ(IntlDate(last.DayNumber()), last);
    EXPECT_TRUE(IntlDate(last.DayNumber() + 1).IsNull());
}

TEST(IntlDateNumbers, LeapYears) {
    EXPECT_TRUE(IntlDate(29, 2, 2000).IsValid());
    EXPECT_TRUE(IntlDate(29, 2, 1900).IsNull());
    EXPECT_TRUE(IntlDate::IsLeap(2000));
    EXPECT_TRUE(IntlDate::IsLeap(1996));
    EXPECT_FALSE(IntlDate::IsLeap(1900));
    EXPECT_FALSE(IntlDate::IsLeap(1999));
    EXPECT_EQ(IntlDate(31, 12, 2000).DoY(), 366);
    EXPECT_EQ(IntlDate(1, 3, 1999).DoY(), 60);
    EXPECT_EQ(IntlDate::DaysInMonth(2, 2004), 29);
    EXPECT_EQ(IntlDate::DaysInMonth(13, 2004), 0);
}

// Every day of the years 1600 to 2400 converts both ways and agrees with the standard library.
TEST(IntlDateNumbers, RoundTripSixteenToTwentyFourHundred) {
    const long first = IntlDate(1, 1, 1600).DayNumber();
    const long last = IntlDate(31, 12, 2400).DayNumber();
    for (long n = first; n <= last; ++n) {
        const IntlDate date(n);
        const year_month_day reference = ReferenceDate(n);
        ASSERT_EQ(date.Year(), static_cast<int>(reference.year())) << n;
        ASSERT_EQ(date.Month(), static_cast<int>(static_cast<unsigned>(reference.month()))) << n;
        ASSERT_EQ(date.Day(), static_cast<int>(static_cast<unsigned>(reference.day()))) << n;
        ASSERT_EQ(IntlDate(date.Day(), date.Month(), date.Year()).DayNumber(), n);
    }
}

// The whole range of years, sampled, against the standard library.
TEST(IntlDateNumbers, SampledWholeRangeAgreesWithReference) {
    const long last = IntlDate(31, 12, IntlDate::maxYear).DayNumber();
    for (long n = 1; n <= last; n += 97) {
        const IntlDate date(n);
        ASSERT_EQ(static_cast<year_month_day>(date), ReferenceDate(n)) << n;
    }
}

TEST(IntlDateSet, CenturyCurrentYearAndImpossibleValues) {
    IntlEnvironment environment;
    ExpectDate(IntlDate(1, 5, 98), 1, 5, 1998);
    ExpectDate(IntlDate(1, 5, 5), 1, 5, 1905);
    IntlDate::SetDefCentury(20);
    ExpectDate(IntlDate(1, 5, 5), 1, 5, 2005);
    IntlDate::SetDefCentury(1000); // held to 326
    EXPECT_EQ(IntlDate::DefaultCentury(), 32600);
    EXPECT_EQ(IntlDate(1, 5, 0).Year(), IntlDate(DateConstant::Today).Year());
    EXPECT_TRUE(IntlDate(257, 1, 1998).IsNull()); // not wrapped to day 1
    EXPECT_TRUE(IntlDate(1, 13, 1998).IsNull());
    EXPECT_TRUE(IntlDate(1, 1, -4).IsNull());
    EXPECT_TRUE(IntlDate(1, 1, 40000).IsNull());
}

TEST(IntlDateSet, SingleElements) {
    IntlDate date(31, 1, 1998);
    date.Set(2, DateElement::Month);
    ExpectDate(date, 28, 2, 1998);
    date.Set(30, DateElement::Day); // not a February day: ignored
    ExpectDate(date, 28, 2, 1998);
    date.Set(13, DateElement::Month);
    ExpectDate(date, 28, 2, 1998);
    date = IntlDate(29, 2, 2000);
    date.Set(2001, DateElement::Year);
    ExpectDate(date, 28, 2, 2001);
    EXPECT_EQ(date.DayNumber(), IntlDate(28, 2, 2001).DayNumber());
    date.Set(0, DateElement::Year);
    EXPECT_TRUE(date.IsNull());
}

TEST(IntlDateSteps, MonthsKeepDayOrTakeMonthEnd) {
    ExpectDate(IntlDate(31, 1, 1998).Inc(DateElement::Month, 1), 28, 2, 1998);
    ExpectDate(IntlDate(31, 3, 1998).Dec(DateElement::Month, 1), 28, 2, 1998);
    ExpectDate(IntlDate(31, 1, 2000).Inc(DateElement::Month, 1), 29, 2, 2000);
    ExpectDate(IntlDate(15, 11, 1998).Inc(DateElement::Month, 14), 15, 1, 2000);
    ExpectDate(IntlDate(15, 1, 2000).Dec(DateElement::Month, 14), 15, 11, 1998);
    ExpectDate(IntlDate(15, 1, 2000).Inc(DateElement::Month, -1), 15, 12, 1999);
    ExpectDate(IntlDate(29, 2, 2000).Inc(DateElement::Year, 1), 28, 2, 2001);
    ExpectDate(IntlDate(31, 12, 1998).Inc(DateElement::Day, 1), 1, 1, 1999);
    ExpectDate(IntlDate(1, 3, 2000).Dec(DateElement::Day, 1), 29, 2, 2000);
}

TEST(IntlDateSteps, NullZeroAndOutOfRangeSteps) {
    IntlDate null;
    null.Inc(DateElement::Day, 5);
    EXPECT_TRUE(null.IsNull());
    IntlDate date(1, 5, 1998);
    date.Inc(DateElement::Month, 0);
    ExpectDate(date, 1, 5, 1998);
    EXPECT_TRUE(IntlDate(1L).Dec(DateElement::Day, 2).IsNull()); // 2 January of year 1
    EXPECT_TRUE(IntlDate(31, 12, 32767).Inc(DateElement::Day, 1).IsNull());
    EXPECT_TRUE(IntlDate(1, 5, 1998).Inc(DateElement::Day, LONG_MAX).IsNull());
    EXPECT_TRUE(IntlDate(1, 5, 1998).Dec(DateElement::Day, LONG_MIN).IsNull());
    EXPECT_TRUE(IntlDate(1, 5, 1998).Inc(DateElement::Month, LONG_MIN).IsNull());
    EXPECT_TRUE(IntlDate(1, 5, 1998).Inc(DateElement::Year, 40000).IsNull());
    EXPECT_TRUE(IntlDate(1L).Dec(DateElement::Month, 1).IsNull());
}

TEST(IntlDateWeeks, WeekOfYear) {
    EXPECT_EQ(IntlDate(5, 1, 1998).WoY(0), 1);  // first Monday of 1998
    EXPECT_EQ(IntlDate(11, 1, 1998).WoY(0), 1); // the Sunday after it
    EXPECT_EQ(IntlDate(12, 1, 1998).WoY(0), 2);
    EXPECT_EQ(IntlDate(1, 1, 1998).WoY(0), 52); // last Monday week of 1997
    // Days before the first week of the year take the Monday week of 31 December before,
    // whatever the week's first day: Monday 1 January 2018 with Sunday weeks is in Monday week
    // 52 of 2017 (Sunday 31 December 2017 is the 53rd Sunday week); Tuesday 1 January 2019
    // with Wednesday weeks is in Monday week 53 of 2018 (Monday 31 December 2018).
    EXPECT_EQ(IntlDate(31, 12, 2017).WoY(6), 53);
    EXPECT_EQ(IntlDate(1, 1, 2018).WoY(6), 52);
    EXPECT_EQ(IntlDate(30, 12, 2017).WoY(6), 52);
    EXPECT_EQ(IntlDate(31, 12, 2018).WoY(2), 52);
    EXPECT_EQ(IntlDate(1, 1, 2019).WoY(2), 53);
    EXPECT_EQ(IntlDate(1, 1, 2018).WoY(7), 0);
    EXPECT_EQ(IntlDate().WoY(0), 0);
}

TEST(IntlDateOperators, ArithmeticComparisonsAndConversions) {
    const IntlDate may1(1, 5, 1998);
    EXPECT_EQ(may1 + 31, IntlDate(1, 6, 1998));
    EXPECT_EQ(may1 - 1, IntlDate(30, 4, 1998));
    EXPECT_EQ(IntlDate(1, 1, 1999) - may1, 245);
    EXPECT_EQ(may1 - IntlDate(1, 1, 1999), -245);
    EXPECT_TRUE(may1 < IntlDate(2, 5, 1998));
    EXPECT_TRUE(may1 >= 729389L);
    EXPECT_TRUE(may1 == may1.DayNumber());
    EXPECT_NE(may1, IntlDate());
    IntlDate date = may1;
    EXPECT_EQ(date++, may1);
    EXPECT_EQ(date, may1 + 1);
    EXPECT_EQ(--date, may1);
    date += 365;
    ExpectDate(date, 1, 5, 1999);
    EXPECT_EQ(static_cast<long>(may1), may1.DayNumber());
    EXPECT_EQ(static_cast<year_month_day>(may1), 1998y / May / 1d);
    EXPECT_EQ(IntlDate(2000y / February / 29d), IntlDate(29, 2, 2000));
    EXPECT_EQ(IntlDate(year_month_day{98y / May / 1d}).Year(), 98); // no century for full years
    EXPECT_TRUE(IntlDate(1999y / February / 29d).IsNull());
    EXPECT_TRUE(IntlDate(1y / January / 1d).IsNull()); // day number 0 is never a real date
    date = 0L;
    EXPECT_TRUE(date.IsNull());
}

TEST(IntlDateClock, TodayTomorrowYesterday) {
    IntlDate today;
    IntlDate tomorrow;
    IntlDate yesterday;
    do { // repeat if midnight passes in between
        today.Today();
        tomorrow.Tomorrow();
        yesterday = IntlDate(DateConstant::Yesterday);
    } while (IntlDate(DateConstant::Today) != today);
    EXPECT_TRUE(today.IsValid());
    EXPECT_EQ(tomorrow - today, 1);
    EXPECT_EQ(today - yesterday, 1);
}

TEST(IntlDateDos, PackedDosDate) {
    EXPECT_EQ(IntlDate(1, 5, 1998).DosDate(), (18 << 9) | (5 << 5) | 1);
    EXPECT_EQ(IntlDate(1, 1, 1980).DosDate(), (1 << 5) | 1);
    EXPECT_EQ(IntlDate(1, 1, 1970).DosDate(), static_cast<uint16_t>(-10 * 512 + 32 + 1));
}

} // namespace
