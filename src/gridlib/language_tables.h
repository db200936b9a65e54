#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The built-in string tables of the seven languages. A null entry is a missing string, except
// among the day suffixes, where it is a day without a suffix.
struct LanguageStrings {
    int32_t base; // string id of offset 0
    int systemId; // the operating system's primary language id
    const char* longMonths[12];
    const char* shortMonths[12];
    const char* longDays[7]; // Monday first
    const char* shortDays[7];
    const char* longDatePicture;
    const char* shortDatePicture;
    const char* daySuffixes[31];
    const char* fieldMessages[10]; // offsets 72 to 81
    const char* dateBounds[2];     // offsets 82 and 83: a date range with one bound
    const char* invalidNumber;     // offset 98
    const char* numberRange;       // offset 99
};

inline constexpr int32_t englishBase = 20000;

// Highest string offset inside one language's table.
inline constexpr int lastStringOffset = 99;

std::span<const LanguageStrings> AllLanguages();

// The table of the given base number, or nullptr when no language has that base.
const LanguageStrings* FindLanguage(int32_t base);

// The string at the offset, or nullptr when the offset holds no string.
const char* StringAtOffset(const LanguageStrings& language, int offset);

// Base number for a system language code such as "DEU" (already upper-cased); 0 when unknown.
int32_t BaseForSystemCode(std::string_view code);
