#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The international settings of this system, as far as they are set:
// - [intl] sShortDate, sLongDate and sLanguage of the file intl.ini in
//   $XDG_CONFIG_HOME/cellix/ (or ~/.config/cellix/ when XDG_CONFIG_HOME is unset or relative);
// - otherwise the language of the process locale (LC_ALL, then LC_TIME, then LANG), as a
//   three-letter system language code ("de_DE.UTF-8" gives "DEU").
// An empty value counts as not set.
struct SystemIntlSettings {
    std::optional<std::string> shortDatePicture;
    std::optional<std::string> longDatePicture;
    std::optional<std::string> languageCode;
};

SystemIntlSettings ReadSystemIntlSettings();

// Where the settings file is looked for; nothing when neither XDG_CONFIG_HOME nor HOME is usable.
std::optional<std::filesystem::path> SystemIntlFile();

// The three-letter system language code of the process locale, or nothing for a locale whose
// language has no table (including "C" and "POSIX").
std::optional<std::string> LocaleLanguageCode();
