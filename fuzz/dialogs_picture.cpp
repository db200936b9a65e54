// Fuzz target for the picture masks of the numeric dialog fields. Input: one selector byte, then
// either the text typed into one of the program's own pictures (selector below 4) or a picture,
// a newline and the text. The validator's answer is checked against a plain matcher written
// here, and what it accepts must be typeable character by character and readable as a number.

#include "dialogs/PictureValidator.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// The pictures the dialogs use.
constexpr std::array<std::string_view, 4> kProgramPictures = {
    "[-][#][#][#]", "[#][#][#]", "[#][#][#][.][#][#]", "[#][#][#][#][#][#][#][#]"};

constexpr size_t kMaxTokens = 64; // far beyond any field, well within the regex engine's limits
constexpr qsizetype kMaxText = 256;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Every element of a picture is optional: "#" one ASCII digit, a leading "-" an optional minus
// sign, any other character a literal that the rest of the picture may follow only after it.
struct Token {
    char16_t kind; // '#', '-' (leading sign) or 'L' (literal)
    QChar literal;
};

std::vector<Token> TokensOf(const QString& picture) {
    std::vector<Token> tokens;
    for (qsizetype i = 0; i + 2 < picture.size(); ++i) {
        if (picture[i] != u'[' || picture[i + 2] != u']')
            continue;
        const QChar c = picture[i + 1];
        if (c == u'#')
            tokens.push_back({u'#', c});
        else if (c == u'-' && tokens.empty())
            tokens.push_back({u'-', c});
        else
            tokens.push_back({u'L', c});
        i += 2;
    }
    return tokens;
}

// Whether text[at..] fits tokens[from..], by memoised search over (token, position).
class Matcher {
public:
    Matcher(const std::vector<Token>& tokens, const QString& text)
        : tokens_(tokens), text_(text),
          seen_((tokens.size() + 1) * static_cast<size_t>(text.size() + 1), 0) {}

    bool Fits(size_t from, qsizetype at) {
        if (at == text_.size())
            return true; // whatever is left of the picture is optional
        if (from == tokens_.size())
            return false;
        char& memo = seen_[from * static_cast<size_t>(text_.size() + 1) + static_cast<size_t>(at)];
        if (memo == 0)
            memo = Search(from, at) ? 1 : 2;
        return memo == 1;
    }

private:
    bool Search(size_t from, qsizetype at) {
        const Token& token = tokens_[from];
        const char16_t c = text_[at].unicode();
        switch (token.kind) {
        case u'#':
            return (c >= u'0' && c <= u'9' && Fits(from + 1, at + 1)) || Fits(from + 1, at);
        case u'-':
            return (c == u'-' && Fits(from + 1, at + 1)) || Fits(from + 1, at);
        default: // a literal left out leaves out the rest of the picture too
            return text_[at] == token.literal && Fits(from + 1, at + 1);
        }
    }

    const std::vector<Token>& tokens_;
    const QString& text_;
    std::vector<char> seen_;
};

bool Takes(const PictureValidator& validator, const QString& text) {
    QString typed = text;
    int pos = static_cast<int>(typed.size());
    const bool acceptable = validator.validate(typed, pos) == QValidator::Acceptable;
    Require(typed == text); // the validator never rewrites what was typed
    return acceptable;
}

// What a program field accepts, it can read: empty, a lone sign or point, or a number.
void RequireReadable(const QString& text) {
    if (text.isEmpty() || text == u"-" || text == u"." || text == u"-.")
        return;
    bool ok = false;
    (void)text.toDouble(&ok);
    Require(ok);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool programPicture = data[0] < kProgramPictures.size();
    QString picture;
    QString text;
    if (programPicture) {
        const std::string_view chosen = kProgramPictures[data[0]];
        picture = QString::fromLatin1(chosen.data(), static_cast<qsizetype>(chosen.size()));
        text = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
    } else {
        const size_t newline = rest.find('\n');
        if (newline == std::string_view::npos)
            return 0;
        picture = QString::fromUtf8(rest.data(), static_cast<qsizetype>(newline));
        const std::string_view typed = rest.substr(newline + 1);
        text = QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size()));
    }
    const std::vector<Token> tokens = TokensOf(picture);
    if (tokens.size() > kMaxTokens || text.size() > kMaxText)
        return 0;

    const PictureValidator validator(picture);
    const bool acceptable = Takes(validator, text);
    Matcher matcher(tokens, text);
    Require(acceptable == matcher.Fits(0, 0));
    if (!acceptable)
        return 0;
    Require(text.size() <= static_cast<qsizetype>(tokens.size()));
    for (qsizetype length = 0; length < text.size(); ++length)
        Require(Takes(validator, text.left(length)));
    if (programPicture)
        RequireReadable(text);
    return 0;
}
