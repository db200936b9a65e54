#include "system_intl.h"

#include "profile_file.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

struct LocaleCode {
    std::string_view language; // ISO 639-1 code of the locale name
    std::string_view code;
};

constexpr std::array<LocaleCode, 7> localeCodes{{
    {"en", "ENG"},
    {"nl", "NLD"},
    {"fr", "FRA"},
    {"de", "DEU"},
    {"it", "ITA"},
    {"pt", "PTG"},
    {"es", "ESN"},
}};

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view{};
}

std::optional<std::string> NonEmpty(std::optional<std::string> value) {
    if (value && value->empty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::filesystem::path> SystemIntlFile() {
    const std::filesystem::path configHome(Environment("XDG_CONFIG_HOME"));
    if (configHome.is_absolute())
        return configHome / "cellix" / "intl.ini";
    const std::filesystem::path home(Environment("HOME"));
    if (home.empty())
        return std::nullopt;
    return home / ".config" / "cellix" / "intl.ini";
}

std::optional<std::string> LocaleLanguageCode() {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        locale = Environment(name);
        if (!locale.empty())
            break;
    }
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    for (const LocaleCode& entry : localeCodes) {
        if (language == entry.language)
            return std::string(entry.code);
    }
    return std::nullopt;
}

SystemIntlSettings ReadSystemIntlSettings() {
    SystemIntlSettings settings;
    if (const std::optional<std::filesystem::path> file = SystemIntlFile()) {
        const ProfileFile profile = ProfileFile::Load(*file);
        settings.shortDatePicture = NonEmpty(profile.Read("intl", "sShortDate"));
        settings.longDatePicture = NonEmpty(profile.Read("intl", "sLongDate"));
        settings.languageCode = NonEmpty(profile.Read("intl", "sLanguage"));
    }
    if (!settings.languageCode)
        settings.languageCode = LocaleLanguageCode();
    return settings;
}
