#include "date_picture.h"

#include "intldate.h"
#include "language.h"
#include "picture_text.h"
#include "utf8_text.h"

#include <algorithm>

namespace {

bool IsDateFormatLetter(char c) {
    switch (AsciiLower(c)) {
    case 'd':
    case 'm':
    case 'q':
    case 's':
    case 'w':
    case 'y':
        return true;
    default:
        return false;
    }
}

bool IsDateReadLetter(char c) {
    const char lower = AsciiLower(c);
    return lower == 'd' || lower == 'm' || lower == 'y';
}

// An upper-case second letter upper-cases the whole text, an upper-case first letter only its
// first character ("DDD" gives "FRI", "Ddd" gives "Fri").
std::string ApplyRunCase(std::string_view run, std::string text) {
    if (run.size() > 1 && run[1] >= 'A' && run[1] <= 'Z')
        return Utf8Upper(text);
    if (run[0] >= 'A' && run[0] <= 'Z')
        return Utf8UpperFirst(text);
    return text;
}

// The text of a day or month run: a number for one or two letters, else a name.
std::string NumberText(std::string_view run, int number) {
    std::string text;
    AppendNumber(text, number, run.size() == 1 ? 0 : 2);
    return text;
}

void AppendField(std::string& out, const IntlDate& date, std::string_view run, int32_t language) {
    const Language& names = GetLanguage();
    switch (AsciiLower(run[0])) {
    case 'd':
        if (run.size() <= 2)
            out += NumberText(run, date.Day());
        else if (run.size() == 3)
            out += ApplyRunCase(run, names.ShortDay(date.DoW(), language));
        else
            out += ApplyRunCase(run, names.LongDay(date.DoW(), language));
        break;
    case 'm':
        if (run.size() <= 2)
            out += NumberText(run, date.Month());
        else if (run.size() == 3)
            out += ApplyRunCase(run, names.ShortMonth(date.Month(), language));
        else
            out += ApplyRunCase(run, names.LongMonth(date.Month(), language));
        break;
    case 'q':
        AppendNumber(out, (date.Month() + 2) / 3);
        break;
    case 's':
        out += names.DaySuffix(date.Day(), language);
        break;
    case 'w':
        AppendNumber(out, date.WoY(0), run.size() == 1 ? 0 : 2);
        break;
    case 'y':
        if (run.size() > 2)
            AppendNumber(out, date.Year(), 4, ' ');
        else
            AppendNumber(out, date.Year() % 100, 2, ' ');
        break;
    default:
        break;
    }
}

// Reads a number of up to window characters and passes over its leading spaces and up to
// maxDigits of its digits.
TextCursor::Number ReadNumber(TextCursor& cursor, std::size_t window, std::size_t maxDigits) {
    const TextCursor::Number number = cursor.PeekNumber(window, 9999);
    cursor.TakeChars(number.spaces);
    cursor.SkipDigits(std::min(maxDigits, number.digits));
    return number;
}

} // namespace

std::string FormatDatePicture(const IntlDate& date, std::string_view picture, int32_t language) {
    std::string out;
    PictureScanner scanner(picture, IsDateFormatLetter, true);
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind == PictureToken::Kind::Literal)
            out += token.text;
        else
            AppendField(out, date, token.text, language);
    }
    return out;
}

DateReading ReadDatePicture(std::string_view text, std::string_view picture, int32_t language) {
    DateReading reading;
    TextCursor cursor(text);
    PictureScanner scanner(picture, IsDateReadLetter, true);
    const Language& names = GetLanguage();
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind == PictureToken::Kind::Literal) {
            cursor.SkipChar();
            continue;
        }
        const std::size_t n = token.text.size();
        switch (AsciiLower(token.text[0])) {
        case 'd':
            if (n <= 2) {
                reading.day = static_cast<int>(ReadNumber(cursor, 2, n).value);
                reading.dayGiven = true;
            } else {
                cursor.SkipDigits(n); // weekday names stay in the text
            }
            break;
        case 'm':
            if (n <= 2)
                reading.month = static_cast<int>(ReadNumber(cursor, 2, 2).value);
            else if (n == 3)
                reading.month = names.ShortMonthIndex(cursor.TakeChars(3), language);
            else
                reading.month = names.LongMonthIndex(cursor.TakeLetters(), language);
            break;
        default: { // 'y'
            const TextCursor::Number year =
                n <= 2 ? ReadNumber(cursor, 2, 2) : ReadNumber(cursor, 4, 4);
            reading.year = static_cast<int>(year.value);
            reading.yearGiven = year.digits > 0;
            break;
        }
        }
    }
    return reading;
}
