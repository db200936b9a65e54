#include "intl_environment.h"
#include "intldate.h"
#include "language.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

const IntlDate may1st1998(1, 5, 1998); // a Friday

TEST(IntlDateString, EnglishLongDateAndNameCases) {
    EXPECT_EQ(may1st1998.String(GetLanguage().LongDate(idEnglish), idEnglish),
              "Friday, May 1st, 1998");
    EXPECT_EQ(may1st1998.String("DDD", idEnglish), "FRI");
    EXPECT_EQ(may1st1998.String("Ddd", idEnglish), "Fri");
    EXPECT_EQ(may1st1998.String("dddd", idFrench), "vendredi");
    EXPECT_EQ(may1st1998.String("Dddd", idFrench), "Vendredi");
    EXPECT_EQ(may1st1998.String("MMMM", idEnglish), "MAY");
    EXPECT_EQ(IntlDate(3, 2, 1998).String("MMMM", idFrench), "FÉVRIER");
    EXPECT_EQ(IntlDate(3, 2, 1998).String("Mmmm", idFrench), "Février");
    EXPECT_EQ(IntlDate(4, 5, 1998).String("DDDD", idItalian), "LUNEDÌ");
    EXPECT_EQ(IntlDate(4, 8, 1998).String("MMMM", idPortuguese), "AGÔSTO");
    EXPECT_EQ(may1st1998.String("dddd ds mmmm YYYY", idFrench), "vendredi 1er mai 1998");
}

TEST(IntlDateString, NumbersQuarterWeekAndYears) {
    EXPECT_EQ(may1st1998.String("d/m/y"), "1/5/98");
    EXPECT_EQ(may1st1998.String("dd.mm.yyyy"), "01.05.1998");
    EXPECT_EQ(IntlDate(9, 3, 2005).String("yy"), " 5");
    EXPECT_EQ(IntlDate(9, 3, 2005).String("YYYY"), "2005");
    EXPECT_EQ(IntlDate(9, 3, 5).String("yyyy"), "1905");
    EXPECT_EQ(IntlDate(9, 3, 2005).String("q"), "1");
    EXPECT_EQ(IntlDate(1, 4, 2005).String("Q"), "2");
    EXPECT_EQ(IntlDate(31, 12, 2005).String("qqq"), "4");
    EXPECT_EQ(IntlDate(12, 1, 1998).String("w ww"), "2 02");
    EXPECT_EQ(IntlDate(22, 5, 1998).String("ds", idEnglish), "22nd");
}

TEST(IntlDateString, QuotesBackslashesAndInvalidDates) {
    EXPECT_EQ(may1st1998.String("'Day' d \\d \"it's\" dd"), "Day 1 d it's 01");
    EXPECT_EQ(may1st1998.String("'d\\'m' m"), "d'm 5");
    EXPECT_EQ(may1st1998.String("'open d"), "open d"); // unterminated quote
    EXPECT_EQ(may1st1998.String("dd\\"), "01");        // trailing backslash
    EXPECT_EQ(may1st1998.String("é d ü"), "é 1 ü");
    EXPECT_EQ(may1st1998.String(std::string(5000, 'D'), idEnglish), "FRIDAY");
    EXPECT_EQ(IntlDate().String("dd/mm/yyyy"), "");
    EXPECT_EQ(IntlDate("31/02/1998", "dd/mm/yyyy").String("dd/mm/yyyy"), "");
}

TEST(IntlDateRead, NumericPictures) {
    IntlEnvironment environment;
    EXPECT_EQ(IntlDate("12/25/98", "MM/dd/yy"), IntlDate(25, 12, 1998));
    const IntlDate today(DateConstant::Today);
    const IntlDate january5("1/5", "M/d");
    EXPECT_EQ(january5, IntlDate(5, 1, today.Year()));
    EXPECT_EQ(IntlDate("2005-3-9", "yyyy-m-d"), IntlDate(9, 3, 2005));
    EXPECT_EQ(IntlDate(" 5/03/09", "yy/mm/dd"), IntlDate(9, 3, 1905));
    // A two-digit day under "d" leaves its second digit to the next picture character.
    const IntlDate dayOnly("12", "d");
    EXPECT_EQ(dayOnly.Day(), 12);
    EXPECT_EQ(dayOnly.Month(), today.Month());
    EXPECT_EQ(dayOnly.Year(), today.Year());
    IntlDate::SetDefCentury(20);
    const IntlDate yearOnly("05", "yy"); // no day or month to complete: invalid
    EXPECT_FALSE(yearOnly.IsValid());
    EXPECT_EQ(yearOnly.Year(), 2005);
    EXPECT_EQ(IntlDate("01.05.05", "dd.mm.yy"), IntlDate(1, 5, 2005));
}

// A typed two-digit year, "00" among them, is a year of the default century; only a year
// that is not typed at all is this year's.
TEST(IntlDateRead, TypedTwoDigitYearsBelongToTheDefaultCentury) {
    IntlEnvironment environment;
    const int thisYear = IntlDate(DateConstant::Today).Year();
    for (const int century : {19, 20}) {
        SCOPED_TRACE(century);
        IntlDate::SetDefCentury(century);
        const int base = century * 100;
        for (const int yy : {0, 1, 50, 99}) {
            const std::string digits = (yy < 10 ? "0" : "") + std::to_string(yy);
            SCOPED_TRACE(digits);
            EXPECT_EQ(IntlDate("01/22/" + digits, "mm/dd/yy"), IntlDate(22, 1, base + yy));
            EXPECT_EQ(IntlDate("01/01/" + digits, "dd/mm/yy"), IntlDate(1, 1, base + yy));
            EXPECT_EQ(IntlDate(digits + "-12-31", "yy-mm-dd"), IntlDate(31, 12, base + yy));
            EXPECT_EQ(IntlDate("03/" + digits, "mm/yy"), IntlDate(1, 3, base + yy));
            // What the library writes under "yy" (2000 as " 0") reads back as the same date.
            const IntlDate written(15, 6, base + yy);
            EXPECT_EQ(IntlDate(written.String("dd/mm/yy"), "dd/mm/yy"), written)
                << written.String("dd/mm/yy");
        }
        EXPECT_EQ(IntlDate("01/22", "mm/dd/yy"), IntlDate(22, 1, thisYear)) << "no year typed";
        EXPECT_EQ(IntlDate("01/22/", "mm/dd/yy"), IntlDate(22, 1, thisYear)) << "no year typed";
    }
    IntlDate::SetDefCentury(19);
}

TEST(IntlDateRead, MonthNamesAndMonthOnlyPictures) {
    IntlEnvironment environment;
    EXPECT_EQ(IntlDate("15 février 1998", "dd mmmm yyyy", idFrench), IntlDate(15, 2, 1998));
    EXPECT_EQ(IntlDate("15-FÉV-98", "dd-mmm-yy", idFrench), IntlDate(15, 2, 1998));
    EXPECT_EQ(IntlDate("März 1998", "mmmm yyyy", idGerman), IntlDate(1, 3, 1998));
    EXPECT_EQ(IntlDate("05/98", "mm/yy"), IntlDate(1, 5, 1998));
    GetLanguage().SetCurrentLanguage(idSpanish);
    EXPECT_EQ(IntlDate("1 DIC 2000", "d mmm yyyy"), IntlDate(1, 12, 2000));
}

TEST(IntlDateRead, UnreadableTextGivesNullOrInvalidDate) {
    IntlEnvironment environment;
    EXPECT_TRUE(IntlDate("", "dd/mm/yyyy").IsNull());
    EXPECT_TRUE(IntlDate("00/00/00", "dd/mm/yy").IsNull());
    EXPECT_TRUE(IntlDate("garbage", "dd/mm/yyyy").IsNull());
    const IntlDate impossible("31/02/1998", "dd/mm/yyyy");
    EXPECT_FALSE(impossible.IsValid());
    EXPECT_FALSE(impossible.IsNull());
    EXPECT_EQ(impossible.Day(), 31);
    EXPECT_EQ(impossible.Month(), 2);
    EXPECT_EQ(impossible.Year(), 1998);
    EXPECT_EQ(impossible.DayNumber(), 0);
    EXPECT_FALSE(IntlDate("1 Xyz 1998", "d mmm yyyy").IsNull());
    EXPECT_TRUE(IntlDate("\xff\xfe\xfd", "mmm").IsNull());
    EXPECT_FALSE(IntlDate(std::string(10000, '9'), std::string(10000, 'y')).IsValid());
}

// Every day from 1600 to 2400 writes and reads back under two numeric pictures.
TEST(IntlDateRead, RoundTripThroughText) {
    const long first = IntlDate(1, 1, 1600).DayNumber();
    const long last = IntlDate(31, 12, 2400).DayNumber();
    IntlDate date(first);
    IntlDate back;
    for (long n = first; n <= last; ++n, ++date) {
        for (const char* picture : {"dd/mm/yyyy", "yyyy-mm-dd"}) {
            back.InterpretString(date.String(picture), picture);
            ASSERT_EQ(back.DayNumber(), n) << picture << " " << date.String(picture);
        }
    }
}

TEST(IntlDateStream, WritesAndReadsUnderSystemPicture) {
    IntlEnvironment environment;
    std::ostringstream out;
    out << may1st1998;
    EXPECT_EQ(out.str(), "05/01/1998");
    std::istringstream in("12/25/1998 rest");
    IntlDate read;
    in >> read;
    EXPECT_EQ(read, IntlDate(25, 12, 1998));
}

} // namespace
