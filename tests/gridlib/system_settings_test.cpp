#include "intl_environment.h"
#include "intldate.h"
#include "language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SystemSettings : ::testing::Test {
    IntlEnvironment environment;
    Language& language = GetLanguage();
};

TEST_F(SystemSettings, DefaultsWhenNothingIsSet) {
    environment.WriteIntlFile("[other]\nsLanguage=DEU\n");
    language.SetCurrentLanguage(idGerman);
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.SysShortDate(), "MM/dd/yyyy");
    EXPECT_EQ(language.SysLongDate(), "dddd, MM/dd/yyyy");
    EXPECT_EQ(language.Current(), idEnglish);
    EXPECT_EQ(language.SystemDefault(), idEnglish);
}

TEST_F(SystemSettings, LocaleVariablesInOrderOfPrecedence) {
    environment.SetVariable("LANG", "de_DE.UTF-8");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idGerman);
    environment.SetVariable("LC_TIME", "fr_CA");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idFrench);
    environment.SetVariable("LC_ALL", "pt_BR.UTF-8@euro");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idPortuguese);
    EXPECT_EQ(language.SystemDefault(), idPortuguese);
    environment.SetVariable("LC_ALL", "C.UTF-8");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idEnglish);
}

TEST_F(SystemSettings, IntlFileOverridesLocale) {
    environment.SetVariable("LANG", "de_DE.UTF-8");
    environment.WriteIntlFile("; settings\r\n[Other]\r\nsShortDate=yyyy\r\n"
                              "[INTL]\r\n  SSHORTDATE = dd.MM.yyyy \r\n"
                              "sLongDate=\"dddd d. MMMM yyyy\"\r\nsLanguage=esp\r\n"
                              "sShortDate=ignored\r\n");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.SysShortDate(), "dd.MM.yyyy");
    EXPECT_EQ(language.SysLongDate(), "dddd d. MMMM yyyy");
    EXPECT_EQ(language.Current(), idSpanish);
}

TEST_F(SystemSettings, LanguageCodeIsCutToThreeLettersAndLookedUp) {
    environment.WriteIntlFile("[intl]\nsLanguage=nldx\n");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idDutch);
    environment.WriteIntlFile("[intl]\nsLanguage=XYZ\n");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idEnglish);
    EXPECT_EQ(language.SystemDefault(), idEnglish);
}

TEST_F(SystemSettings, LongPictureIsCutTo79Bytes) {
    environment.WriteIntlFile("[intl]\nsShortDate=" + std::string(100, 'd') + "\n");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.SysShortDate(), std::string(79, 'd'));
}

TEST_F(SystemSettings, UnreadableOrEmptySettingsFallBackToDefaults) {
    const char garbage[] = "\0\xff[intl\nsShortDate=dd\n\x01=\x02";
    environment.WriteIntlFile(std::string(garbage, sizeof garbage - 1));
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.SysShortDate(), "MM/dd/yyyy");
    environment.WriteIntlFile("[intl]\nsShortDate=\n");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.SysShortDate(), "MM/dd/yyyy");
}

TEST_F(SystemSettings, HomeConfigFolderWhenXdgIsUnset) {
    environment.WriteIntlFile("[intl]\nsLanguage=ITA\n");
    environment.UnsetVariable("XDG_CONFIG_HOME");
    environment.SetVariable("HOME", (environment.ConfigHome() / "home").string());
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idEnglish);
    std::filesystem::create_directories(environment.ConfigHome() / "home" / ".config");
    std::filesystem::rename(environment.ConfigHome() / "cellix",
                            environment.ConfigHome() / "home" / ".config" / "cellix");
    language.GetSystemLanguageInfo();
    EXPECT_EQ(language.Current(), idItalian);
}

TEST_F(SystemSettings, FormattingWithoutPictureUsesAndKeepsSystemPicture) {
    environment.WriteIntlFile("[intl]\nsShortDate=dd.MM.yyyy\n");
    language.SetCurrentLanguage(idGerman);
    const IntlDate date(1, 5, 1998);
    EXPECT_EQ(date.String(), "01.05.1998");
    EXPECT_EQ(IntlDate::GetPicture(), "dd.MM.yyyy");
    EXPECT_EQ(language.Current(), idEnglish); // reset to the system's language
    EXPECT_EQ(IntlDate("24.12.2001"), IntlDate(24, 12, 2001));
}

} // namespace
