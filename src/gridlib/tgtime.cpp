#include "tgtime.h"

#include "local_clock.h"
#include "time_picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* defaultTimePicture = "HH:MM:SS";
constexpr int64_t maxHours = 65535;

uint16_t HeldHours(int64_t magnitude) {
    return static_cast<uint16_t>(std::min(magnitude, maxHours));
}

} // namespace

std::string TGTime::Picture = defaultTimePicture;

TGTime& TGTime::Set(int h, int m, int s, int ms) {
    sign = h < 0 ? -1 : 1;
    hours = HeldHours(h < 0 ? -int64_t{h} : int64_t{h});
    minutes = static_cast<uint8_t>(m);
    seconds = static_cast<uint8_t>(s);
    milliseconds = static_cast<uint16_t>(ms);
    ToTime();
    return *this;
}

TGTime& TGTime::Set(int v, TimeElement element) {
    switch (element) {
    case TimeElement::Hours:
        sign = v < 0 ? -1 : 1;
        hours = HeldHours(v < 0 ? -int64_t{v} : int64_t{v});
        break;
    case TimeElement::Minutes:
        if (v >= 0 && v < 60)
            minutes = static_cast<uint16_t>(v);
        break;
    case TimeElement::Seconds:
        if (v >= 0 && v < 60)
            seconds = static_cast<uint16_t>(v);
        break;
    case TimeElement::Milliseconds:
        if (v >= 0 && v < 1000)
            milliseconds = static_cast<uint16_t>(v);
        break;
    }
    ToTime();
    return *this;
}

TGTime& TGTime::Inc(TimeElement element, double n) {
    double unit = 0.001;
    switch (element) {
    case TimeElement::Hours:
        unit = 3600;
        break;
    case TimeElement::Minutes:
        unit = 60;
        break;
    case TimeElement::Seconds:
        unit = 1;
        break;
    case TimeElement::Milliseconds:
        break;
    }
    return *this = value + n * unit;
}

TGTime& TGTime::Now() {
    const LocalClock now = ReadLocalClock();
    return Set(now.hours, now.minutes, now.seconds, now.milliseconds);
}

void TGTime::ToTime() {
    const int64_t totalMillis =
        ((int64_t{hours} * 60 + minutes) * 60 + seconds) * 1000 + int64_t{milliseconds};
    value = static_cast<double>(totalMillis) / 1000.0;
    if (sign < 0)
        value = -value;
}

void TGTime::CalcHMS() {
    const double current = std::isnan(value) ? 0.0 : value;
    const double magnitude = std::min(std::fabs(current), maxSeconds);
    const int64_t totalMillis = static_cast<int64_t>(std::floor(magnitude * 1000 + 0.5));
    sign = (current < 0 && totalMillis != 0) ? -1 : 1;
    const int64_t wholeSeconds = totalMillis / 1000;
    hours = HeldHours(wholeSeconds / 3600);
    minutes = static_cast<uint16_t>(wholeSeconds / 60 % 60);
    seconds = static_cast<uint16_t>(wholeSeconds % 60);
    milliseconds = static_cast<uint16_t>(totalMillis % 1000);
    value = static_cast<double>(totalMillis) / 1000.0;
    if (sign < 0)
        value = -value;
}

uint16_t TGTime::DosTime() const {
    return static_cast<uint16_t>(seconds / 2 + minutes * 32 + int64_t{hours} * 2048);
}

std::string TGTime::String(std::string_view picture) const {
    if (picture.empty()) {
        Picture = defaultTimePicture;
        picture = Picture;
    }
    if (value == 0 || !IsValid())
        return {};
    return FormatTimePicture(*this, picture);
}

TGTime& TGTime::InterpretString(std::string_view text, std::string_view picture) {
    if (picture.empty()) {
        Picture = defaultTimePicture;
        picture = Picture;
    }
    const TimeReading reading = ReadTimePicture(text, picture);
    hours = static_cast<uint16_t>(reading.hours);
    minutes = static_cast<uint16_t>(reading.minutes);
    seconds = static_cast<uint16_t>(reading.seconds);
    milliseconds = static_cast<uint16_t>(reading.milliseconds);
    sign = static_cast<int16_t>(reading.sign);
    if (IsValid())
        ToTime();
    else
        value = 0;
    return *this;
}

TGTime& TGTime::operator=(double newSeconds) {
    value = newSeconds;
    CalcHMS();
    return *this;
}

TGTime& TGTime::operator=(const std::chrono::hh_mm_ss<std::chrono::milliseconds>& time) {
    sign = time.is_negative() ? -1 : 1;
    hours = HeldHours(time.hours().count());
    minutes = static_cast<uint16_t>(time.minutes().count());
    seconds = static_cast<uint16_t>(time.seconds().count());
    milliseconds = static_cast<uint16_t>(time.subseconds().count());
    ToTime();
    return *this;
}

TGTime::operator std::chrono::hh_mm_ss<std::chrono::milliseconds>() const {
    return std::chrono::hh_mm_ss<std::chrono::milliseconds>(
        std::chrono::milliseconds(std::llround(value * 1000)));
}
