#include "time_picture.h"

#include "picture_text.h"
#include "tgtime.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Digits beyond this many add nothing a double can hold.
constexpr std::size_t maxFractionDigits = 15;
constexpr int64_t maxHours = 65535;
// Limit for one number read from the text: well above any carry, far below overflow.
constexpr int64_t maxReadValue = int64_t{1} << 40;

bool IsTimeLetter(char c) {
    return c == 'H' || c == 'M' || c == 'S' || c == 'h' || c == 'm' || c == 's';
}

// A magnitude split into its fields; hours are not held to any limit here.
struct Fields {
    int64_t hours;
    int64_t minutes;
    int64_t seconds;
    int64_t milliseconds;
};

Fields SplitMillis(int64_t totalMillis) {
    const int64_t wholeSeconds = totalMillis / 1000;
    return {wholeSeconds / 3600, wholeSeconds / 60 % 60, wholeSeconds % 60, totalMillis % 1000};
}

// The step, in milliseconds, of the finest fraction of an hour (h) or of a minute (m) in the
// picture when it is coarser than a millisecond; 0 when there is none.
double FractionStep(std::string_view picture) {
    double step = 0;
    PictureScanner scanner(picture, IsTimeLetter, false);
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind != PictureToken::Kind::Field ||
            (token.text[0] != 'h' && token.text[0] != 'm'))
            continue;
        const double whole = token.text[0] == 'h' ? 3600000.0 : 60000.0;
        const double fieldStep = whole / std::pow(10.0, static_cast<double>(token.text.size()));
        if (fieldStep > 1 && (step == 0 || fieldStep < step))
            step = fieldStep;
    }
    return step;
}

// The time's magnitude, rounded to the picture's finest fraction so that a fraction that
// rounds up to a whole one carries into the whole hours or minutes (1:59:59 as H.h is 2.0).
Fields RoundedFields(const TGTime& time, std::string_view picture) {
    int64_t totalMillis =
        ((int64_t{time.Hours()} * 60 + time.Minutes()) * 60 + time.Seconds()) * 1000 +
        time.Milliseconds();
    const double step = FractionStep(picture);
    if (step > 0)
        totalMillis = std::llround(std::round(static_cast<double>(totalMillis) / step) * step);
    return SplitMillis(totalMillis);
}

// Appends fraction (0 to 1) times 10^n, rounded, zero-padded to n digits and cut to n.
void AppendFraction(std::string& out, double fraction, std::size_t n) {
    const std::size_t precise = std::min(n, maxFractionDigits);
    std::string digits;
    AppendNumber(digits, std::llround(fraction * std::pow(10.0, static_cast<double>(precise))),
                 precise);
    digits.append(n - precise, '0');
    out.append(digits, 0, n);
}

void AppendField(std::string& out, const Fields& time, std::string_view run) {
    const std::size_t n = run.size();
    const int64_t h = time.hours;
    const int64_t m = time.minutes;
    const int64_t s = time.seconds;
    const int64_t ms = time.milliseconds;
    switch (run[0]) {
    case 'H':
        AppendNumber(out, h, n == 1 ? 0 : n);
        break;
    case 'M':
        AppendNumber(out, n >= 3 ? h * 60 + m : m, n == 1 ? 0 : n);
        break;
    case 'S':
        AppendNumber(out, n >= 3 ? (h * 60 + m) * 60 + s : s, n == 1 ? 0 : n);
        break;
    case 'h':
        AppendFraction(out, m / 60.0 + s / 3600.0 + ms / 3600000.0, n);
        break;
    case 'm':
        AppendFraction(out, s / 60.0 + ms / 60000.0, n);
        break;
    default: { // 's'
        std::string millis;
        AppendNumber(millis, ms, 3);
        out.append(millis, 0, n);
        break;
    }
    }
}

// Fields while reading, wide enough for any carry.
struct WideTime {
    int64_t hours = 0;
    int64_t minutes = 0;
    int64_t seconds = 0;
    int64_t milliseconds = 0;

    void Carry() {
        seconds += milliseconds / 1000;
        milliseconds %= 1000;
        minutes += seconds / 60;
        seconds %= 60;
        hours += minutes / 60;
        minutes %= 60;
        hours = std::min(hours, maxHours);
    }
};

// A span of seconds split into whole seconds and rounded milliseconds.
struct SplitSeconds {
    int64_t whole;
    int64_t milliseconds;
};

SplitSeconds Split(double totalSeconds) {
    const double whole = std::floor(totalSeconds);
    return {static_cast<int64_t>(whole), std::llround((totalSeconds - whole) * 1000)};
}

// A number of up to window characters (any length for a single letter) at the cursor.
int64_t ReadWhole(TextCursor& cursor, std::size_t n) {
    const std::size_t window = n == 1 ? std::numeric_limits<std::size_t>::max() : n;
    const TextCursor::Number number = cursor.PeekNumber(window, maxReadValue);
    cursor.TakeChars(number.spaces);
    cursor.SkipDigits(number.digits);
    return number.value;
}

// The digits of up to n characters at the cursor read as a decimal fraction ("5" is 0.5).
double ReadFraction(TextCursor& cursor, std::size_t n) {
    const TextCursor::Number number = cursor.PeekNumber(std::min(n, maxFractionDigits), INT64_MAX);
    cursor.TakeChars(number.spaces);
    cursor.SkipDigits(n);
    return static_cast<double>(number.value) / std::pow(10.0, static_cast<double>(number.digits));
}

// Milliseconds from up to n digits, the first three of them padded on the right with "0".
int64_t ReadMilliseconds(TextCursor& cursor, std::size_t n) {
    const std::string_view rest = cursor.Rest();
    int64_t millis = 0;
    std::size_t digits = 0;
    while (digits < 3 && digits < n && digits < rest.size() && rest[digits] >= '0' &&
           rest[digits] <= '9') {
        millis = millis * 10 + (rest[digits] - '0');
        ++digits;
    }
    for (std::size_t pad = digits; pad < 3; ++pad)
        millis *= 10;
    cursor.SkipDigits(n);
    return millis;
}

} // namespace

std::string FormatTimePicture(const TGTime& time, std::string_view picture) {
    const Fields fields = RoundedFields(time, picture);
    std::string out;
    PictureScanner scanner(picture, IsTimeLetter, false);
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind == PictureToken::Kind::Literal)
            out += token.text;
        else
            AppendField(out, fields, token.text);
    }
    return out;
}

TimeReading ReadTimePicture(std::string_view text, std::string_view picture) {
    TimeReading reading;
    TextCursor cursor(text);
    cursor.SkipWhitespace();
    if (cursor.AtEnd())
        return reading;
    if (cursor.Rest().front() == '-') {
        reading.sign = -1;
        cursor.SkipChar();
    }
    WideTime wide;
    PictureScanner scanner(picture, IsTimeLetter, false);
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind == PictureToken::Kind::Literal) {
            cursor.SkipChar();
            continue;
        }
        const std::size_t n = token.text.size();
        switch (token.text[0]) {
        case 'H':
            wide.hours = ReadWhole(cursor, n);
            break;
        case 'M':
            wide.minutes = ReadWhole(cursor, n);
            break;
        case 'S':
            wide.seconds = ReadWhole(cursor, n);
            break;
        case 'h': {
            const SplitSeconds split = Split(ReadFraction(cursor, n) * 3600);
            wide.minutes = split.whole / 60;
            wide.seconds = split.whole % 60;
            wide.milliseconds = split.milliseconds;
            break;
        }
        case 'm': {
            const SplitSeconds split = Split(ReadFraction(cursor, n) * 60);
            wide.seconds = split.whole;
            wide.milliseconds = split.milliseconds;
            break;
        }
        default: // 's'
            wide.milliseconds = ReadMilliseconds(cursor, n);
            break;
        }
        wide.Carry();
    }
    reading.hours = static_cast<int>(wide.hours);
    reading.minutes = static_cast<int>(wide.minutes);
    reading.seconds = static_cast<int>(wide.seconds);
    reading.milliseconds = static_cast<int>(wide.milliseconds);
    return reading;
}
