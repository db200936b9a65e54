#include "tables/NumberText.h"

#include <charconv>

namespace {

constexpr std::string_view CurrencySigns[] = {"$", "\xE2\x82\xAC", "\x80", "\xC2\xA3", "\xA3"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool TakeCurrencyPrefix(std::string_view& text) {
    for (std::string_view sign : CurrencySigns)
        if (text.starts_with(sign)) {
            text = TrimBlanks(text.substr(sign.size()));
            return true;
        }
    return false;
}

bool TakeCurrencySuffix(std::string_view& text) {
    for (std::string_view sign : CurrencySigns)
        if (text.ends_with(sign)) {
            text = TrimBlanks(text.substr(0, text.size() - sign.size()));
            return true;
        }
    return false;
}

bool TakeMinus(std::string_view& text) {
    if (!text.starts_with('-'))
        return false;
    text.remove_prefix(1);
    return true;
}

// Integer digits, either plain or grouped in threes by one of `groupMarks` ("12,400"); the
// digits go to `digits`.
bool ReadWholeDigits(std::string_view text, std::string_view groupMarks, std::string& digits) {
    const std::size_t mark =
        groupMarks.empty() ? std::string_view::npos : text.find_first_of(groupMarks);
    if (mark == std::string_view::npos) {
        for (char c : text)
            if (!IsDigit(c))
                return false;
        digits.assign(text);
        return true;
    }
    // The first group has one to three digits, every other group exactly three after the same
    // mark.
    const char separator = text[mark];
    if (mark == 0 || mark > 3)
        return false;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = std::min(text.find(separator, at), text.size());
        const std::size_t length = end - at;
        if ((at == 0 ? length == 0 || length > 3 : length != 3))
            return false;
        for (std::size_t i = at; i < end; ++i) {
            if (!IsDigit(text[i]))
                return false;
            digits += text[i];
        }
        if (end == text.size())
            return true;
        at = end + 1;
    }
}

std::optional<NumberText> ReadDigits(std::string_view text, bool negative, char decimalMark,
                                     std::string_view groupMarks) {
    const std::size_t point = text.find(decimalMark);
    const std::string_view wholeText = text.substr(0, point);
    const std::string_view fractionText =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    NumberText number;
    if (!ReadWholeDigits(wholeText, groupMarks, number.whole))
        return std::nullopt;
    for (char c : fractionText)
        if (!IsDigit(c))
            return std::nullopt;
    // Digits on one side of the point at least, and a point needs digits after it.
    if ((number.whole.empty() && fractionText.empty()) ||
        (point != std::string_view::npos && fractionText.empty()))
        return std::nullopt;
    number.whole.erase(0, std::min(number.whole.find_first_not_of('0'), number.whole.size()));
    number.fraction.assign(fractionText);
    number.fraction.erase(
        std::min(number.fraction.find_last_not_of('0') + 1, number.fraction.size()));
    number.negative = negative && !(number.whole.empty() && number.fraction.empty());
    return number;
}

} // namespace

double NumberText::value() const {
    const std::string text = plain();
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

std::string NumberText::plain() const {
    std::string text = negative ? "-" : "";
    text += whole.empty() ? "0" : whole;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

std::optional<NumberText> ReadPlainNumber(std::string_view text) {
    const bool negative = TakeMinus(text);
    return ReadDigits(text, negative, '.', {});
}

std::optional<NumberText> ReadSpreadsheetNumber(std::string_view text, DecimalMark mark) {
    text = TrimBlanks(text);
    bool negative = TakeMinus(text);
    if (TakeCurrencyPrefix(text)) {
        if (!negative)
            negative = TakeMinus(text);
    } else {
        TakeCurrencySuffix(text);
    }
    if (mark == DecimalMark::Comma)
        return ReadDigits(text, negative, ',', ". ");
    return ReadDigits(text, negative, '.', ",");
}

std::optional<std::string> FormatStoredNumber(const NumberText& number, int width, int decimals) {
    if (number.fraction.size() > static_cast<std::size_t>(decimals))
        return std::nullopt;
    std::string text = number.negative ? "-" : "";
    text += number.whole.empty() ? "0" : number.whole;
    if (decimals > 0) {
        text += '.';
        text += number.fraction;
        text.append(static_cast<std::size_t>(decimals) - number.fraction.size(), '0');
    }
    if (text.size() > static_cast<std::size_t>(width))
        return std::nullopt;
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}
