#include "cli/Options.h"

#include "cli/ExitCodes.h"

#include <cctype>
#include <charconv>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

// A range end as people write it: "400", "0.5".
std::string Shortest(double value) {
    std::ostringstream text;
    text << std::setprecision(12) << value;
    return text.str();
}

// The one way every number option is written: an optional minus sign and digits, and where a
// fraction is allowed a decimal point followed by digits ("0.5", ".5"). No blanks, plus sign,
// exponent or hexadecimal.
bool PlainNumber(const std::string& text, bool fraction) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t intStart = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        ++at;
    bool digits = at > intStart;
    if (fraction && at < text.size() && text[at] == '.') {
        const std::size_t fracStart = ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        if (at == fracStart)
            return false; // a point needs digits after it
        digits = true;
    }
    return digits && at == text.size();
}

} // namespace

Options::Options(Args args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && error_.empty(); ++i) {
        const std::string arg(args[i]);
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (flags_.count(arg) || values_.count(arg)) {
            error_ = arg + " is given more than once";
        } else if (flags.count(arg)) {
            flags_.insert(arg);
        } else if (valued.count(arg)) {
            if (i + 1 >= args.size())
                error_ = arg + " needs a value";
            else
                values_[arg] = std::string(args[++i]);
        } else {
            error_ = "unknown option " + arg;
        }
    }
}

std::string Options::text(const std::string& name, const std::string& fallback) const {
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

bool Options::expectArguments(std::initializer_list<const char*> names) {
    if (!error_.empty())
        return false;
    if (positional_.size() < names.size())
        error_ = std::string(names.begin()[positional_.size()]) + " is required";
    else if (positional_.size() > names.size())
        error_ = "unexpected argument " + positional_[names.size()];
    return ok();
}

bool Options::require(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (error_.empty() && !has(name))
            error_ = std::string(name) + " is required";
    }
    return ok();
}

std::optional<int32_t> Options::integer(const std::string& name, int32_t fallback, int32_t low,
                                        int32_t high) {
    const auto it = values_.find(name);
    if (it == values_.end())
        return fallback;
    const std::string& text = it->second;
    long long value = 0;
    if (!PlainNumber(text, false) ||
        std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc() ||
        value < low || value > high) {
        RangeError(name, std::to_string(low), std::to_string(high));
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

std::optional<double> Options::real(const std::string& name, double fallback, double low,
                                    double high, const std::string& unit) {
    const auto it = values_.find(name);
    if (it == values_.end())
        return fallback;
    const std::string& text = it->second;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!PlainNumber(text, true) || error != std::errc() || end != text.data() + text.size() ||
        !(value >= low) || !(value <= high)) {
        RangeError(name, Shortest(low), Shortest(high), unit);
        return std::nullopt;
    }
    return value;
}

void Options::RangeError(const std::string& name, const std::string& low, const std::string& high,
                         const std::string& unit) {
    error_ = name + ": Value not in range " + low + ".." + high;
    if (!unit.empty())
        error_ += " " + unit;
}

int UsageError(const std::string& synopsis, const std::string& why) {
    if (!why.empty())
        std::cerr << why << "\n";
    std::cerr << "usage: quelbox-cli " << synopsis << "\n";
    return ExitUsage;
}
