#include "picture_text.h"

#include "utf8_text.h"

#include <algorithm>

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool PictureScanner::SameRun(char first, char next) const {
    return foldCase ? AsciiLower(first) == AsciiLower(next) : first == next;
}

PictureToken PictureScanner::LiteralAt(std::size_t start) {
    pos = start + Utf8CharLength(picture, start);
    return {PictureToken::Kind::Literal, picture.substr(start, pos - start)};
}

PictureToken PictureScanner::Next() {
    while (pos < picture.size()) {
        const char c = picture[pos];
        if (openQuote != 0 && c == openQuote) {
            openQuote = 0;
            ++pos;
            continue;
        }
        if (c == '\\') {
            if (pos + 1 >= picture.size())
                break;
            return LiteralAt(pos + 1);
        }
        if (openQuote != 0)
            return LiteralAt(pos);
        if (c == '\'' || c == '"') {
            openQuote = c;
            ++pos;
            continue;
        }
        if (isFieldLetter(c)) {
            const std::size_t start = pos;
            while (pos < picture.size() && SameRun(c, picture[pos]))
                ++pos;
            return {PictureToken::Kind::Field, picture.substr(start, pos - start)};
        }
        return LiteralAt(pos);
    }
    pos = picture.size();
    return {PictureToken::Kind::End, {}};
}

void AppendNumber(std::string& out, int64_t value, std::size_t width, char pad) {
    char digits[24];
    std::size_t count = 0;
    uint64_t rest = value < 0 ? 0 : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (width > count)
        out.append(width - count, pad);
    while (count > 0)
        out += digits[--count];
}

void TextCursor::SkipChar() {
    if (!AtEnd())
        pos += Utf8CharLength(text, pos);
}

std::string_view TextCursor::TakeChars(std::size_t count) {
    const std::size_t start = pos;
    for (std::size_t i = 0; i < count && !AtEnd(); ++i)
        SkipChar();
    return text.substr(start, pos - start);
}

std::string_view TextCursor::TakeLetters() {
    const std::size_t start = pos;
    while (!AtEnd() && Utf8IsLetterAt(text, pos))
        SkipChar();
    return text.substr(start, pos - start);
}

void TextCursor::SkipDigits(std::size_t count) {
    for (std::size_t i = 0; i < count && !AtEnd() && text[pos] >= '0' && text[pos] <= '9'; ++i)
        ++pos;
}

void TextCursor::SkipWhitespace() {
    while (!AtEnd() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
}

TextCursor::Number TextCursor::PeekNumber(std::size_t window, int64_t limit) const {
    Number number{0, 0, 0};
    const std::size_t end = pos + std::min(window, text.size() - pos);
    std::size_t at = pos;
    while (at < end && text[at] == ' ') {
        ++at;
        ++number.spaces;
    }
    while (at < end && text[at] >= '0' && text[at] <= '9') {
        const int digit = text[at] - '0';
        number.value = number.value > (limit - digit) / 10 ? limit : number.value * 10 + digit;
        ++at;
        ++number.digits;
    }
    return number;
}
