#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

// Puts the process into known international settings for one test: a fresh configuration
// folder (XDG_CONFIG_HOME) with an optional cellix/intl.ini, no locale variables, and the
// shared Language and date/time classes reset. Everything is put back when it goes out of scope.
class IntlEnvironment {
public:
    IntlEnvironment();
    ~IntlEnvironment();
    IntlEnvironment(const IntlEnvironment&) = delete;
    IntlEnvironment& operator=(const IntlEnvironment&) = delete;

    void SetVariable(const std::string& name, const std::string& value);
    void UnsetVariable(const std::string& name);
    // Writes cellix/intl.ini in the configuration folder.
    void WriteIntlFile(const std::string& content);
    const std::filesystem::path& ConfigHome() const { return configHome; }

private:
    void Remember(const std::string& name);

    std::filesystem::path configHome;
    std::map<std::string, std::optional<std::string>> saved;
};
