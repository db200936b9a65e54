#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Walking a date or time picture and the text typed under it.
//
// A picture is made of field letters, which come in runs, and literal characters. A quote
// (' or ") starts literal text up to the same quote; a backslash, inside or outside quotes,
// makes the next character literal.

struct PictureToken {
    enum class Kind { End, Literal, Field };
    Kind kind;
    std::string_view text; // one literal character, or the whole run of field letters
};

class PictureScanner {
public:
    // isFieldLetter tells which characters form fields. With foldCase a run is made of one
    // letter in either case ("dD"); otherwise of one exact character ("H" and "h" differ).
    PictureScanner(std::string_view picture, bool (*isFieldLetter)(char), bool foldCase)
        : picture(picture), isFieldLetter(isFieldLetter), foldCase(foldCase) {}

    PictureToken Next();

private:
    bool SameRun(char first, char next) const;
    PictureToken LiteralAt(std::size_t start);

    std::string_view picture;
    bool (*isFieldLetter)(char);
    bool foldCase;
    std::size_t pos = 0;
    char openQuote = 0; // the quote character while inside quoted text
};

char AsciiLower(char c);

// Appends a non-negative value in decimal, padded on the left with pad to at least width.
void AppendNumber(std::string& out, int64_t value, std::size_t width = 0, char pad = '0');

// A cursor over the typed text.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text(text) {}

    bool AtEnd() const { return pos >= text.size(); }
    std::string_view Rest() const { return text.substr(pos); }

    // Moves past one character (a whole UTF-8 sequence).
    void SkipChar();
    // Moves past up to count characters; returns those characters.
    std::string_view TakeChars(std::size_t count);
    // Moves past the letters at the cursor; returns them.
    std::string_view TakeLetters();
    // Moves past up to count decimal digits.
    void SkipDigits(std::size_t count);
    // Moves past leading blanks, tabs, carriage returns and line feeds.
    void SkipWhitespace();

    // The value of the digits within the next window characters, after any leading spaces;
    // the cursor does not move. Values saturate at limit.
    struct Number {
        int64_t value;
        std::size_t spaces; // leading spaces before the digits
        std::size_t digits; // digits read
    };
    Number PeekNumber(std::size_t window, int64_t limit) const;

private:
    std::string_view text;
    std::size_t pos = 0;
};
