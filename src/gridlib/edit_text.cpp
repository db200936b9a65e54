#include "edit_text.h"

#include "language.h"
#include "number_text.h"
#include "tgtime.h"
#include "time_picture.h"

std::string SignedTimeText(const TGTime& time, std::string_view picture) {
    std::string text = time.String(picture);
    if (time.Sign() < 0 && !text.empty())
        text.insert(0, 1, '-');
    return text;
}

std::string TimeBoundText(const TGTime& time, std::string_view picture) {
    if (time.Value() != 0 || !time.IsValid())
        return SignedTimeText(time, picture);
    return FormatTimePicture(time, picture);
}

std::string DateRangeMessage(const std::string& min, const std::string& max) {
    const Language& language = GetLanguage();
    if (min.empty() == max.empty())
        return FillPlaceholders(language.LoadStringA(Language::sDateRange), min, max);
    if (max.empty())
        return FillPlaceholders(language.LoadStringA(Language::sDateNotBefore), min, {});
    return FillPlaceholders(language.LoadStringA(Language::sDateNotAfter), max, {});
}
