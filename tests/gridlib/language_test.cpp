#include "intl_environment.h"
#include "intldate.h"
#include "language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t allLanguages[] = {idEnglish, idDutch,      idFrench, idGerman,
                                    idItalian, idPortuguese, idSpanish};

std::vector<std::string> Months(bool longNames, int32_t language) {
    std::vector<std::string> names;
    for (int m = 1; m <= 12; ++m)
        names.push_back(longNames ? GetLanguage().LongMonth(m, language)
                                  : GetLanguage().ShortMonth(m, language));
    return names;
}

std::vector<std::string> Days(bool longNames, int32_t language) {
    std::vector<std::string> names;
    for (int d = 0; d <= 6; ++d)
        names.push_back(longNames ? GetLanguage().LongDay(d, language)
                                  : GetLanguage().ShortDay(d, language));
    return names;
}

TEST(LanguageNames, EnglishTablesInOrder) {
    const Language& l = GetLanguage();
    EXPECT_EQ(
        Months(true, idEnglish),
        (std::vector<std::string>{"January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"}));
    EXPECT_EQ(Months(false, idEnglish).back(), "Dec");
    EXPECT_EQ(Days(true, idEnglish).front(), "Monday");
    EXPECT_EQ(Days(false, idEnglish),
              (std::vector<std::string>{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}));
    EXPECT_EQ(l.LongDate(idEnglish), "dddd, mmmm ds, YYYY");
    EXPECT_EQ(l.ShortDate(idEnglish), "MM/DD/YY");
}

TEST(LanguageNames, OtherLanguagesSpotChecks) {
    const Language& l = GetLanguage();
    EXPECT_EQ(l.LongMonth(3, idDutch), "maart");
    EXPECT_EQ(l.ShortDay(0, idDutch), "maa");
    EXPECT_EQ(l.LongMonth(2, idFrench), "février");
    EXPECT_EQ(l.ShortMonth(12, idFrench), "déc");
    EXPECT_EQ(l.LongMonth(3, idGerman), "März");
    EXPECT_EQ(l.ShortDay(6, idGerman), "Son");
    EXPECT_EQ(l.LongDay(0, idItalian), "lunedì");
    EXPECT_EQ(l.LongMonth(8, idPortuguese), "Agôsto");
    EXPECT_EQ(l.LongDay(1, idPortuguese), "terça-feira");
    EXPECT_EQ(l.LongDay(2, idSpanish), "miércoles");
    EXPECT_EQ(l.ShortDay(5, idSpanish), "sáb");
    EXPECT_EQ(l.ShortDate(idGerman), "DD.MM.YY");
    EXPECT_EQ(l.LongDate(idFrench), "dddd ds mmmm YYYY");
}

// Every name of every language is present, and reads back from its upper-cased form (which also
// exercises the upper-casing of accented letters).
TEST(LanguageNames, EveryNameFoundAgainFromUpperCase) {
    const Language& l = GetLanguage();
    for (int32_t language : allLanguages) {
        for (int m = 1; m <= 12; ++m) {
            const IntlDate date(1, m, 2001);
            const std::string longUpper = date.String("MMMM", language);
            const std::string shortUpper = date.String("MMM", language);
            ASSERT_FALSE(longUpper.empty()) << language << " month " << m;
            EXPECT_EQ(l.LongMonthIndex(longUpper, language), m) << longUpper;
            EXPECT_EQ(l.ShortMonthIndex(shortUpper, language), m) << shortUpper;
        }
        for (int d = 1; d <= 7; ++d) { // 1 January 2001 is a Monday
            const IntlDate date(d, 1, 2001);
            EXPECT_EQ(l.LongDayIndex(date.String("DDDD", language), language), d - 1);
            EXPECT_EQ(l.ShortDayIndex(date.String("DDD", language), language), d - 1);
        }
    }
}

TEST(LanguageNames, LookupsIgnoreCaseOfAccentedLetters) {
    const Language& l = GetLanguage();
    EXPECT_EQ(l.LongMonthIndex("FÉVRIER", idFrench), 2);
    EXPECT_EQ(l.LongMonthIndex("Fevrier", idFrench), 0); // the accent matters
    EXPECT_EQ(l.ShortMonthIndex("mÄr", idGerman), 3);
    EXPECT_EQ(l.LongMonthIndex("AGÔSTO", idPortuguese), 8);
    EXPECT_EQ(l.LongDayIndex("LUNEDÌ", idItalian), 0);
    EXPECT_EQ(l.ShortDayIndex("SÁB", idSpanish), 5);
    EXPECT_EQ(l.ShortDayIndex("xyz", idEnglish), 7);
    EXPECT_EQ(l.LongMonthIndex("", idEnglish), 0);
    EXPECT_EQ(l.LongMonthIndex("Januar", idEnglish), 0);
    EXPECT_EQ(l.LongMonthIndex("January", 12345), 0);
    EXPECT_EQ(l.LongDayIndex("", 12345), 7);
}

TEST(LanguageNames, OutOfRangeGivesEmptyText) {
    const Language& l = GetLanguage();
    EXPECT_EQ(l.LongMonth(0, idEnglish), "");
    EXPECT_EQ(l.ShortMonth(13, idEnglish), "");
    EXPECT_EQ(l.LongDay(7, idEnglish), "");
    EXPECT_EQ(l.ShortDay(-1, idEnglish), "");
    EXPECT_EQ(l.DaySuffix(0, idEnglish), "");
    EXPECT_EQ(l.DaySuffix(32, idEnglish), "");
    EXPECT_EQ(l.LoadStringA(0, idEnglish), "");
    EXPECT_EQ(l.LoadStringA(84, idEnglish), "");
    EXPECT_EQ(l.LoadStringA(97, idDutch), "") << "no language has it, English neither";
    EXPECT_EQ(l.LoadStringA(100, idEnglish), ""); // not Dutch's offset 0
    EXPECT_EQ(l.LoadStringA(101, idEnglish), ""); // not Dutch "januari"
    EXPECT_EQ(l.LoadStringA(1, 12345), "");
}

TEST(LanguageStrings, DaySuffixes) {
    const Language& l = GetLanguage();
    const std::vector<std::pair<int, std::string>> english{
        {1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {11, "th"}, {12, "th"},
        {13, "th"}, {21, "st"}, {22, "nd"}, {23, "rd"}, {30, "th"}, {31, "st"}};
    for (const auto& [day, suffix] : english)
        EXPECT_EQ(l.DaySuffix(day, idEnglish), suffix) << day;
    EXPECT_EQ(l.DaySuffix(1, idFrench), "er");
    EXPECT_EQ(l.DaySuffix(2, idFrench), "");
    EXPECT_EQ(l.DaySuffix(17, idGerman), ".");
    EXPECT_EQ(l.DaySuffix(1, idItalian), "º");
    EXPECT_EQ(l.DaySuffix(1, idDutch), "");
    // A day without a suffix is not a missing string: it does not take English's.
    for (const int32_t language : {idDutch, idFrench, idItalian, idPortuguese, idSpanish}) {
        for (int day = 2; day <= 31; ++day)
            EXPECT_EQ(l.DaySuffix(day, language), "") << language << " day " << day;
    }
}

TEST(LanguageStrings, MessagesAndMissingStrings) {
    const Language& l = GetLanguage();
    const std::vector<std::string> english{"Date",
                                           "You must type a date!",
                                           "This date must be between %s and %s!",
                                           "Incorrect date!",
                                           "day",
                                           "month",
                                           "year",
                                           "Time",
                                           "This time must be between %s and %s!",
                                           "Incorrect time!"};
    for (int offset = Language::sDateField; offset <= Language::sTimeIncorrect; ++offset)
        EXPECT_EQ(l.LoadStringA(offset, idEnglish), english[offset - Language::sDateField]);
    EXPECT_EQ(l.LoadStringA(Language::sInvalidRange, idEnglish), "Invalid range");
    EXPECT_EQ(l.LoadStringA(Language::sValueRange, idEnglish), "Value must be between %s and %s");
    EXPECT_EQ(l.LoadStringA(Language::sValueRange, idDutch),
              "De waarde moet tussen %s and %s zijn!");
    EXPECT_EQ(l.LoadStringA(Language::sDateRange, idFrench),
              "Cette date doit être comprise entre le %s et le %s!");
    EXPECT_EQ(l.LoadStringA(Language::sDateIncorrect, idGerman), "Unzulässiges Datum");
    EXPECT_EQ(l.LoadStringA(Language::sDateRequired, idSpanish), "¡ Debe introducir una fecha !");
    EXPECT_EQ(l.LoadStringA(Language::sInvalidRange, idPortuguese), "Intervalo inválido");
    EXPECT_EQ(l.LoadStringA(Language::sTimeIncorrect, idItalian), "Ora sbagliata!");
}

// A string that a language lacks is English's: Italian has no word for a time field and no
// time range message, German, Portuguese and Spanish no long date picture.
TEST(LanguageStrings, MissingStringsFallBackToEnglish) {
    const Language& l = GetLanguage();
    EXPECT_EQ(l.LoadStringA(Language::sTimeField, idItalian), "Time");
    EXPECT_EQ(l.LoadStringA(Language::sTimeRange, idItalian),
              "This time must be between %s and %s!");
    for (const int32_t language : {idGerman, idPortuguese, idSpanish})
        EXPECT_EQ(l.LongDate(language), "dddd, mmmm ds, YYYY") << language;
    EXPECT_EQ(l.LongDate(idFrench), "dddd ds mmmm YYYY") << "a language's own string stays";
}

// Every language has every name, picture and message, its own or English's; the range
// messages hold as many "%s" as bounds they write.
TEST(LanguageStrings, EveryLanguageHasEveryNamePictureAndMessage) {
    const Language& l = GetLanguage();
    const auto placeholders = [](const std::string& text) {
        int count = 0;
        for (std::size_t at = text.find("%s"); at != std::string::npos;
             at = text.find("%s", at + 2))
            ++count;
        return count;
    };
    std::vector<int> offsets;
    for (int offset = 1; offset <= 40; ++offset)
        offsets.push_back(offset);
    for (int offset = Language::sDateField; offset <= Language::sDateNotAfter; ++offset)
        offsets.push_back(offset);
    offsets.push_back(Language::sInvalidRange);
    offsets.push_back(Language::sValueRange);
    for (const int32_t language : allLanguages) {
        for (const int offset : offsets)
            EXPECT_FALSE(l.LoadStringA(offset, language).empty()) << language << " " << offset;
        for (const int offset : {Language::sDateRange, Language::sTimeRange, Language::sValueRange})
            EXPECT_EQ(placeholders(l.LoadStringA(offset, language)), 2)
                << language << " " << offset;
        for (const int offset : {Language::sDateNotBefore, Language::sDateNotAfter})
            EXPECT_EQ(placeholders(l.LoadStringA(offset, language)), 1)
                << language << " " << offset;
    }
}

TEST(LanguageCurrent, ZeroMeansCurrentLanguage) {
    IntlEnvironment environment;
    Language& l = GetLanguage();
    l.SetCurrentLanguage(idGerman);
    EXPECT_EQ(l.LongMonth(3), "März");
    EXPECT_EQ(l.LoadStringA(Language::sDateField), "Datum");
    EXPECT_EQ(l.LongMonthIndex("MÄRZ"), 3);
    EXPECT_EQ(l.SysLanguageId(), 7);
    const std::vector<std::pair<int32_t, int>> ids{
        {idEnglish, 9},  {idDutch, 19},      {idFrench, 12},  {idGerman, 7},
        {idItalian, 16}, {idPortuguese, 22}, {idSpanish, 10}, {12345, 0}};
    for (const auto& [base, id] : ids) {
        l.SetCurrentLanguage(base);
        EXPECT_EQ(l.SysLanguageId(), id) << base;
    }
    EXPECT_EQ(l.LongMonth(1), ""); // an unknown current language has no strings
}

TEST(LanguageCurrent, NewObjectStartsEnglishWithoutPictures) {
    const Language fresh;
    EXPECT_EQ(fresh.Current(), idEnglish);
    EXPECT_EQ(fresh.SystemDefault(), idEnglish);
    EXPECT_EQ(fresh.SysShortDate(), "");
    EXPECT_EQ(fresh.SysLongDate(), "");
}

} // namespace
