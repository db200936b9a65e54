// libFuzzer target: dates and times typed under arbitrary pictures, in every language.
// Input: one byte of settings, then the text, a zero byte, and the picture.
#include "intldate.h"
#include "language.h"
#include "tgtime.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int32_t languages[] = {0,        idEnglish, idDutch,      idFrench,
                                 idGerman, idItalian, idPortuguese, idSpanish};

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckDate(std::string_view text, std::string_view picture, int32_t language) {
    const IntlDate date(text, picture, language);
    if (!date.IsValid()) {
        Check(date.DayNumber() == 0);
        Check(date.String(picture, language).empty());
        return;
    }
    const IntlDate fromNumber(date.DayNumber());
    Check(fromNumber.Day() == date.Day() && fromNumber.Month() == date.Month() &&
          fromNumber.Year() == date.Year());
    Check(date.DoW() >= 0 && date.DoW() <= 6);
    Check(date.WoY(date.DoW()) >= 1 && date.WoY(0) <= 54);
    const std::string written = date.String(picture, language);
    Check(written.size() <= 16 + picture.size() * 256);
    if (date.Year() <= 9999)
        Check(IntlDate(date.String("dd/mm/yyyy"), "dd/mm/yyyy") == date);
    Check((date + 400) - date == 400 || (date + 400).IsNull());
    IntlDate stepped = date;
    stepped.Inc(DateElement::Month, static_cast<long>(text.size()) - 20);
    Check(stepped.IsNull() || stepped.IsValid());
}

void CheckTime(std::string_view text, std::string_view picture) {
    const TGTime time(text, picture);
    Check(time.IsValid());
    Check(std::isfinite(time.Value()) && std::fabs(time.Value()) <= TGTime::maxSeconds);
    const std::string written = time.String(picture);
    Check(written.size() <= 16 + picture.size() * 8);
    const TGTime back(time.String("H:MM:SS.sss"), "H:MM:SS.sss");
    Check(back.Value() == std::fabs(time.Value()));
    Check(TGTime(time.Value()).Value() == time.Value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t settings = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = input.find('\0');
    const std::string_view text = input.substr(0, split);
    std::string_view picture =
        split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);
    if (picture.empty())
        picture = "dd/mm/yyyy"; // an empty picture would read the system settings
    const int32_t language = languages[settings & 7];
    GetLanguage().SetCurrentLanguage(idEnglish + 100 * ((settings >> 3) & 7));
    IntlDate::SetDefCentury(18 + (settings >> 6));

    CheckDate(text, picture, language);
    CheckTime(text, picture);
    Check(GetLanguage().LongMonthIndex(text, language) <= 12);
    Check(GetLanguage().ShortDayIndex(text, language) <= 7);
    Check(IntlDate(1, 5, 1998).String(picture, language).size() <= 16 + picture.size() * 256);
    return 0;
}
