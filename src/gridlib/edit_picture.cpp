#include "edit_picture.h"

#include "picture_text.h"

namespace {

bool IsDateLetter(char c) {
    switch (AsciiLower(c)) {
    case 'd':
    case 'm':
    case 'y':
    case 'q':
    case 's':
    case 'w':
        return true;
    default:
        return false;
    }
}

bool IsTimeLetter(char c) {
    switch (c) {
    case 'H':
    case 'M':
    case 'S':
    case 'h':
    case 'm':
    case 's':
        return true;
    default:
        return false;
    }
}

std::string NormalizedRun(std::string_view run) {
    const char letter = AsciiLower(run.front());
    if (letter == 'y')
        return run.size() > 2 ? "yyyy" : "yy";
    if (letter == 'd' || letter == 'm') {
        if (run.size() == 1)
            return std::string(2, run.front());
        return std::string(run.substr(0, 3));
    }
    return std::string(run);
}

} // namespace

std::string NormalizeDatePicture(std::string_view picture) {
    std::string out;
    char openQuote = 0;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\\') {
            out += picture.substr(i, 2);
            i += 2;
            continue;
        }
        if (openQuote != 0 || c == '\'' || c == '"') {
            if (openQuote == 0)
                openQuote = c;
            else if (c == openQuote)
                openQuote = 0;
            out += c;
            ++i;
            continue;
        }
        const char letter = AsciiLower(c);
        if (letter == 'd' || letter == 'm' || letter == 'y') {
            std::size_t end = i + 1;
            while (end < picture.size() && AsciiLower(picture[end]) == letter)
                ++end;
            out += NormalizedRun(picture.substr(i, end - i));
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

bool DatePictureHasNames(std::string_view picture) {
    PictureScanner scanner(picture, IsDateLetter, true);
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind != PictureToken::Kind::Field || token.text.size() < 3)
            continue;
        const char letter = AsciiLower(token.text.front());
        if (letter == 'd' || letter == 'm')
            return true;
    }
    return false;
}

std::string PictureLiterals(std::string_view picture, bool datePicture) {
    PictureScanner scanner(picture, datePicture ? IsDateLetter : IsTimeLetter, datePicture);
    std::string literals;
    for (PictureToken token = scanner.Next(); token.kind != PictureToken::Kind::End;
         token = scanner.Next()) {
        if (token.kind == PictureToken::Kind::Literal)
            literals += token.text;
    }
    return literals;
}
