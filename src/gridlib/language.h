#pragma once

#include "cellix32_export.h"

#include <cstdint>
#include <string>
#include <string_view>

// Base numbers of the built-in languages; a language argument of 0 means the current language.
enum : int32_t {
    idEnglish = 20000,
    idDutch = 20100,
    idFrench = 20200,
    idGerman = 20300,
    idItalian = 20400,
    idPortuguese = 20500,
    idSpanish = 20600,
};

// Month and weekday names, date pictures, day suffixes and the messages of the date, time and
// number edits, in seven languages. Texts are UTF-8. One shared instance serves the library
// (GetLanguage); the current language follows the system settings.
class CELLIX32_API Language {
public:
    // String offsets inside a language's table.
    enum : int {
        sDateField = 72,
        sDateRequired = 73,
        sDateRange = 74,
        sDateIncorrect = 75,
        sDay = 76,
        sMonth = 77,
        sYear = 78,
        sTimeField = 79,
        sTimeRange = 80,
        sTimeIncorrect = 81,
        sDateNotBefore = 82, // a date range with a minimum alone (one %s)
        sDateNotAfter = 83,  // a date range with a maximum alone (one %s)
        sInvalidRange = 98,
        sValueRange = 99,
    };

    Language() = default;

    // Reads the system's date pictures and language, and makes that language current.
    void GetSystemLanguageInfo();
    void SetCurrentLanguage(int32_t base) { current = base; }

    // The string at base + offset of the language (the current one for 0); English's string
    // when the language lacks it, and empty when English lacks it too or the base is unknown.
    std::string LoadStringA(int offset, int32_t language = 0) const;

    std::string LongMonth(int month, int32_t language = 0) const;  // month 1 to 12
    std::string ShortMonth(int month, int32_t language = 0) const; // month 1 to 12
    std::string LongDay(int weekDay, int32_t language = 0) const;  // 0 Monday to 6 Sunday
    std::string ShortDay(int weekDay, int32_t language = 0) const; // 0 Monday to 6 Sunday
    std::string LongDate(int32_t language = 0) const;
    std::string ShortDate(int32_t language = 0) const;
    std::string DaySuffix(int day, int32_t language = 0) const; // day 1 to 31

    const std::string& SysShortDate() const { return shortDatePicture; }
    const std::string& SysLongDate() const { return longDatePicture; }

    // 1 to 12 for the first month name equal to the text ignoring case, 0 when none is.
    int LongMonthIndex(std::string_view text, int32_t language = 0) const;
    int ShortMonthIndex(std::string_view text, int32_t language = 0) const;
    // 0 to 6 for the first weekday name equal to the text ignoring case, 7 when none is.
    int LongDayIndex(std::string_view text, int32_t language = 0) const;
    int ShortDayIndex(std::string_view text, int32_t language = 0) const;

    // The operating system's language id of the current language; 0 for an unknown base.
    int SysLanguageId() const;

    int32_t Current() const { return current; }
    int32_t SystemDefault() const { return systemDefault; }

private:
    int FindName(std::string_view text, int firstOffset, int count, int32_t language) const;

    int32_t current = idEnglish;
    int32_t systemDefault = idEnglish;
    std::string shortDatePicture;
    std::string longDatePicture;
};

// The library's shared Language, filled from the system settings when first used.
CELLIX32_API Language& GetLanguage();
