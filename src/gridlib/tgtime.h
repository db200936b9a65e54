#pragma once

#include "cellix32_export.h"

#include <chrono>
#include <compare>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The field that Set, Inc and Dec work on.
enum class TimeElement : int { Hours = 0, Minutes = 1, Seconds = 2, Milliseconds = 3 };
// Asks the constructor for the current time of day.
enum class TimeConstant : int { Now = 0 };

#pragma pack(push, 1)

// A signed span of time in hours (not limited to 23), minutes, seconds and milliseconds, with
// its value in seconds. The value carries the sign; the fields hold the magnitude. Magnitudes
// are held to at most 65535:59:59.999, and a value that is not a number gives the zero time.
//
// Pictures: H hours, M minutes, S seconds (longer runs pad with zeros; MMM and SSS write the
// total minutes or seconds), h and m the fraction of an hour or a minute in n digits, s the
// milliseconds. Quotes and backslashes mark literal text; the sign is never written.
class CELLIX32_API TGTime {
public:
    static constexpr double maxSeconds = 65535.0 * 3600 + 3599.999;

    TGTime() = default;
    explicit TGTime(TimeConstant) { Now(); }
    TGTime(int h, int m, int s, int ms) { Set(h, m, s, ms); }
    explicit TGTime(double seconds) { *this = seconds; }
    // Reads the text as InterpretString does; an empty picture means "HH:MM:SS".
    explicit TGTime(std::string_view text, std::string_view picture = {}) {
        InterpretString(text, picture);
    }
    explicit TGTime(const std::chrono::hh_mm_ss<std::chrono::milliseconds>& time) { *this = time; }

    int Hours() const { return hours; }
    int Minutes() const { return minutes; }
    int Seconds() const { return seconds; }
    int Milliseconds() const { return milliseconds; }
    int Sign() const { return sign; }
    double Value() const { return value; }

    // The sign comes from h; minutes and seconds are kept to 8 bits, milliseconds to 16.
    TGTime& Set(int h, int m, int s, int ms);
    // Sets hours always (a negative value also sets the sign), minutes and seconds only below
    // 60, milliseconds only below 1000.
    TGTime& Set(int v, TimeElement element);
    TGTime& Inc(TimeElement element, double n);
    TGTime& Dec(TimeElement element, double n) { return Inc(element, -n); }
    TGTime& Now();

    // Value from the fields and the sign.
    void ToTime();
    // Sign and fields from the value, rounded to the millisecond.
    void CalcHMS();
    bool IsValid() const { return minutes <= 59 && seconds <= 59 && milliseconds <= 999; }
    uint16_t DosTime() const;

    // The time written under the picture ("HH:MM:SS" when empty); the zero time and an invalid
    // time give the empty text.
    std::string String(std::string_view picture = {}) const;
    // Reads a time typed under the picture ("HH:MM:SS" when empty).
    TGTime& InterpretString(std::string_view text, std::string_view picture = {});

    static const std::string& GetPicture() { return Picture; }
    static void SetPicture(std::string_view picture) { Picture = picture; }

    TGTime& operator=(double newSeconds);
    TGTime& operator=(const std::chrono::hh_mm_ss<std::chrono::milliseconds>& time);
    explicit operator double() const { return value; }
    explicit operator std::chrono::hh_mm_ss<std::chrono::milliseconds>() const;

    TGTime& operator+=(double s) { return *this = value + s; }
    TGTime& operator-=(double s) { return *this = value - s; }
    TGTime& operator*=(double factor) { return *this = value * factor; }
    // Dividing by zero gives the zero time.
    TGTime& operator/=(double divisor) { return *this = divisor == 0 ? 0.0 : value / divisor; }
    TGTime operator+(double s) const { return TGTime(*this) += s; }
    TGTime operator-(double s) const { return TGTime(*this) -= s; }
    TGTime operator*(double factor) const { return TGTime(*this) *= factor; }
    TGTime operator/(double divisor) const { return TGTime(*this) /= divisor; }
    double operator-(const TGTime& other) const { return value - other.value; }

    bool operator==(const TGTime& other) const { return value == other.value; }
    bool operator==(double s) const { return value == s; }
    std::partial_ordering operator<=>(const TGTime& other) const { return value <=> other.value; }
    std::partial_ordering operator<=>(double s) const { return value <=> s; }

    friend std::ostream& operator<<(std::ostream& out, const TGTime& time) {
        return out << time.String();
    }
    // Reads one word under "HH:MM:SS".
    friend std::istream& operator>>(std::istream& in, TGTime& time) {
        std::string word;
        if (in >> word)
            time.InterpretString(word);
        return in;
    }

private:
    static std::string Picture;

    uint16_t hours = 0;
    uint16_t minutes = 0;
    uint16_t seconds = 0;
    uint16_t milliseconds = 0;
    int16_t sign = 1;
    double value = 0;
};

#pragma pack(pop)

static_assert(sizeof(TGTime) == 18, "TGTime keeps its 18-byte layout");
