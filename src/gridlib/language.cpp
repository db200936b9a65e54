#include "language.h"

#include "language_tables.h"
#include "system_intl.h"
#include "utf8_text.h"

namespace {

constexpr const char* defaultShortDate = "MM/dd/yyyy";
constexpr const char* defaultLongDate = "dddd, MM/dd/yyyy";
constexpr const char* defaultLanguageCode = "Eng";
constexpr std::size_t maxPictureBytes = 79;
constexpr std::size_t maxLanguageCodeBytes = 3;

constexpr int longMonthOffset = 1;
constexpr int shortMonthOffset = 13;
constexpr int longDayOffset = 25;
constexpr int shortDayOffset = 32;
constexpr int longDateOffset = 39;
constexpr int shortDateOffset = 40;
constexpr int daySuffixOffset = 40;

} // namespace

void Language::GetSystemLanguageInfo() {
    const SystemIntlSettings settings = ReadSystemIntlSettings();
    shortDatePicture =
        Utf8Truncate(settings.shortDatePicture.value_or(defaultShortDate), maxPictureBytes);
    longDatePicture =
        Utf8Truncate(settings.longDatePicture.value_or(defaultLongDate), maxPictureBytes);
    const std::string code = Utf8Upper(
        Utf8Truncate(settings.languageCode.value_or(defaultLanguageCode), maxLanguageCodeBytes));
    const int32_t base = BaseForSystemCode(code);
    current = base != 0 ? base : idEnglish;
    systemDefault = current;
}

std::string Language::LoadStringA(int offset, int32_t language) const {
    const LanguageStrings* table = FindLanguage(language == 0 ? current : language);
    if (table == nullptr)
        return {};
    const char* text = StringAtOffset(*table, offset);
    if (text == nullptr && table->base != englishBase) // a string the language lacks
        text = StringAtOffset(*FindLanguage(englishBase), offset);
    return text ? std::string(text) : std::string();
}

std::string Language::LongMonth(int month, int32_t language) const {
    return (month >= 1 && month <= 12) ? LoadStringA(longMonthOffset - 1 + month, language) : "";
}

std::string Language::ShortMonth(int month, int32_t language) const {
    return (month >= 1 && month <= 12) ? LoadStringA(shortMonthOffset - 1 + month, language) : "";
}

std::string Language::LongDay(int weekDay, int32_t language) const {
    return (weekDay >= 0 && weekDay <= 6) ? LoadStringA(longDayOffset + weekDay, language) : "";
}

std::string Language::ShortDay(int weekDay, int32_t language) const {
    return (weekDay >= 0 && weekDay <= 6) ? LoadStringA(shortDayOffset + weekDay, language) : "";
}

std::string Language::LongDate(int32_t language) const {
    return LoadStringA(longDateOffset, language);
}

std::string Language::ShortDate(int32_t language) const {
    return LoadStringA(shortDateOffset, language);
}

std::string Language::DaySuffix(int day, int32_t language) const {
    return (day >= 1 && day <= 31) ? LoadStringA(daySuffixOffset + day, language) : "";
}

int Language::FindName(std::string_view text, int firstOffset, int count, int32_t language) const {
    for (int i = 0; i < count; ++i) {
        const std::string name = LoadStringA(firstOffset + i, language);
        if (!name.empty() && Utf8EqualNoCase(name, text))
            return i;
    }
    return count;
}

int Language::LongMonthIndex(std::string_view text, int32_t language) const {
    const int index = FindName(text, longMonthOffset, 12, language);
    return index < 12 ? index + 1 : 0;
}

int Language::ShortMonthIndex(std::string_view text, int32_t language) const {
    const int index = FindName(text, shortMonthOffset, 12, language);
    return index < 12 ? index + 1 : 0;
}

int Language::LongDayIndex(std::string_view text, int32_t language) const {
    return FindName(text, longDayOffset, 7, language);
}

int Language::ShortDayIndex(std::string_view text, int32_t language) const {
    return FindName(text, shortDayOffset, 7, language);
}

int Language::SysLanguageId() const {
    const LanguageStrings* table = FindLanguage(current);
    return table ? table->systemId : 0;
}

Language& GetLanguage() {
    static Language shared = [] {
        Language language;
        language.GetSystemLanguageInfo();
        return language;
    }();
    return shared;
}
