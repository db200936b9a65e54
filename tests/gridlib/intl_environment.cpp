#include "intl_environment.h"

#include "intldate.h"
#include "language.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

IntlEnvironment::IntlEnvironment() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cellix-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    configHome = pattern;
    SetVariable("XDG_CONFIG_HOME", configHome.string());
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"})
        UnsetVariable(name);
    GetLanguage().GetSystemLanguageInfo();
    IntlDate::SetDefCentury(19);
}

IntlEnvironment::~IntlEnvironment() {
    for (const auto& [name, value] : saved) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
    IntlDate::SetDefCentury(19);
}

void IntlEnvironment::Remember(const std::string& name) {
    if (saved.count(name) != 0)
        return;
    const char* value = std::getenv(name.c_str());
    saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
}

void IntlEnvironment::SetVariable(const std::string& name, const std::string& value) {
    Remember(name);
    setenv(name.c_str(), value.c_str(), 1);
}

void IntlEnvironment::UnsetVariable(const std::string& name) {
    Remember(name);
    unsetenv(name.c_str());
}

void IntlEnvironment::WriteIntlFile(const std::string& content) {
    std::filesystem::create_directories(configHome / "cellix");
    std::ofstream(configHome / "cellix" / "intl.ini", std::ios::binary) << content;
}
