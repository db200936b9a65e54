#include "cli/Options.h"

#include "cli/ExitCodes.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
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

} // namespace

Options::Options(Args args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size() && error_.empty(); ++i) {
        const std::string arg(args[i]);
        if (arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
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

std::optional<int32_t> Options::integer(const std::string& name, int32_t fallback, int32_t low,
                                        int32_t high) {
    const auto it = values_.find(name);
    if (it == values_.end())
        return fallback;
    const char* start = it->second.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(start, &end, 10);
    if (end == start || *end != 0 || errno == ERANGE || value < low || value > high) {
        RangeError(name, std::to_string(low), std::to_string(high));
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

std::optional<double> Options::real(const std::string& name, double fallback, double low,
                                    double high) {
    const auto it = values_.find(name);
    if (it == values_.end())
        return fallback;
    const std::string& text = it->second;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= low) ||
        !(value <= high)) {
        RangeError(name, Shortest(low), Shortest(high));
        return std::nullopt;
    }
    return value;
}

void Options::RangeError(const std::string& name, const std::string& low, const std::string& high) {
    error_ = name + ": Value not in range " + low + ".." + high;
}

int UsageError(const char* synopsis, const std::string& why) {
    if (!why.empty())
        std::cerr << why << "\n";
    std::cerr << "usage: quelbox-cli " << synopsis << "\n";
    return ExitUsage;
}
