#include "local_clock.h"

#include <chrono>
#include <ctime>

LocalClock ReadLocalClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto sinceEpoch = now.time_since_epoch();
    const auto millis =
        duration_cast<milliseconds>(sinceEpoch - duration_cast<std::chrono::seconds>(sinceEpoch));
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {1970, 1, 1, 0, 0, 0, 0};
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec > 59 ? 59 : local.tm_sec,
            static_cast<int>(millis.count() < 0 ? 0 : millis.count())};
}
