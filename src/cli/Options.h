#pragma once
// Command-line options of the form "--name value" and "--flag", and plain arguments. "--" ends
// the options: every argument after it is a plain argument, even one that starts with '-'.

#include "cli/Commands.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class Options {
public:
    // Splits the arguments; `valued` names the options that take a value, `flags` those that
    // do not. Anything else is an error (see error()).
    Options(Args args, const std::set<std::string>& valued, const std::set<std::string>& flags);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& name) const { return values_.count(name) > 0; }
    bool flag(const std::string& name) const { return flags_.count(name) > 0; }
    std::string text(const std::string& name, const std::string& fallback = "") const;

    // Checks the plain arguments against `names`, what each one is ("JOB.kvj"): sets the error
    // "JOB.kvj is required" when one is missing and "unexpected argument X" for one too many.
    // Returns ok().
    bool expectArguments(std::initializer_list<const char*> names);
    // Sets the error "--name is required" for the first of `names` not given. Returns ok().
    bool require(std::initializer_list<const char*> names);

    // The option as a whole number within [low, high]; when it is absent, `fallback`. Sets the
    // error ("Value not in range low..high") and returns nullopt when it is not.
    std::optional<int32_t> integer(const std::string& name, int32_t fallback, int32_t low,
                                   int32_t high);
    // The option as a finite number within [low, high]; the same rules. A `unit` given is named
    // after the range in the error ("Value not in range -45.6..15.6 °C").
    std::optional<double> real(const std::string& name, double fallback, double low, double high,
                               const std::string& unit = "");

private:
    void RangeError(const std::string& name, const std::string& low, const std::string& high,
                    const std::string& unit = "");

    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::string error_;
};

// Prints why (when given) and the command's synopsis to stderr; returns the usage exit status.
int UsageError(const std::string& synopsis, const std::string& why);
