#include "cli/Synopses.h"

std::string SynopsisIn(const char* synopsis, UnitSystem units) {
    std::string text = synopsis;
    constexpr std::string_view imperialLoad = "--load BTUH";
    const std::size_t at = text.find(imperialLoad);
    if (units == UnitSystem::Metric && at != std::string::npos)
        text.replace(at, imperialLoad.size(), "--load W");
    return text;
}
